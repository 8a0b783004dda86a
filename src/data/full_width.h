// Half-width to full-width conversion of CP932 text: digits, Latin letters, half-width katakana
// (with their voiced and semi-voiced marks) and ASCII symbols become their full-width
// characters; two-byte characters and everything else pass through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace zv {

std::string toFullWidth(std::string_view text);

}  // namespace zv
