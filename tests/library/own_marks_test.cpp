#include "library/own_marks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/store.h"
#include "demo/demo_day.h"
#include "demo/demo_season.h"
#include "library/horse_notes.h"
#include "library/library_report.h"
#include "library/sqlite_db.h"
#include "report/report_csv.h"
#include "support/temp_folder.h"

namespace zv::library {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kSeed = 3;

class OwnMarksTest : public ::testing::Test {
protected:
    fs::path data() const { return root.path() / "data"; }
    // The demo day, written as it stands or with the first two runners of race 0 swapped (a
    // corrected card: other horses at horse numbers 1 and 2).
    RaceDataStore day(bool corrected = false) const {
        DemoDay demo = makeDemoDay(kSeed);
        if (corrected) {
            std::swap(demo.runnerLines[0], demo.runnerLines[1]);
            std::swap(demo.horseLines[0], demo.horseLines[1]);
        }
        const fs::path folder = root.path() / (corrected ? "corrected" : "day");
        writeDayFiles(folder, demo);
        RaceDataStore store;
        EXPECT_TRUE(loadDataSet(store, folder));
        return store;
    }
    // The first eight runners' marks, "-" for none.
    static std::string firstEight(const OwnMarksOnCard& card) {
        std::string text;
        for (size_t n = 0; n < 8; ++n)
            text += card.marks[n] < 0 ? std::string("-") : std::string(kOwnMarkSymbolsUtf8[size_t(card.marks[n])]);
        return text;
    }
    fixture::TempFolder root;
};

TEST_F(OwnMarksTest, EachOfTheSixMarksStandsOnceInARaceAndRuledOutOnAny) {
    const RaceDataStore store = day();
    ASSERT_GE(store.runnerCount(0), 8);
    struct Step {
        int horse;
        const char* mark;  // "-" clears
        int gaveUp;
        const char* after;  // the first eight runners' marks
    };
    const Step steps[] = {
        {1, "◎", 0, "◎-------"},    {2, "○", 0, "◎○------"},  {3, "◎", 1, "-○◎-----"},    {4, "消", 0, "-○◎消----"},
        {5, "消", 0, "-○◎消消---"}, {4, "○", 2, "--◎○消---"}, {3, "消", 0, "--消○消---"}, {5, "-", 0, "--消○----"},
        {6, "☆", 0, "--消○-☆--"},   {6, "☆", 0, "--消○-☆--"}, {7, "☆", 6, "--消○--☆-"},
    };
    Library library(data(), OpenMode::Create);
    OwnMarks marks(library);
    for (const Step& step : steps) {
        const int mark = std::string_view(step.mark) == "-" ? -1 : *ownMarkOfSymbol(step.mark);
        EXPECT_EQ(marks.setOnCard(store, 0, step.horse, mark), step.gaveUp) << step.horse << step.mark;
        EXPECT_EQ(firstEight(marks.onCard(store, 0)), step.after) << step.horse << step.mark;
    }
    const OwnMarksOnCard card = marks.onCard(store, 0);
    EXPECT_EQ(card.picks, (std::array<int, kMarks>{0, 4, 0, 0, 0, 7}));
    EXPECT_THROW(marks.setOnCard(store, 0, store.runnerCount(0) + 1, 0), Error);
    EXPECT_TRUE(marks.onCard(store, 1).marks == std::vector<int>(size_t(store.runnerCount(1)), -1));
}

TEST_F(OwnMarksTest, MarksStayAcrossARestartRetakingTheDayAndSwitchingDays) {
    const RaceDataStore store = day();
    {
        Library library(data(), OpenMode::Create);
        library.addDay(store, "first");
        OwnMarks(library).setOnCard(store, 2, 3, 0);
        OwnMarks(library).setOnCard(store, 2, 5, kRuledOut);
        OwnMarks(library).set({20260101, 5, 11}, 7, "ホカノウマ", 1);  // another day, not kept
    }
    Library library(data(), OpenMode::Existing);
    EXPECT_EQ(library.addDay(store, "again").outcome, AddOutcome::AlreadyKept);
    const OwnMarks marks(library);
    const OwnMarksOnCard card = marks.onCard(store, 2);
    EXPECT_EQ(card.marks[2], 0);
    EXPECT_EQ(card.marks[4], kRuledOut);
    EXPECT_EQ(card.picks[0], 3);
    const RaceKey key = raceKeyOf(store, 2);
    EXPECT_EQ(marks.ofDay(key.date).size(), 2u);
    EXPECT_EQ(marks.ofDay(0).size(), 3u);
    ASSERT_EQ(marks.ofDay(20260101).size(), 1u);
    EXPECT_EQ(marks.ofDay(20260101)[0].horseName, "ホカノウマ");
}

TEST_F(OwnMarksTest, AMarkOnACorrectedCardIsFlaggedAndNotMoved) {
    const RaceDataStore card = day();
    const RaceDataStore corrected = day(true);
    Library library(data(), OpenMode::Create);
    OwnMarks marks(library);
    marks.setOnCard(card, 0, 1, 0);
    marks.setOnCard(card, 0, 3, 1);
    const OwnMarksOnCard shown = marks.onCard(corrected, 0);
    EXPECT_EQ(shown.marks[0], 0);
    EXPECT_TRUE(shown.nameDiffers[0]);
    EXPECT_EQ(shown.marks[1], -1);
    EXPECT_FALSE(shown.nameDiffers[1]);
    EXPECT_FALSE(shown.nameDiffers[2]);
    // A flagged mark makes no bet line.
    EXPECT_EQ(shown.picks, (std::array<int, kMarks>{0, 3, 0, 0, 0, 0}));
    EXPECT_EQ(marks.ofRace(raceKeyOf(card, 0))[0].horseName, horseNameOf(card, 0, 1));
    // Setting the mark again takes the card's name as it is now.
    marks.setOnCard(corrected, 0, 1, 0);
    EXPECT_FALSE(marks.onCard(corrected, 0).nameDiffers[0]);
    EXPECT_TRUE(marks.onCard(card, 0).nameDiffers[0]);
}

// The first version's tables: past races with the racecourse's name beside its code, entries
// without outcomes, no user rows.
constexpr const char* kFirstPastRaces = R"sql(
CREATE TABLE first_past_races(
  horse INTEGER NOT NULL, date INTEGER NOT NULL, racecourse_code INTEGER NOT NULL, seen INTEGER NOT NULL,
  racecourse TEXT NOT NULL, horse_number INTEGER NOT NULL, finish INTEGER NOT NULL, popularity INTEGER NOT NULL,
  opponent TEXT NOT NULL, race_name TEXT NOT NULL, surface TEXT NOT NULL, distance INTEGER NOT NULL,
  field_size INTEGER NOT NULL, race_time INTEGER NOT NULL, jockey TEXT NOT NULL,
  PRIMARY KEY(horse, date, racecourse_code)
) WITHOUT ROWID;
INSERT INTO first_past_races SELECT horse, date, racecourse_code, seen, '東京', horse_number, finish, popularity,
  opponent, race_name, surface, distance, field_size, race_time, jockey FROM past_races;
DROP TABLE past_races;
ALTER TABLE first_past_races RENAME TO past_races;
DROP TABLE own_marks;
DROP TABLE horse_notes;
DROP INDEX entries_by_horse;
CREATE INDEX entries_by_horse ON entries(horse);
ALTER TABLE entries DROP COLUMN finish;
ALTER TABLE entries DROP COLUMN popularity;
ALTER TABLE entries DROP COLUMN opponent;
PRAGMA user_version=1;
)sql";

// The entries before they held their runners' outcomes.
constexpr const char* kEntriesWithoutOutcomes = R"sql(
DROP INDEX entries_by_horse;
CREATE INDEX entries_by_horse ON entries(horse);
ALTER TABLE entries DROP COLUMN finish;
ALTER TABLE entries DROP COLUMN popularity;
ALTER TABLE entries DROP COLUMN opponent;
PRAGMA user_version=3;
)sql";

TEST_F(OwnMarksTest, ALibraryOfTheFirstVersionUpgradesInPlaceKeepingItsDays) {
    demo::writeSeason(root.path() / "season", 2, 7);
    std::vector<RaceDataStore> days(2);
    ASSERT_TRUE(loadDataSet(days[0], root.path() / "season" / "20260509"));
    ASSERT_TRUE(loadDataSet(days[1], root.path() / "season" / "20260510"));
    {
        // The library as the first version made it.
        Library library(data(), OpenMode::Create);
        library.addDay(days[0], "test");
        library.database().exec(kFirstPastRaces);
    }
    Library library(data(), OpenMode::Existing);
    Statement version = library.database().prepare("PRAGMA user_version");
    ASSERT_TRUE(version.step());
    EXPECT_EQ(version.integer(0), 5);
    EXPECT_EQ(library.addDay(days[1], "test").outcome, AddOutcome::Added);
    EXPECT_EQ(library.days().size(), 2u);
    OwnMarks(library).setOnCard(days[0], 0, 2, 2);
    HorseNotes(library).set("ウマ", "重馬場で好走");
    EXPECT_EQ(OwnMarks(library).onCard(days[0], 0).marks[1], 2);
    EXPECT_TRUE(library.check().problems.empty());
    EXPECT_FALSE(library.findHorses(horseNameOf(days[1], 0, 1), Library::PastRaces::Read).at(0).pastRaces.empty());
}

TEST_F(OwnMarksTest, ALibraryWithoutEntryOutcomesUpgradesInPlaceAndCountsAsOneMadeNow) {
    demo::writeSeason(root.path() / "season", 10, 7);
    std::vector<fs::path> days(fs::directory_iterator(root.path() / "season"), {});
    std::sort(days.begin(), days.end());
    // Oldest first, the finishes reach the entries as each later day comes; the upgrade sets them
    // all at once.
    const auto addSeason = [&](Library& library) {
        for (const fs::path& day : days) {
            RaceDataStore store;
            ASSERT_TRUE(loadDataSet(store, day));
            library.addDay(store, day.string());
        }
    };
    Library madeNow(root.path() / "now", OpenMode::Create);
    addSeason(madeNow);
    {
        Library older(data(), OpenMode::Create);
        addSeason(older);
        older.database().exec(kEntriesWithoutOutcomes);
    }
    Library upgraded(data(), OpenMode::Existing);
    const report::ReportCard card = libraryReport(upgraded);
    EXPECT_GT(card.coverage.runnersWithResult, 0);
    EXPECT_EQ(report::reportCsv(card), report::reportCsv(libraryReport(madeNow)));
}

TEST_F(OwnMarksTest, NotesAreSetReplacedListedAndRemoved) {
    Library library(data(), OpenMode::Create);
    HorseNotes notes(library);
    EXPECT_FALSE(notes.get("アオ"));
    notes.set("アオ", "先行力あり");
    notes.set("アカ", "距離短縮で");
    notes.set("アオ", "先行力あり\n道悪は割引");
    EXPECT_EQ(notes.get("アオ"), "先行力あり\n道悪は割引");
    ASSERT_EQ(notes.all().size(), 2u);
    EXPECT_EQ(notes.all()[0].name, "アオ");
    notes.set("アカ", "");
    EXPECT_FALSE(notes.get("アカ"));
    EXPECT_EQ(notes.all().size(), 1u);
}

TEST_F(OwnMarksTest, ARebuildKeepsWhatTheUserWrote) {
    const RaceDataStore store = day();
    {
        Library library(data(), OpenMode::Create);
        library.addDay(store, "test");
        OwnMarks(library).setOnCard(store, 4, 6, 3);
        HorseNotes(library).set("アオ", "先行力あり");
    }
    EXPECT_TRUE(rebuildLibrary(data()).empty());
    Library library(data(), OpenMode::Existing);
    EXPECT_EQ(OwnMarks(library).onCard(store, 4).marks[5], 3);
    EXPECT_EQ(HorseNotes(library).get("アオ"), "先行力あり");
}

}  // namespace
}  // namespace zv::library
