// Per-race display texts built from a race header line at load time, the race-name shortening,
// the half-width to full-width conversion and the race name copy text.
#pragma once

#include <string>
#include <string_view>

#include "store.h"

namespace zv {

// Fills every per-race text of race index (raceDateText, courseText, jpnFlag, gradeText,
// distanceText, titleLine1, titleLine2, menuTitle, raceNumberText) from its header line.
// runnerCountText[index] must already be set.
void BuildRaceTitles(RaceDataStore& store, std::string_view line, int index);

}  // namespace zv
