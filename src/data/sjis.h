// The edge between CP932 (Shift_JIS as Windows writes it), which every text of the core is in,
// and UTF-8, which people and JSON readers see. glibc iconv "CP932": plain SHIFT_JIS lacks ① and
// maps 0x5C to the yen sign.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zv {

// The system's iconv has no CP932 converter (glibc's gconv modules are missing). Every text the
// program shows or writes would be wrong, so the conversions stop with this instead of passing
// the bytes through. what() is UTF-8.
class ConverterMissing : public std::runtime_error {
public:
    ConverterMissing();
};

// CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD.
std::string toUtf8(std::string_view cp932);

// UTF-8 to CP932, for texts the program itself made (its messages, file names, system texts).
// Characters CP932 cannot hold become "?".
std::string fromUtf8(std::string_view utf8);

// The same two conversions by the system converter alone, character by character; toUtf8 and
// fromUtf8 answer from tables (cp932_tables.h) and fall back on these.
std::string converterToUtf8(std::string_view cp932);
std::string converterFromUtf8(std::string_view utf8);

// UTF-8 a person typed, to CP932: nothing when it holds a character CP932 cannot hold, so that a
// password or a name never goes out with "?" in its place.
std::optional<std::string> fromUtf8Exactly(std::string_view utf8);

// Bytes that should be UTF-8 (a file name, a system text), with each invalid sequence replaced
// by U+FFFD, so that they can stand in a message.
std::string validUtf8(std::string_view bytes);

// What the user is told when the field with this caption holds such a character (UTF-8).
std::string notCp932Message(std::string_view field);

// A text written in this program's (UTF-8) source as CP932 bytes. For literals and tables.
inline std::string sj(std::string_view utf8) { return fromUtf8(utf8); }

}  // namespace zv
