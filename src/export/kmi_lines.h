// Records of the bet-line file (.kmi), read by the partner program: one per existing bet line,
// 19 characters: the race key (racecourse code, date and race number as the race header line holds them),
// the bet type code (0 単勝, 1 複勝, 3 馬連, 5 馬単, 6 3連複, 7 3連単) and the six-character key.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/typed_records.h"
#include "predict/race_result.h"

namespace zv {

// Appends the records of a race's bet keys.
void appendKmiLines(std::vector<std::string>& lines, const RaceHeaderRecord& header,
                    const std::array<std::string, kBetKeys>& betKeys);

}  // namespace zv
