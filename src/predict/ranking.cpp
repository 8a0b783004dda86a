#include "ranking.h"

#include <algorithm>

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

void sortRanking(RankingTable& table, RankingColumn column, bool descending) {
    std::stable_sort(table.begin(), table.end(), [column, descending](const RankingRow& a, const RankingRow& b) {
        return descending ? key(a, column) > key(b, column) : key(a, column) < key(b, column);
    });
}

}  // namespace zv
