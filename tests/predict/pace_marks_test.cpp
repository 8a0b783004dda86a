#include "predict/pace_marks.h"

#include <gtest/gtest.h>

#include "data/sjis.h"

namespace zv {
namespace {

constexpr LocalDateTime kRaceDay{2010, 5, 2, 0};

struct Runner {
    int rate, PR, TR;
    LocalDateTime lastRace = {2010, 4, 4, 0};
};

PastColumns fieldOf(const std::vector<Runner>& runners) {
    PastColumns pastColumns(runners.size());
    for (size_t n = 0; n < runners.size(); ++n) {
        PastColumn& b = pastColumns[n];
        b.rate = runners[n].rate;
        b.PR = runners[n].PR;
        b.TR = runners[n].TR;
        b.combined = b.TR + b.PR;
        b.dates[0] = kRaceDay;
        b.dates[1] = runners[n].lastRace;
    }
    return pastColumns;
}

// The worked example's eight runners (runner n at index n - 1).
PastColumns workedExample() {
    return fieldOf({{80, 0, 8}, {71, 3, 9}, {90, 0, 0}, {40, 1, 5}, {60, 5, 10}, {30, 0, 0}, {55, 2, 9}, {62, 0, 0}});
}

constexpr int64_t kPaceM = 150;
constexpr int64_t kPaceH = 250;

using Marks = std::array<int, 6>;

TEST(PickMarks, FollowsTheWorkedExample) { EXPECT_EQ(pickMarks(workedExample(), kPaceM), (Marks{5, 2, 7, 4, 3, 1})); }

TEST(PickMarks, AtPaceHPrefersTheRunnersJustBelowTheTop) {
    // Rows 1 to 3 are rated 10 or more: ◎ row 3, ○ row 2, ▲ row 1; the rest as at pace M.
    EXPECT_EQ(pickMarks(workedExample(), kPaceH), (Marks{7, 2, 5, 4, 3, 1}));
}

TEST(PickMarks, AtPaceHCountsTheRunnersRatedTenOrMore) {
    struct Case {
        const char* what;
        std::vector<Runner> runners;
        Marks marks;
    };
    const Case cases[] = {
        {"two at 10 or more: E is 3",
         {{50, 3, 10}, {50, 2, 10}, {50, 1, 5}, {40, 1, 4}, {70, 0, 0}, {60, 0, 0}},
         {3, 2, 1, 4, 5, 6}},
        {"five at 10 or more",
         {{50, 3, 10}, {50, 2, 10}, {50, 1, 10}, {50, 0, 10}, {50, 1, 9}, {90, 0, 0}, {80, 0, 0}, {10, 1, 3}},
         {4, 5, 3, 8, 6, 7}},
    };
    for (const Case& c : cases) EXPECT_EQ(pickMarks(fieldOf(c.runners), kPaceH), c.marks) << c.what;
}

TEST(PickMarks, TakesTheHighestRatesWhenNoRunnerHasBothRatings) {
    // After ◎ ○ ▲ nobody has both TR and PR: △ × ☆ are the three highest rates.
    PastColumns pastColumns =
        fieldOf({{10, 0, 10}, {20, 0, 9}, {30, 0, 8}, {40, 0, 7}, {90, 3, 0}, {60, 0, 0}, {60, 0, 1}});
    EXPECT_EQ(pickMarks(pastColumns, kPaceM), (Marks{1, 2, 3, 5, 6, 7}));
}

TEST(PickMarks, StopsLookingForBothRatingsAtTheFirstUnratedRow) {
    PastColumns pastColumns = fieldOf({{10, 3, 10}, {20, 3, 9}, {30, 3, 8}, {40, 0, 0}, {50, 0, 0}, {60, 0, 0}});
    EXPECT_EQ(pickMarks(pastColumns, kPaceM), (Marks{1, 2, 3, 6, 5, 4}));
}

TEST(PickMarks, BreaksFullTiesByRunnerNumber) {
    PastColumns pastColumns =
        fieldOf({{50, 1, 9}, {50, 1, 9}, {50, 1, 9}, {50, 1, 9}, {50, 1, 9}, {50, 1, 9}, {50, 1, 9}});
    EXPECT_EQ(pickMarks(pastColumns, kPaceM), (Marks{1, 2, 3, 4, 5, 6}));
}

TEST(PickMarks, LeavesOutRunnersBackFromALongLayoff) {
    struct Case {
        const char* what;
        LocalDateTime lastRace;
        int top;
    };
    const Case cases[] = {
        {"exactly eleven months stays", {2009, 6, 2, 0}, 1},
        {"a day more is out", {2009, 6, 1, 0}, 2},
        {"no past race (today) stays", {2026, 12, 10, 43200}, 1},
    };
    for (const Case& c : cases) {
        std::vector<Runner> runners = {{90, 3, 10}, {80, 2, 9}, {70, 1, 8}, {60, 1, 7},
                                       {50, 1, 6},  {40, 1, 5}, {30, 1, 4}};
        runners[0].lastRace = c.lastRace;
        EXPECT_EQ(pickMarks(fieldOf(runners), kPaceM)[0], c.top) << c.what;
    }
}

TEST(PickMarks, ClampsTheLayoffToTheEndOfAShorterMonth) {
    // 31 March 2009 + 11 months = 28 February 2010, which is not before 28 February.
    PastColumns pastColumns = fieldOf({{90, 3, 10}, {80, 2, 9}, {70, 1, 8}});
    for (PastColumn& b : pastColumns) b.dates[0] = {2010, 2, 28, 0};
    pastColumns[0].dates[1] = {2009, 3, 31, 0};
    EXPECT_EQ(pickMarks(pastColumns, kPaceM)[0], 1);
    pastColumns[0].dates[0] = {2010, 3, 1, 0};
    EXPECT_EQ(pickMarks(pastColumns, kPaceM)[0], 2);
}

TEST(PickMarks, GivesNoMarksWithoutRatesOrPRAverage) {
    PastColumns noRates = fieldOf({{0, 3, 10}, {0, 2, 9}, {0, 1, 8}, {0, 1, 7}, {0, 1, 6}, {0, 1, 5}});
    EXPECT_EQ(pickMarks(noRates, kPaceM), Marks{});
    EXPECT_EQ(pickMarks(workedExample(), 0), Marks{});
}

TEST(PickMarks, YieldsNoPickForARowTheTableDoesNotHave) {
    struct Case {
        const char* what;
        std::vector<Runner> runners;
        int64_t pace;
        Marks marks;
    };
    const Case cases[] = {
        {"five runners", {{50, 3, 10}, {40, 2, 9}, {30, 1, 8}, {20, 1, 7}, {10, 0, 0}}, kPaceM, {1, 2, 3, 4, 5, 0}},
        {"four runners, no one with both",
         {{50, 3, 10}, {40, 2, 9}, {30, 1, 8}, {20, 0, 0}},
         kPaceM,
         {1, 2, 3, 4, 0, 0}},
        {"two runners", {{50, 3, 10}, {40, 2, 9}}, kPaceM, {1, 2, 0, 0, 0, 0}},
        {"two runners at pace H", {{50, 3, 10}, {40, 2, 9}}, kPaceH, {0, 2, 1, 0, 0, 0}},
        {"every runner laid off",
         {{50, 3, 10, {2000, 1, 1, 0}}, {40, 2, 9, {2000, 1, 1, 0}}},
         kPaceM,
         {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(pickMarks(fieldOf(c.runners), c.pace), c.marks) << c.what;
}

TEST(EstimatePace, SetsTheAveragesAndThePace) {
    struct Case {
        const char* what;
        std::vector<int> prs;
        const char* prText;
        bool shown;
        const char* pace;
        int image;
    };
    const Case cases[] = {
        {"no points", {0, 0, 0}, "PR平均：", false, "", 3},
        {"one point in eight", {1, 0, 0, 0, 0, 0, 0, 0}, "PR平均：0.13", true, "S", 0},
        {"two thirds", {2, 0, 0}, "PR平均：0.67", true, "S", 0},
        {"one", {1, 1, 1}, "PR平均：1.00", true, "M", 1},
        {"just below two", {3, 3, 3, 3, 3, 3, 1, 0, 0, 0}, "PR平均：1.90", true, "M", 1},
        {"two", {3, 3, 0}, "PR平均：2.00", true, "H", 2},
    };
    for (const Case& c : cases) {
        PastColumns pastColumns(c.prs.size());
        for (size_t n = 0; n < c.prs.size(); ++n) pastColumns[n].PR = c.prs[n];
        PaceEstimate pace = estimatePace({}, pastColumns);
        EXPECT_EQ(toUtf8(pace.prAverageText), c.prText) << c.what;
        EXPECT_EQ(pace.prAverageShown, c.shown) << c.what;
        EXPECT_EQ(pace.paceText, c.pace) << c.what;
        EXPECT_EQ(pace.paceImage, c.image) << c.what;
    }
}

TEST(EstimatePace, AveragesTheEarlyTimesOfTheTableAsBuilt) {
    struct Case {
        std::vector<int> times;
        const char* text;
        bool shown;
    };
    const Case cases[] = {
        {{}, "前半3Fタイム平均：", false},
        {{345}, "前半3Fタイム平均：34.50", true},
        {{340, 341, 341}, "前半3Fタイム平均：34.07", true},
        {{340, 345}, "前半3Fタイム平均：34.25", true},
        {{0, 0}, "前半3Fタイム平均：", false},
    };
    for (const Case& c : cases) {
        std::vector<F3FRow> table;
        for (int t : c.times) table.push_back({1, 0, t, 0});
        PaceEstimate pace = estimatePace(table, PastColumns(1));
        EXPECT_EQ(toUtf8(pace.f3fAverageText), c.text);
        EXPECT_EQ(pace.f3fAverageShown, c.shown);
    }
}

}  // namespace
}  // namespace zv
