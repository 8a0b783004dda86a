// Text filled or cut to a width; widths count bytes (CP932: a double-byte character is two).
#pragma once

#include <string>
#include <string_view>

namespace zv {

std::string padLeft(std::string_view text, int width);   // blanks in front up to width
std::string padRight(std::string_view text, int width);  // blanks after up to width
std::string zeroPad(std::string_view text, int width);   // "0" in front up to width
std::string dropLast(std::string_view text, int n);      // without its last n bytes

}  // namespace zv
