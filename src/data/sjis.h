// The edge between CP932 (Shift_JIS as Windows writes it), which every text of the core is in,
// and UTF-8, which people and JSON readers see. glibc iconv "CP932": plain SHIFT_JIS lacks ① and
// maps 0x5C to the yen sign.
#pragma once

#include <string>
#include <string_view>

namespace zv {

// CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD; never throws.
std::string toUtf8(std::string_view cp932);

// UTF-8 to CP932. Characters CP932 cannot hold become "?"; never throws.
std::string fromUtf8(std::string_view utf8);

// A text written in this program's (UTF-8) source as CP932 bytes. For literals and tables.
inline std::string sj(std::string_view utf8) { return fromUtf8(utf8); }

}  // namespace zv
