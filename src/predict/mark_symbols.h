// The six marks in pick order: ◎ ○ ▲ △ × ☆.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "race_result.h"

namespace zv {

// As people read them (UTF-8), for the report card and other texts made outside the core's CP932.
inline constexpr std::array<std::string_view, kMarks> kMarkSymbolsUtf8 = {"◎", "○", "▲", "△", "×", "☆"};

// The mark of pick position pick (0 = ◎ .. 5 = ☆) as CP932, like every text of the core.
const std::string& markSymbol(int pick);

}  // namespace zv
