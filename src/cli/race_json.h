// The race result as JSON for `show R --json`: header, picks, labels, keys, row order and every
// runner with its ratings and grid cells, each in the grid mark-up. Texts are converted from CP932
// to UTF-8.
#pragma once

#include <iosfwd>

#include "predict/race_result.h"

namespace zv::cli {

void writeRaceJson(std::ostream& out, const RaceResult& result);

// A cell colour as "#RRGGBB", or "" for the grid's default.
std::string colourText(const CellColour& colour);

}  // namespace zv::cli
