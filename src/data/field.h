// Fixed-width record access. A field is cut from a line by its 1-based byte position and byte
// length; cutting past the end of a line yields the bytes that exist, possibly none.
#pragma once

#include <string_view>

namespace zv {

struct FieldDef {
    const char* name;  // the field's name, used in conversion errors
    int pos;           // 1-based byte position
    int len;           // length in bytes
};

inline std::string_view field(std::string_view line, int pos, int len) {
    if (pos < 1 || len <= 0) return {};
    size_t start = static_cast<size_t>(pos - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<size_t>(len));
}

inline std::string_view field(std::string_view line, const FieldDef& f) { return field(line, f.pos, f.len); }

// Past-race groups of the horse line stand 590 bytes apart; group 0 is the last race.
inline constexpr int kPastGroupStride = 590;
inline constexpr int kPastGroups = 5;

inline std::string_view pastField(std::string_view line, const FieldDef& f, int group) {
    return field(line, f.pos + kPastGroupStride * group, f.len);
}

// Text fields are shown trimmed: bytes at or below the half-width blank go from both ends; a
// full-width blank stays.
inline std::string_view trimmed(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= 0x20) ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20) --e;
    return text.substr(b, e - b);
}

}  // namespace zv
