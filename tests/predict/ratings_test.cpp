#include "predict/ratings.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

// One valid past race per runner, with the given early times.
PastColumns fieldWithTimes(const std::vector<int>& times) {
    PastColumns pastColumns(times.size());
    for (size_t n = 0; n < times.size(); ++n) {
        pastColumns[n].pastValid[0] = true;
        pastColumns[n].pastF3F[0] = times[n];
    }
    return pastColumns;
}

TEST(RankF3FTable, FollowsTheWorkedExamples) {
    struct Case {
        const char* what;
        std::vector<int> times;
        std::vector<int> keptTimes;
        std::vector<int> tr;
    };
    const Case cases[] = {
        {"close field, one cut", {345, 340, 351, 342, 342}, {340, 342, 342, 345}, {10, 9, 9, 7}},
        {"outlier", {348, 350, 340, 348}, {340, 348, 348, 350}, {10, 10, 10, 8}},
        {"twelve distinct, the zero dropped",
         {351, 350, 349, 348, 347, 346, 345, 344, 343, 342, 341, 340},
         {340, 341, 342, 343, 344, 345, 346, 347, 348, 349},
         {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        {"alone", {355}, {355}, {10}},
        {"shared fastest", {340, 340, 342}, {340, 340, 342}, {10, 10, 8}},
        {"exactly 1.0 s behind stays", {340, 341, 350}, {340, 341, 350}, {10, 9, 8}},
        {"1.1 s behind is cut", {340, 345, 351}, {340, 345}, {10, 9}},
        {"gap of 6 is no outlier", {340, 346, 351}, {340, 346}, {10, 9}},
        {"gap of 7 is an outlier", {340, 347, 357, 358}, {340, 347, 357}, {10, 10, 9}},
    };
    for (const Case& c : cases) {
        std::vector<F3FRow> rows = rankF3FTable(buildF3FTable(fieldWithTimes(c.times)));
        std::vector<int> kept, tr;
        for (const F3FRow& r : rows) {
            kept.push_back(r.f3f);
            tr.push_back(r.tr);
        }
        EXPECT_EQ(kept, c.keptTimes) << c.what;
        EXPECT_EQ(tr, c.tr) << c.what;
    }
}

TEST(AssignTR, TakesTheBestRaceAndAddsThePoints) {
    PastColumns pastColumns(3);
    // Runner 1: races at 34.0 and 34.5; runner 2: 34.2 plus 2 PR; runner 3: valid but cut, keeps its PR.
    pastColumns[0].pastValid = {true, true, false};
    pastColumns[0].pastF3F = {345, 340, 0};
    pastColumns[1].pastValid = {true, false, false};
    pastColumns[1].pastF3F = {342, 330, 0};
    pastColumns[1].PR = 2;
    pastColumns[2].pastValid = {false, true, false};
    pastColumns[2].pastF3F = {0, 360, 0};
    pastColumns[2].PR = 3;
    std::vector<F3FRow> built = assignTR(pastColumns);

    ASSERT_EQ(built.size(), 4u) << "the table as built holds every valid race";
    EXPECT_EQ(built[0].runner, 1);
    EXPECT_EQ(built[1].k, 1);
    EXPECT_EQ(pastColumns[0].pastTR, (std::array<int32_t, 3>{8, 10, 0}));
    EXPECT_EQ(pastColumns[0].TR, 10);
    EXPECT_EQ(pastColumns[0].combined, 10);
    EXPECT_EQ(pastColumns[1].pastTR, (std::array<int32_t, 3>{9, 0, 0})) << "an invalid race earns nothing";
    EXPECT_EQ(pastColumns[1].combined, 11);
    EXPECT_EQ(pastColumns[2].TR, 0);
    EXPECT_EQ(pastColumns[2].combined, 3);
}

TEST(AssignTR, LeavesAFieldWithoutValidRacesAtZero) {
    PastColumns pastColumns(2);
    pastColumns[1].PR = 0;
    EXPECT_TRUE(assignTR(pastColumns).empty());
    for (const PastColumn& b : pastColumns) EXPECT_EQ(b.combined, 0);
}

TEST(IndexValue, ScalesCombinedToAHundred) {
    const char* expected[20] = {"0.0",  "5.3",  "10.6", "15.8", "21.1", "26.4", "31.6", "36.9", "42.2", "47.4",
                                "52.7", "57.9", "63.2", "68.5", "73.7", "79.0", "84.3", "89.5", "94.8", "100.0"};
    for (int combined = 0; combined < 20; ++combined) EXPECT_EQ(indexText(combined), expected[combined]) << combined;
}

}  // namespace
}  // namespace zv
