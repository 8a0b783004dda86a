#include "session/race_session.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>

#include "data/convert.h"
#include "data/error.h"
#include "data/records.h"
#include "demo/demo_day.h"
#include "library/library.h"
#include "support/archive_fixture.h"
#include "support/kept_season.h"

namespace zv {
namespace {

// The demo day (seed 7) in a data folder of its own; with a weight that is not a number in race
// badRace when it is >= 0, so that race cannot be computed.
class RaceSessionTest : public ::testing::Test {
protected:
    std::filesystem::path folder() const { return std::filesystem::path(dir_.path().toStdString()); }

    void writeDay(int badRace = -1) {
        DemoDay day = makeDemoDay(7);
        if (badRace >= 0) {
            int first = 0;
            for (int r = 0; r < badRace; ++r)
                first += parseInt(field(day.headerLines[size_t(r)], header_line::runner_count)).value_or(0);
            day.runnerLines[size_t(first)].replace(size_t(runner_line::weight_carried.pos - 1),
                                                   size_t(runner_line::weight_carried.len), "5x0");
        }
        writeLines(kHeaderFile, day.headerLines);
        writeLines(kRunnerFile, day.runnerLines);
        writeLines(kHorseFile, day.horseLines);
    }

    RaceSession openSession() {
        return RaceSession({folder(), folder() / "zelvora", [] { return LocalDateTime{2026, 12, 10, 36000}; }});
    }

private:
    void writeLines(const char* name, const std::vector<std::string>& lines) const {
        std::ofstream file(folder() / name, std::ios::binary);
        for (const std::string& line : lines) file << line << "\r\n";
    }

    QTemporaryDir dir_;
};

TEST_F(RaceSessionTest, WithoutDataNothingIsCurrentAndMovingDoesNothing) {
    RaceSession session = openSession();
    session.loadDataFolder();
    EXPECT_FALSE(session.hasData());
    EXPECT_FALSE(session.next());
    EXPECT_FALSE(session.previous());
    EXPECT_FALSE(session.clickHeader(kColTR));
    EXPECT_EQ(session.currentRace(), -1);
    EXPECT_EQ(session.result(), nullptr);
}

TEST_F(RaceSessionTest, ADataFolderWithoutItsHorseFileIsNotLoaded) {
    writeDay();
    std::filesystem::remove(folder() / kHorseFile);
    RaceSession session = openSession();
    session.loadDataFolder();
    EXPECT_EQ(session.store().raceCount, 0);
    EXPECT_EQ(session.currentRace(), -1);
}

TEST_F(RaceSessionTest, MovesThroughTheRacesAndStopsAtEitherEnd) {
    writeDay();
    RaceSession session = openSession();
    std::vector<SessionChange> changes;
    session.setListener([&](SessionChange change) { changes.push_back(change); });
    session.loadDataFolder();
    EXPECT_EQ(changes, (std::vector<SessionChange>{SessionChange::DataSet, SessionChange::Race}));
    EXPECT_EQ(session.currentRace(), 0);
    EXPECT_FALSE(session.previous());
    EXPECT_EQ(session.currentRace(), 0);
    const int races = session.store().raceCount;
    for (int r = 1; r < races; ++r) {
        ASSERT_TRUE(session.next());
        EXPECT_EQ(session.currentRace(), r);
        ASSERT_NE(session.result(), nullptr);
        EXPECT_EQ(int(session.result()->rowOrder.size()), session.store().runnerCount(r));
    }
    EXPECT_FALSE(session.next());
    EXPECT_EQ(session.currentRace(), races - 1);
    EXPECT_TRUE(session.previous());
    EXPECT_EQ(session.currentRace(), races - 2);
}

TEST_F(RaceSessionTest, ARaceThatCannotBeComputedIsStillTheOneMovedOnFrom) {
    writeDay(1);
    RaceSession session = openSession();
    session.loadDataFolder();
    std::vector<SessionChange> changes;
    session.setListener([&](SessionChange change) { changes.push_back(change); });
    EXPECT_THROW(session.next(), Error);
    EXPECT_EQ(changes, std::vector<SessionChange>{SessionChange::Race});
    EXPECT_EQ(session.currentRace(), 1);
    EXPECT_EQ(session.result(), nullptr);
    EXPECT_TRUE(session.next());
    EXPECT_EQ(session.currentRace(), 2);
    EXPECT_NE(session.result(), nullptr);
}

TEST_F(RaceSessionTest, AHeadingClickSortsWithANewResultAndTheSortCarriesOver) {
    writeDay();
    RaceSession session = openSession();
    session.loadDataFolder();
    std::vector<SessionChange> changes;
    session.setListener([&](SessionChange change) { changes.push_back(change); });
    const std::shared_ptr<const RaceResult> before = session.result();
    const std::vector<int> runnerOrder = before->rowOrder;

    ASSERT_TRUE(session.clickHeader(kColTR));
    EXPECT_EQ(session.sortColumn(), int(kColTR));
    EXPECT_NE(session.result(), before);
    EXPECT_EQ(before->rowOrder, runnerOrder);  // what was handed out stays as it was
    EXPECT_EQ(session.result()->sort.column, int(kColTR));
    EXPECT_EQ(changes, std::vector<SessionChange>{SessionChange::Order});

    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.result()->sort.column, int(kColTR));
    EXPECT_FALSE(session.clickHeader(kColPast1));
    EXPECT_EQ(session.sortColumn(), int(kColTR));
    ASSERT_TRUE(session.clickHeader(kColTR));
    EXPECT_EQ(session.sortColumn(), int(kColRunner));
}

TEST_F(RaceSessionTest, AnArchiveThatIsNotTakenInKeepsTheRaceOnScreen) {
    writeDay();
    RaceSession session = openSession();
    session.loadDataFolder();
    session.select(3);
    const RaceDataStore store = session.store();
    const IntakeResult taken = session.openArchive(folder() / "missing.lzh", {});
    ASSERT_FALSE(taken);
    EXPECT_FALSE(taken.failure().message.empty());
    EXPECT_EQ(session.store(), store);
    EXPECT_EQ(session.currentRace(), 3);
    EXPECT_NE(session.result(), nullptr);
}

TEST_F(RaceSessionTest, AnArchiveTakenInIsKeptInTheLibraryAndAnUnusableLibraryDoesNotStopIt) {
    const std::filesystem::path day = folder() / "day";
    writeDemoDay(day, 3);
    const std::filesystem::path archive = folder() / "day.lzh";
    fixture::packWithJlha(day, archive, "a", {kHeaderFile, kRunnerFile, kHorseFile});
    RaceSession session = openSession();
    ASSERT_TRUE(session.openArchive(archive, {}));
    EXPECT_EQ(session.libraryProblem(), "");
    const std::vector<library::KeptDay> days = library::Library(folder(), library::OpenMode::Existing).days();
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].source, archive.string());

    std::filesystem::remove_all(library::Library::keptFolder(folder()));
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(library::Library::databaseFile(folder()).string() + suffix);
    std::ofstream(library::Library::databaseFile(folder())) << "another program's file";
    ASSERT_TRUE(session.openArchive(archive, {}));
    EXPECT_NE(session.libraryProblem(), "");
    EXPECT_EQ(session.currentRace(), 0);
}

TEST_F(RaceSessionTest, OwnMarksAreStoredAtOnceMovedWithinARaceAndShownAgainLater) {
    writeDay();
    RaceSession session = openSession();
    session.loadDataFolder();
    session.select(2);
    ASSERT_TRUE(session.clickHeader(kColTR));
    std::vector<SessionChange> changes;
    session.setListener([&](SessionChange change) { changes.push_back(change); });
    const std::vector<int> order = session.result()->rowOrder;

    EXPECT_EQ(session.setOwnMark(3, 0), 0);
    EXPECT_EQ(session.setOwnMark(5, 6), 0);
    EXPECT_EQ(session.setOwnMark(1, 0), 3) << "◎ moves from runner 3";
    EXPECT_EQ(session.setOwnMark(2, 6), 0) << "消 stands on any number of runners";
    EXPECT_EQ(changes, std::vector<SessionChange>(4, SessionChange::Marks));
    const std::vector<int> shown = {0, 6, -1, -1, 6};
    EXPECT_EQ(std::vector<int>(session.result()->ownMarks.marks.begin(), session.result()->ownMarks.marks.begin() + 5),
              shown);
    EXPECT_EQ(session.result()->rowOrder, order) << "the rows stay in their order";
    EXPECT_FALSE(session.result()->cells[1][kColOwnMark].text.empty());
    EXPECT_TRUE(session.result()->cells[3][kColOwnMark].text.empty());

    // Another session over the same folder, as after a restart: the marks come back with the race.
    RaceSession again = openSession();
    again.loadDataFolder();
    EXPECT_TRUE(again.result()->ownMarks.marks.empty() ||
                std::ranges::all_of(again.result()->ownMarks.marks, [](int mark) { return mark < 0; }));
    again.select(2);
    EXPECT_EQ(std::vector<int>(again.result()->ownMarks.marks.begin(), again.result()->ownMarks.marks.begin() + 5),
              shown);
    EXPECT_EQ(again.result()->ownMarks.picks[0], 1);
    again.setOwnMark(1, -1);
    session.select(2);
    EXPECT_EQ(session.result()->ownMarks.marks[0], -1);
    EXPECT_EQ(session.result()->ownMarks.picks[0], 0);
}

TEST_F(RaceSessionTest, AKeptDayTakesTheScreenAndOneStepReturnsToTheDataFolder) {
    writeDay();
    const std::vector<int> dates = fixture::keepDemoSeason(folder(), 3);
    RaceSession session = openSession();
    std::vector<SessionChange> told;
    session.setListener([&](SessionChange change) { told.push_back(change); });
    session.loadDataFolder();
    const RaceDataStore current = session.store();

    session.showKeptDay(dates[1], 4);
    EXPECT_EQ(session.keptDayShown(), dates[1]);
    EXPECT_EQ(session.currentRace(), 4);
    EXPECT_NE(session.result(), nullptr);
    EXPECT_EQ(session.store(), fixture::demoSeasonDays(2)[1]);
    EXPECT_EQ(told.back(), SessionChange::Race);
    EXPECT_NE(std::find(told.begin(), told.end(), SessionChange::DataSet), told.end());

    session.showKeptDay(dates[0], 99);  // a race the day does not have: its first
    EXPECT_EQ(session.currentRace(), 0);

    session.showDataFolder();
    EXPECT_EQ(session.keptDayShown(), std::nullopt);
    EXPECT_EQ(session.store(), current);
    EXPECT_EQ(session.currentRace(), 0);
}

TEST_F(RaceSessionTest, ADayNotKeptChangesNothingAndAnEmptyDataFolderReturnsToNoData) {
    const std::vector<int> dates = fixture::keepDemoSeason(folder(), 1);
    RaceSession session = openSession();
    session.showKeptDay(dates[0]);
    EXPECT_THROW(session.showKeptDay(20990101), Error);
    EXPECT_EQ(session.keptDayShown(), dates[0]);
    EXPECT_TRUE(session.hasData());

    session.showDataFolder();
    EXPECT_FALSE(session.hasData());
    EXPECT_EQ(session.currentRace(), -1);
    EXPECT_EQ(session.result(), nullptr);
    EXPECT_EQ(session.keptDayShown(), std::nullopt);
}

TEST_F(RaceSessionTest, LoadingTheDataFolderWhileAKeptDayIsShownLeavesTheKeptDay) {
    const std::vector<int> dates = fixture::keepDemoSeason(folder(), 1);
    RaceSession session = openSession();
    session.showKeptDay(dates[0]);
    writeDay();
    session.loadDataFolder();
    EXPECT_EQ(session.keptDayShown(), std::nullopt);
}

TEST_F(RaceSessionTest, TheDeveloperFlagIsReadFromTheProgramsIniFile) {
    EXPECT_FALSE(openSession().developerMode());
    std::ofstream(folder() / "zelvora.ini", std::ios::binary) << "[Option]\r\nDeveloperMode=1\r\n";
    EXPECT_TRUE(openSession().developerMode());
}

}  // namespace
}  // namespace zv
