// The past-race grid of the horse detail: headings, one row per past-race group of the horse
// line (group k in row 5 - k) and each row's paint state.
#pragma once

#include <string_view>

#include "horse_detail.h"

namespace zv {

// Writes the headings, rows 1 to 5 and their states into detail. A group whose racecourse is
// unknown stands for no race: its row stays empty with state Central.
void fillPastRaceGrid(const HorseRecord& horse, HorseDetail& detail);

}  // namespace zv
