#include "ranking.h"

namespace zv {
namespace {

int32_t key(const RankingRow& row, RankingColumn column) {
    switch (column) {
        case RankingColumn::Runner: return row.runner;
        case RankingColumn::Rate: return row.rate;
        case RankingColumn::PR: return row.PR;
        case RankingColumn::TR: return row.TR;
        case RankingColumn::Both: return row.both;
        case RankingColumn::Combined: return row.combined;
    }
    return 0;
}

}  // namespace

RankingTable fillRanking(const TBachus& bachus) {
    RankingTable table;
    table.reserve(bachus.size());
    for (size_t n = 0; n < bachus.size(); ++n) {
        const TBachu& b = bachus[n];
        table.push_back({static_cast<int32_t>(n + 1), b.rate, b.PR, b.TR, (b.PR >= 1 && b.TR >= 1) ? 1 : 0,
                         b.combined});
    }
    return table;
}

// Insertion sort: stable, and without the buffer a merge sort allocates (fields are small).
void sortRanking(RankingTable& table, RankingColumn column, bool descending) {
    auto before = [column, descending](const RankingRow& a, const RankingRow& b) {
        return descending ? key(a, column) > key(b, column) : key(a, column) < key(b, column);
    };
    for (size_t i = 1; i < table.size(); ++i) {
        RankingRow row = table[i];
        size_t j = i;
        for (; j > 0 && before(row, table[j - 1]); --j) table[j] = table[j - 1];
        table[j] = row;
    }
}

}  // namespace zv
