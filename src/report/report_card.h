// The report card over the meeting days read: how often the marks (the program's, and the user's
// own where the user marked a race), the combined index and the market's favourites finished first, in the first two
// and in the first three, and how often the proposed bet lines hit. Every rate is taken only over the races whose
// needed places are known, and carries its base. All texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zv::report {

// A count over its base, with the rate count / base (nothing when the base is empty).
struct Rate {
    int base = 0;
    int count = 0;
    std::optional<double> rate() const {
        if (base == 0) return std::nullopt;
        return static_cast<double>(count) / base;
    }
};

// One row of a table: its runners that ran, and their win, top-2 and top-3 rates.
struct RateRow {
    std::string label;
    int runners = 0;
    Rate win;
    Rate top2;
    Rate top3;
};

// The bet lines of one bet type.
struct BetLineRow {
    std::string type;  // 単勝 .. 3連単
    int races = 0;     // races with lines of the type whose needed places are known
    int hits = 0;      // of those, the races in which at least one line hit
    int lines = 0;     // lines bought in those races (点数)
    std::optional<double> hitRate() const {
        if (races == 0) return std::nullopt;
        return static_cast<double>(hits) / races;
    }
};

struct ReportDay {
    std::string date;  // 2026/05/09
    std::string path;  // where the day was read from
    int races = 0;     // races rated
};

// An input that was not counted, or a race that could not be rated, and why.
struct SkippedInput {
    std::string path;
    std::string reason;
};

struct Coverage {
    int races = 0;
    int runners = 0;            // the runners on the cards read, less those found scratched or excluded
    int runnersWithResult = 0;  // of them, those whose own later record gives their finish (not 00)
    int racesWithWinner = 0;
    int racesWithFirstTwo = 0;
    int racesWithFirstThree = 0;
    int racesWithOwnMarks = 0;  // races the user marked: the only ones the own-mark rows count
};

struct ReportCard {
    std::vector<ReportDay> days;  // in date order
    std::vector<SkippedInput> skipped;
    Coverage coverage;
    std::vector<RateRow> byMark;          // ◎ ○ ▲ △ × ☆ 無印
    std::vector<RateRow> byRank;          // combined rank in the race: 1位 .. 5位, 6位以下
    std::vector<RateRow> byIndexBand;     // 0.0–9.9 .. 90.0–100.0
    std::vector<RateRow> byPopularity;    // 1番人気 .. 5番人気, over runners whose own record was found
    std::vector<BetLineRow> betLines;     // the six bet types in order
    std::vector<RateRow> byOwnMark;       // the user's marks: ◎ ○ ▲ △ × ☆ 消 無印, over the races marked
    std::vector<BetLineRow> ownBetLines;  // the bet lines of the user's marks, over the races marked
    bool aborted = false;                 // the run was stopped before every day was read
};

}  // namespace zv::report
