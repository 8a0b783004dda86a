// The report card's own-mark rows over a season marked by a script.
#include <gtest/gtest.h>

#include <algorithm>

#include "demo/demo_season.h"
#include "library/day_input.h"
#include "library/library_report.h"
#include "library/own_marks.h"
#include "library/sqlite_db.h"
#include "support/temp_folder.h"

namespace zv::library {
namespace {

namespace fs = std::filesystem;

void expectSameRows(const std::vector<report::RateRow>& own, const std::vector<report::RateRow>& program,
                    size_t ownFrom, size_t programFrom, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const report::RateRow& a = own.at(ownFrom + i);
        const report::RateRow& b = program.at(programFrom + i);
        EXPECT_EQ(a.runners, b.runners) << a.label;
        EXPECT_EQ(a.win.base, b.win.base) << a.label;
        EXPECT_EQ(a.win.count, b.win.count) << a.label;
        EXPECT_EQ(a.top3.base, b.top3.base) << a.label;
        EXPECT_EQ(a.top3.count, b.top3.count) << a.label;
    }
}

class OwnMarksReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        demo::writeSeason(root.path() / "season", 10, 5);
        Library library(data(), OpenMode::Create);
        for (const fs::path& day : fs::directory_iterator(root.path() / "season")) {
            RaceDataStore store;
            ASSERT_TRUE(loadDataSet(store, day));
            library.addDay(store, day.string());
        }
    }
    fs::path data() const { return root.path() / "data"; }
    // Every rated race of the first `days` days with the program's picks.
    struct Picked {
        RaceKey race;
        std::array<int, kMarks> picks;
        int runners;
    };
    std::vector<Picked> programPicks(const Library& library, int days) const {
        Statement races = library.database().prepare(
            "SELECT date, racecourse_code, race_number, marks, runners FROM races WHERE unrated = '' AND date IN "
            "(SELECT date FROM days ORDER BY date LIMIT ?1)");
        races.bind(1, days);
        std::vector<Picked> picked;
        while (races.step()) {
            Picked p{{int(races.integer(0)), int(races.integer(1)), int(races.integer(2))}, {}, int(races.integer(4))};
            const std::string marks = races.text(3);
            for (size_t m = 0; m < kMarks; ++m) p.picks[m] = std::stoi(marks.substr(2 * m, 2));
            picked.push_back(p);
        }
        return picked;
    }
    fixture::TempFolder root;
};

TEST_F(OwnMarksReportTest, OwnMarksCopyingTheProgramsCountAsTheProgramsAndRuledOutAsUnmarked) {
    Library library(data(), OpenMode::Existing);
    const std::vector<Picked> races = programPicks(library, 10);
    ASSERT_GT(races.size(), 40u);
    // The script: the program's six picks as own marks, every other runner 消.
    OwnMarks marks(library);
    for (const Picked& race : races) {
        Statement names = library.database().prepare(
            "SELECT e.horse_number, h.name FROM entries e JOIN races r ON r.id = e.race JOIN horses h ON h.id = "
            "e.horse WHERE r.date = ?1 AND r.racecourse_code = ?2 AND r.race_number = ?3");
        names.bind(1, race.race.date).bind(2, race.race.racecourseCode).bind(3, race.race.raceNumber);
        while (names.step()) {
            const int number = int(names.integer(0));
            const auto pick = std::find(race.picks.begin(), race.picks.end(), number);
            const int mark = pick == race.picks.end() ? kRuledOut : int(pick - race.picks.begin());
            marks.set(race.race, number, names.text(1), mark);
        }
    }
    const report::ReportCard card = libraryReport(library);
    EXPECT_EQ(card.coverage.racesWithOwnMarks, static_cast<int>(races.size()));
    EXPECT_EQ(card.coverage.racesWithOwnMarks, card.coverage.races);
    ASSERT_EQ(card.byOwnMark.size(), 8u);
    EXPECT_EQ(card.byOwnMark[6].label, "消");
    EXPECT_EQ(card.byOwnMark[7].label, "無印");
    expectSameRows(card.byOwnMark, card.byMark, 0, 0, 6);
    expectSameRows(card.byOwnMark, card.byMark, 6, 6, 1);  // 消 where the program gave no mark
    EXPECT_EQ(card.byOwnMark[7].runners, 0);
    ASSERT_EQ(card.ownBetLines.size(), card.betLines.size());
    for (size_t t = 0; t < card.betLines.size(); ++t) {
        EXPECT_EQ(card.ownBetLines[t].races, card.betLines[t].races) << card.betLines[t].type;
        EXPECT_EQ(card.ownBetLines[t].hits, card.betLines[t].hits) << card.betLines[t].type;
        EXPECT_EQ(card.ownBetLines[t].lines, card.betLines[t].lines) << card.betLines[t].type;
    }
    EXPECT_GT(card.betLines[0].hits, 0) << card.betLines[0].races;
}

TEST_F(OwnMarksReportTest, OnlyTheRacesMarkedCountAndAFlaggedMarkCountsForNothing) {
    Library library(data(), OpenMode::Existing);
    const std::vector<Picked> races = programPicks(library, 1);
    ASSERT_GE(races.size(), 3u);
    OwnMarks marks(library);
    // Race one: ◎ on its first runner under its own name; race two: ◎ under another horse's name.
    marks.set(races[0].race, 1, "", 0);
    const report::ReportCard before = libraryReport(library);
    EXPECT_EQ(before.coverage.racesWithOwnMarks, 0);
    Statement name = library.database().prepare(
        "SELECT h.name FROM entries e JOIN races r ON r.id = e.race JOIN horses h ON h.id = e.horse WHERE r.date = ?1 "
        "AND r.racecourse_code = ?2 AND r.race_number = ?3 AND e.horse_number = 1");
    name.bind(1, races[0].race.date).bind(2, races[0].race.racecourseCode).bind(3, races[0].race.raceNumber);
    ASSERT_TRUE(name.step());
    marks.set(races[0].race, 1, name.text(0), 0);
    marks.set(races[1].race, 1, "ベツノウマ", 0);
    const report::ReportCard card = libraryReport(library);
    EXPECT_EQ(card.coverage.racesWithOwnMarks, 1);
    EXPECT_EQ(card.byOwnMark[0].runners, 1);
    EXPECT_GT(card.byOwnMark[7].runners, 0);
    EXPECT_LE(card.byOwnMark[7].runners, races[0].runners - 1);
    EXPECT_LE(card.ownBetLines[0].races, 1);
    EXPECT_EQ(card.ownBetLines[0].lines, card.ownBetLines[0].races);  // 単勝: the ◎ alone
    EXPECT_EQ(card.ownBetLines[2].races, 0);                          // no pair without ○
}

}  // namespace
}  // namespace zv::library
