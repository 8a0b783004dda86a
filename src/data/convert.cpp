#include "convert.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "error.h"

namespace zv {
namespace {

std::string_view skipLeadingBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
}

}  // namespace

std::optional<int32_t> parseInt(std::string_view text) {
    text = skipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    // The sum is held just above the largest magnitude, so that it cannot overflow however many
    // digits follow, without a branch per digit.
    constexpr int64_t kBeyond = int64_t{INT32_MAX} + 2;
    int64_t value = 0;
    for (char c : text) {
        unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9) return std::nullopt;
        value = std::min(value * 10 + digit, kBeyond);
    }
    if (value >= kBeyond) return std::nullopt;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<double> parseReal(std::string_view text) {
    text = skipLeadingBlanks(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) return std::nullopt;
    }
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int32_t strictInt(std::string_view text, std::string_view fieldName) {
    if (auto value = parseInt(text)) return *value;
    throw conversionError(std::string(fieldName), std::string(text));
}

double strictReal(std::string_view text, std::string_view fieldName) {
    if (auto value = parseReal(text)) return *value;
    throw conversionError(std::string(fieldName), std::string(text));
}

}  // namespace zv
