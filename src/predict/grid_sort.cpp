// Sorting the race grid. Columns 2, 7, 8 and 9 sort the ranking table (stably, from the order the
// previous sort left) and put the grid rows into its order; column 10 moves the marked runners to
// the top in mark order and leaves the ranking table alone.
#include "grid_sort.h"

#include <algorithm>
#include <optional>

namespace zv {
namespace {

std::optional<RankingColumn> rankingColumnOf(int gridColumn) {
    switch (gridColumn) {
        case kColRunner: return RankingColumn::Runner;
        case kColName: return RankingColumn::Rate;
        case kColTR: return RankingColumn::TR;
        case kColPR: return RankingColumn::PR;
        case kColIndex: return RankingColumn::Combined;
        default: return std::nullopt;
    }
}

bool isSortable(int column) { return column == kColMark || rankingColumnOf(column).has_value(); }

void sortGrid(RaceResult& result, int column, bool ascending) {
    result.sort.ascending = ascending;
    if (column == kColMark) {
        // The marked runners lead in mark order; the others keep their order below them.
        auto top = result.rowOrder.begin();
        for (int runner : result.markedRunners) {
            auto at = std::find(top, result.rowOrder.end(), runner);
            if (runner == 0 || at == result.rowOrder.end()) continue;
            std::rotate(top, at, at + 1);
            ++top;
        }
        return;
    }
    std::optional<RankingColumn> rankingColumn = rankingColumnOf(column);
    if (!rankingColumn) return;
    sortRanking(result.ranking, *rankingColumn, !ascending);
    result.rowOrder.clear();
    for (const RankingRow& row : result.ranking) result.rowOrder.push_back(row.runner);
}

void showRunnerOrder(RaceResult& result) {
    result.sort = GridSort{kColRunner, true};
    sortGrid(result, kColRunner, true);
}

}  // namespace

void sortRankingAsGrid(RankingTable& table, int sortColumn) {
    std::optional<RankingColumn> rankingColumn = rankingColumnOf(sortColumn);
    if (sortColumn != kColRunner && rankingColumn) sortRanking(table, *rankingColumn, true);
}

void applyInitialSort(RaceResult& result, int sortColumn) {
    if (sortColumn == kColRunner || !isSortable(sortColumn)) {
        result.sort = GridSort{kColRunner, true};
        return;
    }
    result.sort = GridSort{sortColumn, false};
    sortGrid(result, sortColumn, false);
}

bool clickGridHeader(RaceResult& result, int column) {
    if (!isSortable(column)) return false;
    if (column == kColRunner || result.sort.column == column) {
        showRunnerOrder(result);
    } else {
        result.sort = GridSort{column, false};
        sortGrid(result, column, false);
    }
    return true;
}

}  // namespace zv
