// Records of the bet-line file (.kmi), read by the partner program: one per existing bet line,
// 19 characters: the race key (racecourse code, date and race number from the race header line),
// the bet type code (0 単勝, 1 複勝, 3 馬連, 5 馬単, 6 3連複, 7 3連単) and the six-character key.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "predict/race_result.h"

namespace zv {

// Appends the records of a race's bet keys.
void appendKmiLines(std::vector<std::string>& lines, std::string_view raceHeaderLine,
                    const std::array<std::string, kBetKeys>& betKeys);

}  // namespace zv
