#include "convert.h"

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
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
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
