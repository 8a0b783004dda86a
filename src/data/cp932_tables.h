// CP932 <-> UTF-8 by tables, for the texts of every record line: the system converter costs
// microseconds a call, the tables a few nanoseconds a character. The tables are asked of the
// system converter once, on first use, character by character, so they answer exactly as it
// does. A text they cannot answer whole (a byte that is no CP932 character, a character CP932
// lacks) is left to the caller, who converts it the plain way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zv {

// The UTF-8 of cp932, or nothing when it holds a byte sequence that is no CP932 character. With
// roundTrips, also whether tableFromUtf8 gives cp932 back (not so for the characters CP932 holds
// twice).
std::optional<std::string> tableToUtf8(std::string_view cp932, bool* roundTrips = nullptr);

// The CP932 of utf8, or nothing when it is no well-formed UTF-8 or holds a character the tables
// do not map.
std::optional<std::string> tableFromUtf8(std::string_view utf8);

}  // namespace zv
