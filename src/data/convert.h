// Number conversions of record text. Lenient readers take 0 for bad text (toIntOrZero in
// numbers.h); strict readers get a conversion error naming the field and the text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zv {

// text without its leading blanks and tabs.
inline std::string_view skipLeadingBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
}

// A signed 32-bit decimal whole number; leading blanks and one sign allowed, nothing after the
// digits. Empty when the text is not such a number or does not fit. Inline: the engine reads a
// few hundred fields a race this way.
inline std::optional<int32_t> parseInt(std::string_view text) {
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

// A real number in plain decimal notation ("57", "57.5", " -1.25"); leading blanks allowed.
std::optional<double> parseReal(std::string_view text);

// Strict conversions: throw zv::Error (ErrorKind::Conversion) naming fieldName and the text.
int32_t strictInt(std::string_view text, std::string_view fieldName);
double strictReal(std::string_view text, std::string_view fieldName);

}  // namespace zv
