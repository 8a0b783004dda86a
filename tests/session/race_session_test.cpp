#include "session/race_session.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "data/convert.h"
#include "data/error.h"
#include "data/records.h"
#include "demo/demo_day.h"
#include "library/library.h"
#include "support/archive_fixture.h"

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

TEST_F(RaceSessionTest, TheDeveloperFlagIsReadFromTheProgramsIniFile) {
    EXPECT_FALSE(openSession().developerMode());
    std::ofstream(folder() / "zelvora.ini", std::ios::binary) << "[Option]\r\nDeveloperMode=1\r\n";
    EXPECT_TRUE(openSession().developerMode());
}

}  // namespace
}  // namespace zv
