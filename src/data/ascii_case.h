// Case-insensitive comparison of the ASCII letters, for file names, mark-up tags, section names
// and addresses. Only A-Z fold; every other byte is compared as it is.
#pragma once

#include <string_view>

namespace zv {

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
    }
    return true;
}

constexpr bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithNoCase(a, b);
}

}  // namespace zv
