// Horse names as the search compares them: half-width characters made full-width, hiragana made
// katakana and Latin letters made capitals, so "ｷﾀｻﾝ", "きたさん" and "キタサン" fold alike.
#pragma once

#include <string>
#include <string_view>

namespace zv::library {

// The folded form of a UTF-8 text.
std::string foldName(std::string_view utf8);

}  // namespace zv::library
