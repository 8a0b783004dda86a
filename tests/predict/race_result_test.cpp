#include "predict/compute_race.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/sjis.h"
#include "predict/cell_markup.h"
#include "predict/grid_sort.h"
#include "predict/horse_note_cells.h"
#include "predict/own_mark_cells.h"
#include "support/engine_fixture.h"

namespace zv {
namespace {

using fixture::Entry;
using fixture::PastRace;

PastRace past(const char* date, const char* first3f, const char* corner4, const char* surface = "turf") {
    PastRace p;
    p.date = date;
    p.first3f = first3f;
    p.corners[3] = corner4;
    p.surface = surface;
    return p;
}

Entry entry(const char* frame, const char* name, const char* rate, std::vector<PastRace> races) {
    Entry e;
    e.frame = frame;
    e.name = name;
    e.rate = rate;
    e.past = std::move(races);
    return e;
}

// Four runners on 2010/05/09. Valid times 34.0 (1), 35.5 (2), 34.2 and 34.5 (3), 36.0 (4): the
// table keeps 34.0, 34.2, 34.5 (TR 10, 9, 8). Runner 4 last ran thirteen months ago.
fixture::Race fourRunners() {
    fixture::Race race;
    race.date = "2010/05/09";
    race.entries = {
        entry("1", "FIRST", "045", {past("20100418", "340", "01"), past("20100301", "350", "01", "dirt")}),
        entry("2", "SECOND", "300", {past("20100418", "355", "02")}),
        entry("3", "THIRD", "500", {past("20100410", "342", "05"), past("20090301", "345", "03")}),
        entry("4", "FOURTH", "600", {past("20090401", "360", "04")}),
    };
    return race;
}

// Two runners without rates: no marks.
fixture::Race withoutRates() {
    fixture::Race race;
    race.raceNumber = "08";
    race.entries = {entry("5", "A", "000", {past("20100418", "340", "01")}),
                    entry("6", "B", "000", {past("20100418", "345", "02")})};
    return race;
}

class RaceResultTest : public ::testing::Test {
protected:
    RaceDataStore store = fixture::storeOf({fourRunners(), withoutRates()});
    RaceResult compute(int race, int sortColumn = 1) { return computeRace(store, race, sortColumn, fixture::kNow); }
    static std::string text(const RaceResult& r, int runner, int column) {
        return toUtf8(cellMarkup(r.cells[runner][column].text));
    }
};

TEST_F(RaceResultTest, ComputesTheHeader) {
    RaceResult r = compute(0);
    EXPECT_EQ(r.runnerCount, 4);
    EXPECT_EQ(r.titleLine1, "TITLE1 R11");
    EXPECT_EQ(toUtf8(r.f3fAverage.text), "前半3Fタイム平均：34.84");
    EXPECT_TRUE(r.f3fAverage.shown);
    EXPECT_EQ(toUtf8(r.prAverage.text), "PR平均：1.50");
    EXPECT_TRUE(r.prAverage.shown);
    EXPECT_TRUE(r.pace.shown);
    EXPECT_EQ(r.paceText, "M");
    EXPECT_EQ(r.paceImage, kPaceImageM);
    // Runner 4 is laid off, so only three picks remain.
    EXPECT_EQ(r.markedRunners, (std::array<int, kMarks>{1, 3, 2, 0, 0, 0}));
    EXPECT_EQ(toUtf8(r.labels.winPlace), " 1, 3, 2");
    EXPECT_EQ(toUtf8(r.labels.pairs), " 1→ 3, 2   3→ 2");
    EXPECT_EQ(toUtf8(r.labels.trifectaSecond), " 1, 3, 2");
    EXPECT_EQ(r.betKeys[0], "010000");
    EXPECT_EQ(r.betKeys[6],
              "0103"
              "00");
    EXPECT_TRUE(r.hasBetLines());
}

TEST_F(RaceResultTest, FillsTheRatings) {
    RaceResult r = compute(0);
    struct Expect {
        int TR, PR, combined;
    };
    const Expect expected[] = {{10, 3, 13}, {0, 2, 2}, {9, 1, 10}, {0, 0, 0}};
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(r.pastColumns[n].TR, expected[n].TR) << n;
        EXPECT_EQ(r.pastColumns[n].PR, expected[n].PR) << n;
        EXPECT_EQ(r.pastColumns[n].combined, expected[n].combined) << n;
    }
    EXPECT_EQ(r.pastColumns[0].rate, 45);
    EXPECT_EQ(r.pastColumns[0].name, "FIRST");
    EXPECT_EQ(toUtf8(r.sexAgeCoat[0]), "牡4   鹿毛  ");
    ASSERT_EQ(r.ranking.size(), 4u);
    EXPECT_EQ(r.ranking[2].runner, 3);
    EXPECT_EQ(r.ranking[2].both, 1);
}

TEST_F(RaceResultTest, WritesTheCellTexts) {
    RaceResult r = compute(0);
    struct Case {
        int row, column;
        std::string text;
    };
    const Case cases[] = {
        {0, kColName, "馬　名"},
        {0, kColPast1, "1走前"},
        {0, kColMark, "印"},
        {0, kColOwnMark, "自印"},
        {1, kColFrame, "<BR><P ALIGN=\"center\">1</P>"},
        {1, kColRunner, "<BR><P ALIGN=\"center\">1</P>"},
        {1, kColName,
         "<font size=\"8\">牡4歳</font><BR><A HREF=\"1\">FIRST</A><BR><P ALIGN=\"right\">"
         "<font size=\"8\">4.5</font></P>"},
        {1, kColJockey, "<font size=\"8\">57.0k</font><BR>JOCKEY"},
        {1, kColPast1, "東04.18 500万下<BR>芝16 34.0 　　②①<BR><B> 1着</B> [<B>TR:10</B> <B>PR:3</B>]"},
        {1, kColPast2, "東03.01 500万下<BR>ダ16 35.0 　　②①<BR><B> 1着</B> [TR:- PR:-]"},
        {1, kColPast3, ""},
        {2, kColPast1, "東04.18 500万下<BR>芝16 35.5 　　②②<BR><B> 1着</B> [TR:0 <B>PR:2</B>]"},
        {3, kColPast1, "東04.10 500万下<BR>芝16 34.2 　　②⑤<BR><B> 1着</B> [<B>TR:9</B> PR:0]"},
        {4, kColPast1, "東04.01 500万下<BR>芝16 36.0 　　②④<BR><B> 1着</B> [TR:0 PR:0]"},
        {1, kColTR, "<BR><P ALIGN=\"right\">10</P>"},
        {1, kColPR, "<BR><P ALIGN=\"right\">3</P>"},
        {2, kColIndex, "<BR><P ALIGN=\"right\">10.6<BR>(2)</P>"},
        {3, kColIndex, "<BR><P ALIGN=\"right\"><B>52.7</B><BR>(10)</P>"},
        {1, kColMark, "<BR><P ALIGN=\"center\">◎</P>"},
        {3, kColMark, "<BR><P ALIGN=\"center\">○</P>"},
        {2, kColMark, "<BR><P ALIGN=\"center\">▲</P>"},
        {4, kColMark, ""},
        {1, kColOwnMark, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(text(r, c.row, c.column), c.text) << c.row << "/" << c.column;
}

TEST_F(RaceResultTest, ColoursTheCells) {
    RaceResult r = compute(0);
    struct Case {
        int row, column;
        CellColour fg, bg;
    };
    const Case cases[] = {
        {0, kColFrame, std::nullopt, std::nullopt}, {1, kColFrame, 0x000000, 0xFFFFFF},
        {2, kColFrame, 0xFFFFFF, 0x000000},         {3, kColFrame, 0xFFFFFF, 0xFF0000},
        {4, kColFrame, 0xFFFFFF, 0x0000FF},         {1, kColName, 0x000000, 0xFFFFFF},
        {1, kColMark, 0x000000, 0xFFFFFF},          {1, kColPast1, std::nullopt, 0xFFCCFF},
        {1, kColPast2, std::nullopt, 0xDDDDDD},     {1, kColPast3, std::nullopt, 0xDDDDDD},
        {2, kColPast1, std::nullopt, 0xFFCC99},     {3, kColPast1, std::nullopt, 0xCCFFFF},
        {4, kColPast1, std::nullopt, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(r.cells[c.row][c.column].fg, c.fg) << c.row << "/" << c.column;
        EXPECT_EQ(r.cells[c.row][c.column].bg, c.bg) << c.row << "/" << c.column;
    }
}

TEST_F(RaceResultTest, ShowsOwnMarksInTheirColumnAndReplacesThemWhole) {
    RaceResult r = compute(0);
    showOwnMarks(r, {{0, -1, 6, 1}, {false, false, false, true}, {1, 0, 0, 0, 0, 0}});
    struct Case {
        int row;
        std::string text;
        CellColour fg;
    };
    const Case cases[] = {
        {1, "<BR><P ALIGN=\"center\">◎</P>", 0x000000},
        {2, "", 0x000000},
        {3, "<BR><P ALIGN=\"center\">消</P>", 0x000000},
        {4, "<BR><P ALIGN=\"center\">○</P>", 0x999999},  // set on another horse's name: greyed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(r, c.row, kColOwnMark), c.text) << c.row;
        EXPECT_EQ(r.cells[c.row][kColOwnMark].fg, c.fg) << c.row;
        EXPECT_EQ(r.cells[c.row][kColOwnMark].bg, CellColour(0xFFFFFF)) << c.row;
    }
    EXPECT_EQ(r.ownMarks.picks[0], 1);
    EXPECT_EQ(text(r, 1, kColMark), "<BR><P ALIGN=\"center\">◎</P>") << "the program's mark stays";

    showOwnMarks(r, {{-1, 2}, {}, {}});
    EXPECT_EQ(text(r, 1, kColOwnMark), "");
    EXPECT_EQ(text(r, 2, kColOwnMark), "<BR><P ALIGN=\"center\">▲</P>");
    EXPECT_EQ(text(r, 3, kColOwnMark), "") << "runners beyond the marks given show none";
    EXPECT_EQ(r.cells[4][kColOwnMark].fg, CellColour(0x000000));
}

TEST_F(RaceResultTest, SignsTheNamesOfHorsesWithANoteAndTakesTheSignsOffAgain) {
    RaceResult r = compute(0);
    const std::string unsigned1 = text(r, 1, kColName);
    const std::string unsigned2 = text(r, 2, kColName);
    const auto signs = [](const std::string& cell) {
        int count = 0;
        for (size_t at = cell.find("※"); at != std::string::npos; at = cell.find("※", at + 1)) ++count;
        return count;
    };
    showHorseNotes(r, {true, false});
    const std::string signed1 = text(r, 1, kColName);
    EXPECT_EQ(signs(signed1), 1);
    EXPECT_LT(signed1.find("※"), signed1.find("<BR>")) << "after the sex and age, on the first line";
    EXPECT_NE(signed1.find("<A HREF=\"1\">"), std::string::npos) << "the name stays a link";
    EXPECT_EQ(text(r, 2, kColName), unsigned2);
    EXPECT_EQ(r.noted, (std::vector<bool>{true, false}));

    showHorseNotes(r, {false, true, true, true});
    showHorseNotes(r, {false, true});
    EXPECT_EQ(text(r, 1, kColName), unsigned1);
    EXPECT_EQ(signs(text(r, 2, kColName)), 1) << "a sign shown before is replaced, never doubled";
    EXPECT_EQ(signs(text(r, 3, kColName)), 0) << "runners beyond the flags given show none";
}

TEST_F(RaceResultTest, MarksLongLayoffsWithARightBorder) {
    RaceResult r = compute(0);
    EXPECT_TRUE(r.cells[4][kColPast1].rightBorder) << "thirteen months before the race";
    EXPECT_TRUE(r.cells[3][kColPast2].rightBorder) << "thirteen months between its two races";
    EXPECT_FALSE(r.cells[3][kColPast1].rightBorder);
    EXPECT_FALSE(r.cells[1][kColPast1].rightBorder);
    EXPECT_FALSE(r.cells[1][kColPast3].rightBorder) << "a missing race is dated today";
}

TEST_F(RaceResultTest, SortsTheRowsOnTheRememberedColumn) {
    struct Case {
        int column;
        std::vector<int> rows;
        GridSort sort;
    };
    const Case cases[] = {
        {kColRunner, {1, 2, 3, 4}, {kColRunner, true}}, {kColName, {4, 3, 2, 1}, {kColName, false}},
        {kColTR, {1, 3, 2, 4}, {kColTR, false}},        {kColPR, {1, 2, 3, 4}, {kColPR, false}},
        {kColIndex, {1, 3, 2, 4}, {kColIndex, false}},  {kColMark, {1, 3, 2, 4}, {kColMark, false}},
        {kColJockey, {1, 2, 3, 4}, {kColRunner, true}},
    };
    for (const Case& c : cases) {
        RaceResult r = compute(0, c.column);
        EXPECT_EQ(r.rowOrder, c.rows) << c.column;
        EXPECT_EQ(r.sort.column, c.sort.column) << c.column;
        EXPECT_EQ(r.sort.ascending, c.sort.ascending) << c.column;
    }
}

TEST_F(RaceResultTest, HeaderClicksSortFromThePreviousOrder) {
    RaceResult r = compute(0);
    EXPECT_FALSE(clickGridHeader(r, kColJockey));
    EXPECT_TRUE(clickGridHeader(r, kColName));
    EXPECT_EQ(r.rowOrder, (std::vector<int>{4, 3, 2, 1}));
    // TR ties (runners 2 and 4 at 0) keep the rate order.
    EXPECT_TRUE(clickGridHeader(r, kColTR));
    EXPECT_EQ(r.rowOrder, (std::vector<int>{1, 3, 4, 2}));
    EXPECT_EQ(r.sort.column, kColTR);
    EXPECT_TRUE(clickGridHeader(r, kColTR));
    EXPECT_EQ(r.rowOrder, (std::vector<int>{1, 2, 3, 4})) << "the second click returns to runner order";
    EXPECT_EQ(r.sort.column, kColRunner);
    EXPECT_TRUE(r.sort.ascending);
}

TEST_F(RaceResultTest, MarkSortKeepsTheOtherRowsInPlace) {
    RaceResult r = compute(0, kColName);
    EXPECT_TRUE(clickGridHeader(r, kColMark));
    EXPECT_EQ(r.rowOrder, (std::vector<int>{1, 3, 2, 4}));
    RaceResult none = compute(1, kColIndex);
    std::vector<int> before = none.rowOrder;
    EXPECT_TRUE(clickGridHeader(none, kColMark));
    EXPECT_EQ(none.rowOrder, before) << "a race without marks keeps its rows";
}

TEST_F(RaceResultTest, RaceWithoutRatesHasNoMarksOrLines) {
    RaceResult r = compute(1);
    EXPECT_EQ(r.markedRunners, (std::array<int, kMarks>{}));
    EXPECT_FALSE(r.hasBetLines());
    for (const std::string& key : r.betKeys) EXPECT_EQ(key, "000000");
    EXPECT_EQ(r.labels.winPlace, "");
    EXPECT_TRUE(r.cells[1][kColMark].text.empty());
    EXPECT_EQ(r.cells[1][kColFrame].fg, 0x000000) << "bracket 5 is black on yellow";
    EXPECT_EQ(r.cells[1][kColFrame].bg, 0xFFFF00);
}

TEST_F(RaceResultTest, StopsOnAnUnreadableNumber) {
    struct Case {
        const char* what;
        void (*spoil)(RaceDataStore&);
    };
    const Case cases[] = {
        {"weight",
         [](RaceDataStore& s) { s.runnerLines.replace(1, std::string(s.runnerLines[1]).replace(148, 3, "5x0")); }},
        {"race number with marks", [](RaceDataStore& s) { s.headers[0].raceNumberText = "1R"; }},
    };
    for (const Case& c : cases) {
        RaceDataStore spoilt = store;
        c.spoil(spoilt);
        EXPECT_THROW(computeRace(spoilt, 0, 1, fixture::kNow), Error) << c.what;
    }
}

TEST_F(RaceResultTest, RejectsARaceTheStoreDoesNotHold) {
    for (int race : {-1, 2}) EXPECT_THROW(compute(race), Error) << race;
}

TEST_F(RaceResultTest, RejectsAStoreWithTooFewRunnerLines) {
    store.horseLines.pop_back();
    EXPECT_THROW(compute(1), Error);
}

}  // namespace
}  // namespace zv
