// The ranking table: one row per runner with the keys the picks and the grid sort use.
// Every sort of the table is stable.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "past_column.h"

namespace zv {

struct RankingRow {
    int32_t runner = 0;  // runner number, 1-based
    int32_t rate = 0;    // rate in tenths
    int32_t PR = 0;
    int32_t TR = 0;
    int32_t both = 0;      // 1 when PR >= 1 and TR >= 1, else 0
    int32_t combined = 0;  // TR + PR
};

// The table's columns, in the order of its headings: 馬, Rate, PR, TR, 両方, F3F.
enum class RankingColumn { Runner, Rate, PR, TR, Both, Combined };

using RankingTable = std::vector<RankingRow>;

// One row per runner in runner order.
RankingTable fillRanking(const PastColumns& pastColumns);

// Stable sort on one column, highest first when descending.
void sortRanking(RankingTable& table, RankingColumn column, bool descending);

// Stable sort on several columns, the first one deciding, the next one breaking its ties, and so
// on: the order that stable sorts on the columns one after the other, the last column first,
// would give.
struct RankingKey {
    RankingColumn column;
    bool descending;
};
void sortRanking(RankingTable& table, std::initializer_list<RankingKey> keys);

}  // namespace zv
