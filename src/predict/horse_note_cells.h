// The user's notes on horses, as a computed race shows them: a small sign after the sex and age
// in the name cell of each horse that has one.
#pragma once

#include <vector>

#include "race_result.h"

namespace zv {

// Puts the flags (per runner: the horse has a note) into result and signs its name cells,
// replacing the signs it showed. Runners beyond the flags given show none.
void showHorseNotes(RaceResult& result, std::vector<bool> noted);

}  // namespace zv
