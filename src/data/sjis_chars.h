// Walking CP932 text character by character: a lead byte (0x81-0x9F, 0xE0-0xFC) and the byte
// after it form one character, every other byte is a character of its own. Searches built on
// this never start a match on the second byte of a two-byte character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zv {

inline bool isSjisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Byte length of the character at pos: 2 for a lead byte with a byte after it, else 1.
inline size_t sjisCharLength(std::string_view text, size_t pos) {
    return isSjisLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Position of the first match of needle that starts on a character boundary, or npos.
inline size_t findSjis(std::string_view text, std::string_view needle) {
    if (needle.empty()) return std::string_view::npos;
    for (size_t pos = 0; pos < text.size(); pos += sjisCharLength(text, pos)) {
        if (text.substr(pos).starts_with(needle)) return pos;
    }
    return std::string_view::npos;
}

// text with every character-aligned occurrence of from replaced by to, left to right.
inline std::string replaceAllSjis(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        if (!from.empty() && text.substr(pos).starts_with(from)) {
            out += to;
            pos += from.size();
        } else {
            size_t len = sjisCharLength(text, pos);
            out += text.substr(pos, len);
            pos += len;
        }
    }
    return out;
}

}  // namespace zv
