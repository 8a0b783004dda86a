// Sorting the race grid: the sort a freshly computed race gets (the grid's remembered sort column
// applied to rows in runner order) and a click on a column heading.
#pragma once

#include "race_result.h"

namespace zv {

// Column 1 (or a column that cannot sort) keeps runner order; 2, 7, 8, 9, 10 sort descending.
void applyInitialSort(RaceResult& result, int sortColumn);

// The ranking table as applyInitialSort leaves it, from a table in runner order.
void sortRankingAsGrid(RankingTable& table, int sortColumn);

// A click on the heading of `column`: column 1 returns to runner order; 2, 7, 8, 9, 10 sort
// descending, or return to runner order when already sorted on that column; other columns do
// nothing. Updates ranking, rowOrder and sort; returns whether anything changed.
bool clickGridHeader(RaceResult& result, int column);

}  // namespace zv
