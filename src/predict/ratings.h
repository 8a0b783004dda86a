// Speed ratings. TR ranks the early three-furlong times of every valid past race of the field
// against each other (fastest 10, slower ones less, too slow ones cut); a runner's TR is its best,
// combined = TR + PR, and the index value shows combined on a 0.0..100.0 scale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "past_column.h"

namespace zv {

// One row of the F3F table: one valid past race.
struct F3FRow {
    int32_t runner = 0;  // runner number, 1-based
    int32_t k = 0;       // which past race (0 = most recent)
    int32_t f3f = 0;     // early 3F in tenths of a second
    int32_t tr = 0;      // TR assigned to the race
};

// The F3F table as built: every valid past race, runner by runner, k = 0, 1, 2.
std::vector<F3FRow> buildF3FTable(const PastColumns& pastColumns);

// Ranks the rows (sorted fastest first, cut, numbered) and returns the rows that keep a TR.
std::vector<F3FRow> rankF3FTable(std::vector<F3FRow> rows);

// Writes pastTR, TR and combined into every record; returns the F3F table as built (before the
// ranking), whose times give the header's 3F average.
std::vector<F3FRow> assignTR(PastColumns& pastColumns);

// combined x 5.263 rounded up to one decimal.
double indexValue(int32_t combined);
// The index value with one decimal ("52.7").
std::string indexText(int32_t combined);

}  // namespace zv
