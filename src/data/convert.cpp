#include "convert.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "error.h"

namespace zv {

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
    throw conversionError(std::string(fieldName), Cp932View(text));
}

double strictReal(std::string_view text, std::string_view fieldName) {
    if (auto value = parseReal(text)) return *value;
    throw conversionError(std::string(fieldName), Cp932View(text));
}

}  // namespace zv
