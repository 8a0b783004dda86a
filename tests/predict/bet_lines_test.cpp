#include "predict/bet_lines.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/sjis.h"

namespace zv {
namespace {

using Marks = std::array<int, kMarks>;

constexpr Marks kExamplePicks{5, 2, 7, 4, 3, 1};

RaceResult resultWith(const Marks& marks, const std::string& raceNumber) {
    RaceResult result;
    result.raceNumberText = raceNumber;
    result.titleLine2 = "TITLE2";
    result.markedRunners = marks;
    bool trifecta = hasTrifectaLines(raceNumber);
    result.labels = betLabels(marks, trifecta);
    result.betKeys = computeBetKeys(marks, trifecta);
    return result;
}

int countOfKeys(const std::array<std::string, kBetKeys>& keys) {
    int n = 0;
    for (const std::string& key : keys) n += key != "000000";
    return n;
}

TEST(BetKeys, PutNumbersInAscendingOrPickOrder) {
    auto keys = computeBetKeys({12, 3, 7, 4, 1, 9}, true);
    EXPECT_EQ(keys[0], "120000") << "first 単勝";
    EXPECT_EQ(keys[3], "120000") << "first 複勝";
    EXPECT_EQ(keys[6], "031200") << "first 馬連";
    EXPECT_EQ(keys[18], "120300") << "first 馬単";
    EXPECT_EQ(keys[30], "030712") << "first 3連複";
    EXPECT_EQ(keys[48], "010709") << "last 3連複: ▲×☆";
    EXPECT_EQ(keys[49], "120307") << "first 3連単";
    EXPECT_EQ(keys[84], "070104") << "last 3連単: ▲×△";
}

TEST(BetKeys, CountTheLinesOfEachRace) {
    struct Case {
        const char* what;
        Marks marks;
        bool trifecta;
        int lines;
    };
    const Case cases[] = {
        {"race 8", kExamplePicks, false, 49},
        {"race 9", kExamplePicks, true, 85},
        {"no marks", {}, true, 0},
        {"two picks", {5, 2, 0, 0, 0, 0}, true, 6},
        {"no ☆", {5, 2, 7, 4, 3, 0}, true, 3 + 3 + 9 + 9 + 10 + 36},
    };
    for (const Case& c : cases) EXPECT_EQ(countOfKeys(computeBetKeys(c.marks, c.trifecta)), c.lines) << c.what;
}

TEST(BetKeys, NeverNameRunnerZero) {
    const Marks partial[] = {{5, 2, 0, 0, 0, 0}, {0, 2, 1, 0, 0, 0}, {5, 2, 7, 4, 0, 0}, {1, 2, 3, 0, 4, 0}};
    for (const Marks& marks : partial) {
        for (const std::string& key : computeBetKeys(marks, true)) {
            if (key == "000000") continue;
            std::string used = key;
            while (used.size() >= 2 && used.ends_with("00")) used.resize(used.size() - 2);
            for (size_t i = 0; i < used.size(); i += 2) EXPECT_NE(used.substr(i, 2), "00") << key;
        }
    }
}

TEST(BetLabels, ListThePicks) {
    struct Case {
        const char* what;
        Marks marks;
        bool trifecta;
        BetLabels labels;
    };
    const Case cases[] = {
        {"race 11",
         kExamplePicks,
         true,
         {" 5, 2, 7", " 5→ 2, 7, 4, 3, 1   2→ 7, 4, 3, 1   7→ 4, 3, 1", " 5, 2, 7", " 5, 2, 7, 4, 3",
          " 5, 2, 7, 4, 3"}},
        {"race 8", kExamplePicks, false, {" 5, 2, 7", " 5→ 2, 7, 4, 3, 1   2→ 7, 4, 3, 1   7→ 4, 3, 1", "", "", ""}},
        {"two-digit numbers",
         {12, 3, 10, 4, 1, 9},
         false,
         {"12, 3,10", "12→ 3,10, 4, 1, 9   3→10, 4, 1, 9  10→ 4, 1, 9", "", "", ""}},
        {"no marks", {}, true, {"", "", "", "", ""}},
        {"two picks", {5, 2, 0, 0, 0, 0}, true, {" 5, 2", " 5→ 2", "", "", ""}},
        {"no ◎", {0, 2, 1, 0, 0, 0}, true, {" 2, 1", " 2→ 1", "", "", ""}},
        {"no △",
         {5, 2, 7, 0, 3, 1},
         true,
         {" 5, 2, 7", " 5→ 2, 7, 3, 1   2→ 7, 3, 1   7→ 3, 1", " 5, 2, 7", " 5, 2, 7, 3", " 5, 2, 7, 3"}},
    };
    for (const Case& c : cases) {
        BetLabels labels = betLabels(c.marks, c.trifecta);
        EXPECT_EQ(toUtf8(labels.winPlace), c.labels.winPlace) << c.what;
        EXPECT_EQ(toUtf8(labels.pairs), c.labels.pairs) << c.what;
        EXPECT_EQ(toUtf8(labels.trifectaFirst), c.labels.trifectaFirst) << c.what;
        EXPECT_EQ(toUtf8(labels.trifectaSecond), c.labels.trifectaSecond) << c.what;
        EXPECT_EQ(toUtf8(labels.trifectaThird), c.labels.trifectaThird) << c.what;
    }
}

const char* const kRace8Text =
    "[単勝] 計3点\r\n"
    " 5   2   7\r\n"
    "\r\n"
    "[複勝] 計3点\r\n"
    " 5   2   7\r\n"
    "\r\n"
    "[馬連] 計12点\r\n"
    " 2- 5   5- 7   4- 5   3- 5   1- 5   2- 7\r\n"
    " 2- 4   2- 3   1- 2   4- 7   3- 7   1- 7\r\n"
    "\r\n"
    "[馬単] 計12点\r\n"
    " 5- 2   5- 7   5- 4   5- 3   5- 1   2- 7\r\n"
    " 2- 4   2- 3   2- 1   7- 4   7- 3   7- 1\r\n"
    "\r\n"
    "[3連複] 計19点\r\n"
    " 2- 5- 7   2- 4- 5   2- 3- 5   1- 2- 5   4- 5- 7   3- 5- 7\r\n"
    " 1- 5- 7   3- 4- 5   1- 4- 5   1- 3- 5   2- 4- 7   2- 3- 7\r\n"
    " 1- 2- 7   2- 3- 4   1- 2- 4   1- 2- 3   3- 4- 7   1- 4- 7\r\n"
    " 1- 3- 7";

TEST(BetWindow, WritesEveryBlockOfARaceBeforeNine) {
    BetWindowText window = betWindowText(resultWith(kExamplePicks, "08"));
    EXPECT_EQ(window.status, "TITLE2");
    EXPECT_EQ(toUtf8(betWindowFileText(window)), kRace8Text);
}

TEST(BetWindow, AddsTheTrifectaBlockFromRaceNine) {
    std::string text = toUtf8(betWindowFileText(betWindowText(resultWith(kExamplePicks, "09"))));
    std::string trifecta =
        "\r\n"
        "\r\n"
        "[3連単] 計36点\r\n"
        " 5- 2- 7   5- 2- 4   5- 2- 3   5- 7- 2   5- 7- 4   5- 7- 3\r\n"
        " 5- 4- 2   5- 4- 7   5- 4- 3   5- 3- 2   5- 3- 7   5- 3- 4\r\n"
        " 2- 5- 7   2- 5- 4   2- 5- 3   2- 7- 5   2- 7- 4   2- 7- 3\r\n"
        " 2- 4- 5   2- 4- 7   2- 4- 3   2- 3- 5   2- 3- 7   2- 3- 4\r\n"
        " 7- 5- 2   7- 5- 4   7- 5- 3   7- 2- 5   7- 2- 4   7- 2- 3\r\n"
        " 7- 4- 5   7- 4- 2   7- 4- 3   7- 3- 5   7- 3- 2   7- 3- 4";
    EXPECT_EQ(text, std::string(kRace8Text) + trifecta);
}

TEST(BetWindow, SaysSoWhenThereAreNoLines) {
    BetWindowText window = betWindowText(resultWith({}, "11"));
    ASSERT_EQ(window.entries.size(), 1u);
    EXPECT_EQ(toUtf8(betWindowFileText(window)), "このレースの買い目はありません");
}

TEST(BetWindow, CountsOnlyTheLinesThatRemain) {
    std::string text = toUtf8(betWindowFileText(betWindowText(resultWith({0, 2, 1, 0, 0, 0}, "11"))));
    EXPECT_EQ(text,
              "[単勝] 計2点\r\n 2   1\r\n\r\n"
              "[複勝] 計2点\r\n 2   1\r\n\r\n"
              "[馬連] 計1点\r\n 1- 2\r\n\r\n"
              "[馬単] 計1点\r\n 2- 1\r\n");
}

TEST(TrifectaTest, ReadsTheRaceNumberStrictly) {
    EXPECT_FALSE(hasTrifectaLines("08"));
    EXPECT_TRUE(hasTrifectaLines("09"));
    EXPECT_TRUE(hasTrifectaLines("12"));
    EXPECT_THROW(hasTrifectaLines("1R"), Error);
}

}  // namespace
}  // namespace zv
