// The sort a freshly computed race gets: the grid's remembered sort column applied to rows in
// runner order.
#pragma once

#include "race_result.h"

namespace zv {

// Column 1 (or a column that cannot sort) keeps runner order; 2, 7, 8, 9, 10 sort descending.
void applyInitialSort(RaceResult& result, int sortColumn);

}  // namespace zv
