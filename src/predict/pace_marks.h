// The header averages, the estimated pace and the six picks. The PR average (two decimals) sets
// the pace: below 1 S, below 2 M, else H. The picks come from the ranking table: the top three
// (or, at pace H, the three just at the end of the runners rated 10 or more), a runner with both
// TR and PR, then the highest rates.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "past_column.h"
#include "ratings.h"

namespace zv {

struct PaceEstimate {
    std::string f3fAverageText;   // "前半3Fタイム平均：34.50", or the bare caption when not shown
    std::string f3fAverageValue;  // "34.50", or empty
    bool f3fAverageShown = false;
    std::string prAverageText;        // "PR平均：1.25", or the bare caption when not shown
    std::string prAverageValue;       // "1.25", or empty
    bool prAverageShown = false;      // the pace label is shown with it
    int64_t prAverageHundredths = 0;  // the PR average as shown; 0 when there is none
    std::string paceText;             // "S", "M", "H" or empty
    int paceImage = 3;                // 0 S, 1 M, 2 H, 3 neutral
};

// Averages and pace from the F3F table as built and the runners' PR.
PaceEstimate estimatePace(const std::vector<F3FRow>& f3fTable, const PastColumns& pastColumns);

// The six picks in mark order ◎ ○ ▲ △ × ☆. A pick whose row the table no longer has is 0 (no
// pick). All are 0 when there is no PR average or the rates of the field sum to 0 or less.
std::array<int, 6> pickMarks(const PastColumns& pastColumns, int64_t prAverageHundredths);

}  // namespace zv
