#include "pace_marks.h"

#include <algorithm>

#include "data/sjis.h"
#include "number_text.h"
#include "ranking.h"

namespace zv {
namespace {

constexpr int32_t kStrongCombined = 10;  // at pace H the picks start below the runners rated this or more

const std::string& f3fCaption() {
    static const std::string caption = sj("前半3Fタイム平均：");
    return caption;
}

const std::string& prCaption() {
    static const std::string caption = sj("PR平均：");
    return caption;
}

int runnerAt(const RankingTable& table, size_t row) { return row < table.size() ? table[row].runner : 0; }

void removeTop(RankingTable& table, size_t rows) {
    table.erase(table.begin(), table.begin() + std::min(rows, table.size()));
}

}  // namespace

PaceEstimate estimatePace(const std::vector<F3FRow>& f3fTable, const PastColumns& pastColumns) {
    PaceEstimate pace;
    pace.f3fAverageText = f3fCaption();
    pace.prAverageText = prCaption();

    int64_t f3fSum = 0;
    for (const F3FRow& row : f3fTable) f3fSum += row.f3f;
    if (!f3fTable.empty() && f3fSum > 0) {
        // tenths summed over rows, shown in seconds with two decimals
        int64_t hundredths = roundedQuotient(f3fSum * 10, static_cast<int64_t>(f3fTable.size()));
        pace.f3fAverageValue = hundredthsText(hundredths, true);
        pace.f3fAverageText += pace.f3fAverageValue;
        pace.f3fAverageShown = true;
    }

    int64_t prSum = 0;
    for (const PastColumn& b : pastColumns) prSum += b.PR;
    if (prSum > 0) {
        pace.prAverageHundredths = roundedQuotient(prSum * 100, static_cast<int64_t>(pastColumns.size()));
        pace.prAverageValue = hundredthsText(pace.prAverageHundredths);
        pace.prAverageText += pace.prAverageValue;
        pace.prAverageShown = true;
        if (pace.prAverageHundredths < 100) {
            pace.paceText = "S";
            pace.paceImage = 0;
        } else if (pace.prAverageHundredths < 200) {
            pace.paceText = "M";
            pace.paceImage = 1;
        } else {
            pace.paceText = "H";
            pace.paceImage = 2;
        }
    }
    return pace;
}

std::array<int, 6> pickMarks(const PastColumns& pastColumns, int64_t prAverageHundredths) {
    std::array<int, 6> marks{};
    int64_t rateSum = 0;
    for (const PastColumn& b : pastColumns) rateSum += b.rate;
    if (prAverageHundredths <= 0 || rateSum <= 0) return marks;

    RankingTable table = fillRanking(pastColumns);
    std::erase_if(table, [&](const RankingRow& row) {
        const PastColumn& b = pastColumns[row.runner - 1];
        return isLongLayoff(b.dates[1], b.dates[0]);
    });
    sortRanking(table, {{RankingColumn::Combined, true},
                        {RankingColumn::Both, true},
                        {RankingColumn::TR, true},
                        {RankingColumn::PR, true},
                        {RankingColumn::Rate, true}});

    if (prAverageHundredths >= 200) {
        size_t strong = 0;
        while (strong < table.size() && table[strong].combined >= kStrongCombined) ++strong;
        size_t e = std::max<size_t>(strong, 3);
        marks[0] = runnerAt(table, e - 1);
        marks[1] = runnerAt(table, e - 2);
        marks[2] = runnerAt(table, e - 3);
        removeTop(table, e);
    } else {
        marks[0] = runnerAt(table, 0);
        marks[1] = runnerAt(table, 1);
        marks[2] = runnerAt(table, 2);
        removeTop(table, 3);
    }

    bool bothFound = false;
    for (auto it = table.begin(); it != table.end() && it->combined != 0; ++it) {
        if (it->PR != 0 && it->TR != 0) {
            marks[3] = it->runner;
            table.erase(it);
            bothFound = true;
            break;
        }
    }

    sortRanking(table, {{RankingColumn::Rate, true}, {RankingColumn::Runner, false}});
    size_t next = bothFound ? 4 : 3;
    for (size_t row = 0; next < marks.size(); ++row, ++next) marks[next] = runnerAt(table, row);
    return marks;
}

}  // namespace zv
