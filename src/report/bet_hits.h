// When a bet line hits, as its bet type pays: 単勝 the winner; 複勝 a runner in the first three
// (the first two when seven or fewer ran); 馬連 the first two in any order; 馬単 in order; 3連複
// the first three in any order; 3連単 in order.
#pragma once

#include <array>
#include <string_view>

#include "predict/bet_lines.h"

namespace zv::report {

// The places of the race a bet type needs known: 1, 2 or 3.
int placesNeeded(BetType type, int ran);

// Whether the line with six-character key (runner numbers, "00" unused) hits, given the runner
// numbers of the first three (those beyond placesNeeded may be 0) and how many ran.
bool betLineHits(BetType type, std::string_view key, const std::array<int, 3>& firstThree, int ran);

}  // namespace zv::report
