// The race grid's cells for one runner: texts (lines of styled runs), colours and right borders.
// Columns 0-3 come from the runner entry, 4-9 from the runner's past-performance column and
// ratings, 10 holds the program's mark, 11 the user's own mark.
#pragma once

#include <string>

#include "data/typed_records.h"
#include "past_column.h"
#include "race_result.h"

namespace zv {

// The heading row: texts only, the grid's own colours.
GridRow headingRow();

// Columns 0-3 of runner number `runner`. Throws a conversion error when the weight carried is
// not a number.
void fillEntryCells(GridRow& row, const RunnerEntry& entry, int runner);

// Columns 4-9 from the completed record.
void fillRatingCells(GridRow& row, const PastColumn& column);

// Column 10: the mark of pick position `pick` (0 = ◎ .. 5 = ☆).
void fillMarkCell(GridRow& row, int pick);

// Column 11: the own mark (0 = ◎ .. 6 = 消, -1 for none); greyed when it was set on another
// horse's name than the card now gives.
void fillOwnMarkCell(GridRow& row, int mark, bool nameDiffers);

// Sex and age padded to 6 bytes, then the coat colour padded to 6 bytes.
std::string sexAgeCoatText(const RunnerEntry& entry, const HorseRecord& horse);

}  // namespace zv
