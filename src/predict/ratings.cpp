#include "ratings.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "data/numbers.h"

namespace zv {
namespace {

constexpr int32_t kTopTR = 10;
constexpr int32_t kOutlierGap = 7;  // 0.7 s between the two fastest: the fastest stands apart
constexpr int32_t kCutBehind = 10;  // more than 1.0 s behind the reference time is cut

}  // namespace

std::vector<F3FRow> buildF3FTable(const PastColumns& pastColumns) {
    std::vector<F3FRow> rows;
    rows.reserve(pastColumns.size() * kPastRaces);
    for (size_t n = 0; n < pastColumns.size(); ++n) {
        for (int k = 0; k < kPastRaces; ++k) {
            if (pastColumns[n].pastValid[k])
                rows.push_back({static_cast<int32_t>(n + 1), k, pastColumns[n].pastF3F[k], 0});
        }
    }
    return rows;
}

std::vector<F3FRow> rankF3FTable(std::vector<F3FRow> rows) {
    if (rows.empty()) return rows;
    std::stable_sort(rows.begin(), rows.end(), [](const F3FRow& a, const F3FRow& b) { return a.f3f < b.f3f; });
    bool outlier = false;
    if (rows.size() >= 2) {
        outlier = rows[1].f3f - rows[0].f3f >= kOutlierGap;
        size_t reference = outlier ? 1 : 0;
        int32_t limit = rows[reference].f3f + kCutBehind;
        // Sorted, so the rows beyond the limit are a tail; the reference rows always stay.
        size_t keep = rows.size();
        while (keep > reference + 1 && rows[keep - 1].f3f > limit) --keep;
        rows.resize(keep);
    }
    int32_t current = kTopTR;
    int32_t ties = 1;
    rows[0].tr = kTopTR;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].f3f == rows[i - 1].f3f) {
            ++ties;
        } else {
            current -= ties;
            ties = 1;
            if (outlier) {  // the two fastest distinct times both earn the top TR
                outlier = false;
                current = kTopTR;
            }
        }
        rows[i].tr = current;
    }
    rows.erase(std::remove_if(rows.begin() + 1, rows.end(), [](const F3FRow& r) { return r.tr < 1; }), rows.end());
    return rows;
}

std::vector<F3FRow> assignTR(PastColumns& pastColumns) {
    std::vector<F3FRow> built = buildF3FTable(pastColumns);
    for (const F3FRow& row : rankF3FTable(built)) pastColumns[row.runner - 1].pastTR[row.k] = row.tr;
    for (PastColumn& b : pastColumns) {
        b.TR = std::max({b.pastTR[0], b.pastTR[1], b.pastTR[2]});
        b.combined = b.TR + b.PR;
    }
    return built;
}

double indexValue(int32_t combined) { return roundUp(2, combined * 5.263); }

namespace {

std::string formattedIndex(int32_t combined) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", indexValue(combined));
    return buffer;
}

}  // namespace

std::string indexText(int32_t combined) {
    static const std::array<std::string, 20> everyCombined = [] {
        std::array<std::string, 20> texts;
        for (int32_t c = 0; c < 20; ++c) texts[c] = formattedIndex(c);
        return texts;
    }();
    return combined >= 0 && combined < 20 ? everyCombined[combined] : formattedIndex(combined);
}

}  // namespace zv
