// Two writers on one data folder: the second waits for the first and then takes its turn, or,
// when the first keeps the folder too long, is refused with a plain message and changes nothing.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "data/data_folder_lock.h"
#include "data/sjis.h"
#include "data/temporary_files.h"
#include "support/archive_intake_fixture.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using fixture::Day;

std::vector<std::string> copies(const RecordLines& lines) { return {lines.begin(), lines.end()}; }

class TwoWriters : public fixture::IntakeTest {
protected:
    fs::path craftDayArchive(const char* name, const Day& day) {
        fixture::writeFile(root.path(), name,
                           fixture::craftArchive({{kHeaderFile, joinCrLf(day.headers)},
                                                  {kRunnerFile, joinCrLf(day.runners)},
                                                  {kHorseFile, joinCrLf(day.horses)}}));
        return root.path() / name;
    }

    // Starts an intake of archive in a child process; its exit code is 0 when it took the day in.
    pid_t startIntake(const fs::path& archive) {
        pid_t pid = ::fork();
        if (pid == 0) {
            RaceDataStore childStore;
            IntakeResult result = openArchive(archive, dataFolder(), childStore, {}, std::chrono::minutes(1));
            std::_Exit(result ? 0 : 1 + static_cast<int>(result.failure().kind));
        }
        return pid;
    }

    static int exitCodeOf(pid_t pid) {
        if (pid <= 0) return -1;
        int status = 0;
        if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }
};

TEST_F(TwoWriters, AnIntakeRefusedWhileAnotherWriterKeepsTheFolderChangesNothing) {
    const fs::path archive = craftDayArchive("a.lzh", newDay);
    fixture::FolderSnapshot before = fixture::snapshot(dataFolder());
    RaceDataStore storeBefore = store;
    const DataFolderLock otherWriter(dataFolder());

    IntakeResult result = openArchive(archive, dataFolder(), store, {}, std::chrono::milliseconds(0));

    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure().kind, IntakeStatus::Busy);
    EXPECT_EQ(result.failure().message, dataFolderBusyMessage());
    EXPECT_EQ(
        result.failure().message,
        "他の Zelvora がこのデータフォルダで作業中です。\r\n\r\nその作業が終わってから、もう一度お試しください。");
    EXPECT_EQ(fixture::snapshot(dataFolder()), before);
    EXPECT_TRUE(store == storeBefore);
}

TEST_F(TwoWriters, TwoIntakesStartedTogetherRunOneAfterTheOtherAndLeaveOneWholeDay) {
    const Day thirdDay = fixture::sampleDay(7);
    const fs::path first = craftDayArchive("a.lzh", newDay), second = craftDayArchive("b.lzh", thirdDay);
    // Both start while a third process keeps the folder, so both wait and then meet each other.
    int release[2];
    ASSERT_EQ(::pipe(release), 0);
    int taken[2];
    ASSERT_EQ(::pipe(taken), 0);
    pid_t holder = ::fork();
    if (holder == 0) {
        const DataFolderLock held(dataFolder());
        char byte = 0;
        if (::write(taken[1], &byte, 1) != 1 || ::read(release[0], &byte, 1) != 1) std::_Exit(1);
        std::_Exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(taken[0], &byte, 1), 1);
    pid_t a = startIntake(first), b = startIntake(second);
    ASSERT_EQ(::write(release[1], &byte, 1), 1);
    EXPECT_EQ(exitCodeOf(holder), 0);
    for (int end : {release[0], release[1], taken[0], taken[1]}) ::close(end);
    EXPECT_EQ(exitCodeOf(a), 0);
    EXPECT_EQ(exitCodeOf(b), 0);

    ASSERT_TRUE(loadDataFolder(store, dataFolder()));
    const bool firstLast = copies(store.headerLines) == newDay.headers;
    const Day& last = firstLast ? newDay : thirdDay;
    EXPECT_EQ(copies(store.headerLines), last.headers);
    EXPECT_EQ(copies(store.runnerLines), last.runners);
    EXPECT_EQ(copies(store.horseLines), last.horses);
    for (const fs::directory_entry& e : fs::directory_iterator(dataFolder())) {
        EXPECT_FALSE(isTemporaryName(e.path().filename().string())) << e.path();
    }
}

}  // namespace
}  // namespace zv
