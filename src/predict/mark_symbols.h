// The six marks in pick order: ◎ ○ ▲ △ × ☆, and the user's own marks.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "race_result.h"

namespace zv {

// As people read them (UTF-8), for the report card and other texts made outside the core's CP932.
inline constexpr std::array<std::string_view, kMarks> kMarkSymbolsUtf8 = {"◎", "○", "▲", "△", "×", "☆"};

// The user's own marks: the six, then 消 (the runner is ruled out), UTF-8.
inline constexpr int kRuledOut = kMarks;
inline constexpr int kOwnMarks = kMarks + 1;
inline constexpr std::array<std::string_view, kOwnMarks> kOwnMarkSymbolsUtf8 = {"◎", "○", "▲", "△", "×", "☆", "消"};

// The mark of pick position pick (0 = ◎ .. 5 = ☆) as CP932, like every text of the core.
const std::string& markSymbol(int pick);
// The own mark (0 = ◎ .. 6 = 消) as CP932.
const std::string& ownMarkSymbol(int mark);

}  // namespace zv
