// The library commands: adding a season and its archives, listing, checking, a kill during an add,
// the horse search as JSON, and every view command on a kept day with --day.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "cli/cli_context.h"
#include "demo/demo_day.h"
#include "demo/demo_season.h"
#include "library/library.h"
#include "support/command_run.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

class CliLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { demo::writeSeason(season(), 3, 11); }
    fs::path season() const { return root.path() / "season"; }
    fs::path data() const { return root.path() / "data"; }
    fixture::CommandRun run(std::string_view command, const std::vector<std::string>& args) const {
        return fixture::runCommand(command, data(), args);
    }
    fixture::TempFolder root;
};

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(CliLibraryTest, EveryViewCommandShowsTheKeptDayWithDay) {
    writeDemoDay(data(), 4);  // the data folder's own day differs from the kept one
    ASSERT_EQ(run("library", {"add", season().string()}).status, 0);
    const fs::path fromLibrary = root.path() / "library-out", fromFolder = root.path() / "folder-out";
    fs::create_directories(fromLibrary);
    fs::create_directories(fromFolder);
    // Each view with its output file (or nothing when it prints) in folder.
    const struct {
        const char* command;
        std::vector<std::string> (*args)(const fs::path& folder);
        const char* file;
    } views[] = {
        {"races", [](const fs::path&) { return std::vector<std::string>{}; }, nullptr},
        {"race-name", [](const fs::path&) { return std::vector<std::string>{"3"}; }, nullptr},
        {"show",
         [](const fs::path&) {
             return std::vector<std::string>{"5", "--json"};
         },
         nullptr},
        {"detail",
         [](const fs::path&) {
             return std::vector<std::string>{"2", "3"};
         },
         nullptr},
        {"betlines",
         [](const fs::path& f) {
             return std::vector<std::string>{"10", "--out", (f / "bet.txt").string()};
         },
         "bet.txt"},
        {"kmi", [](const fs::path& f) { return std::vector<std::string>{(f / "all.kmi").string()}; }, "all.kmi"},
        {"idx", [](const fs::path& f) { return std::vector<std::string>{(f / "all.idx").string()}; }, "all.idx"},
    };
    for (const auto& view : views) {
        std::vector<std::string> withDay = view.args(fromLibrary);
        withDay.insert(withDay.end(), {"--day", "20260510"});
        const fixture::CommandRun kept = run(view.command, withDay);
        const fixture::CommandRun folder =
            fixture::runCommand(view.command, season() / "20260510", view.args(fromFolder));
        EXPECT_EQ(kept.status, 0) << view.command;
        EXPECT_EQ(kept.out, folder.out) << view.command;
        if (view.file) {
            EXPECT_FALSE(fileText(fromLibrary / view.file).empty()) << view.command;
            EXPECT_EQ(fileText(fromLibrary / view.file), fileText(fromFolder / view.file)) << view.command;
        }
    }
    EXPECT_NE(run("show", {"5", "--json", "--day", "20260510"}).out, run("show", {"5", "--json"}).out);
    EXPECT_THROW(run("races", {"--day", "20991231"}), Error);
    EXPECT_THROW(run("races", {"--day", "2026-05-10"}), UsageError);
    EXPECT_THROW(run("csv", {"--day", "20260510"}), UsageError);

    // Before the command, as the usage has it.
    const std::string command = std::string(ZV_CLI_PROGRAM) + " --data-dir " + data().string() +
                                " --day 20260509 show 0 >" + (fromLibrary / "show.txt").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(fileText(fromLibrary / "show.txt"), fixture::runCommand("show", season() / "20260509", {"0"}).out);
}

TEST_F(CliLibraryTest, AddListsEachDayAndTheSameDayAgainIsSkipped) {
    const fixture::CommandRun first = run("library", {"add", season().string()});
    EXPECT_EQ(first.status, 0);
    EXPECT_NE(first.out.find("追加: 2026/05/09 (36 レース)"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("3 日を追加しました"), std::string::npos) << first.out;
    const fixture::CommandRun again = run("library", {"add", (season() / "20260510").string()});
    EXPECT_NE(again.out.find("2026/05/10 は保存済みです"), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("0 日を追加しました"), std::string::npos) << again.out;

    const fixture::CommandRun json = run("library", {"list", "--json"});
    EXPECT_EQ(
        json.out.rfind("{\"days\":[{\"date\":\"2026/05/16\",\"dateText\":\"2026/05/16(土)\",\"racecourses\":[", 0), 0u)
        << json.out;
    EXPECT_NE(json.out.find("\"races\":36"), std::string::npos);
    EXPECT_EQ(run("library", {"check"}).status, 0);
    EXPECT_THROW(run("library", {"remove"}), UsageError);
}

TEST_F(CliLibraryTest, HorseJsonHoldsTheEntriesAndPastRaces) {
    ASSERT_EQ(run("library", {"add", season().string()}).status, 0);
    const fixture::CommandRun found = run("horse", {"ア", "--json"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out.rfind("{\"query\":\"ア\",\"horses\":[{\"name\":\"", 0), 0u) << found.out.substr(0, 200);
    for (const char* key : {"\"entries\":[{\"date\":\"", "\"race\":", "\"raceIndex\":", "\"horseNumber\":", "\"mark\":",
                            "\"index\":", "\"finish\":", "\"pastRaces\":[{\"date\":"})
        EXPECT_NE(found.out.find(key), std::string::npos) << key;
    EXPECT_EQ(run("horse", {"存在しない馬"}).status, 1);
}

TEST_F(CliLibraryTest, TheReportOverTheLibraryEqualsTheReportOverTheSameDaysAsFolders) {
    const fs::path longer = root.path() / "longer";
    ASSERT_EQ(run("season", {longer.string(), "--days", "8", "--seed", "3"}).status, 0);
    std::vector<fs::path> days;
    for (const auto& entry : fs::directory_iterator(longer)) days.push_back(entry.path());
    std::sort(days.rbegin(), days.rend());  // added newest first: the finishes come in whatever order
    for (const fs::path& day : days) ASSERT_EQ(run("library", {"add", day.string()}).status, 0);

    const fixture::CommandRun folders = run("report", {"--json", longer.string()});
    const fixture::CommandRun library = run("report", {"--json"});
    EXPECT_EQ(library.status, 0);
    EXPECT_EQ(library.out, folders.out);
    EXPECT_NE(library.out.find("\"runnersWithResult\":"), std::string::npos);
    EXPECT_EQ(library.out.find("\"runnersWithResult\":0"), std::string::npos) << "finishes were found";

    const fixture::CommandRun tokyo =
        run("report", {"--json", "--racecourse", "東京", "--surface", "芝", "--from", "20260510", "--to", "20260516"});
    EXPECT_EQ(tokyo.out.rfind("{\"days\":[{\"date\":\"2026/05/10\"", 0), 0u) << tokyo.out.substr(0, 100);
    EXPECT_NE(tokyo.out.find("\"date\":\"2026/05/16\""), std::string::npos);
    EXPECT_EQ(tokyo.out.find("\"date\":\"2026/05/17\""), std::string::npos);
    EXPECT_THROW(run("report", {"--surface", "砂"}), UsageError);
    EXPECT_THROW(run("report", {"--from", "20260510", longer.string()}), UsageError);
}

// A kill at any moment of an add leaves a library that checks whole; adding again completes it.
TEST_F(CliLibraryTest, AKilledAddLeavesTheLibraryWhole) {
    ASSERT_EQ(run("library", {"add", (season() / "20260509").string()}).status, 0);
    size_t daysBefore = 1;
    for (int delayMs : {1, 15, 40, 70, 100, 140, 190, 250}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int devNull = ::open("/dev/null", O_WRONLY);
            ::dup2(devNull, STDOUT_FILENO);
            ::dup2(devNull, STDERR_FILENO);
            const std::string dataDir = data().string(), path = season().string();
            ::execl(ZV_CLI_PROGRAM, "zelvora-cli", "--data-dir", dataDir.c_str(), "library", "add", path.c_str(),
                    static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const library::Library kept(data(), library::OpenMode::Existing);
        const library::CheckResult check = kept.check();
        EXPECT_TRUE(check.problems.empty()) << "killed after " << delayMs << " ms: " << check.problems.front();
        const size_t days = kept.days().size();
        EXPECT_GE(days, daysBefore);
        daysBefore = days;
    }
    ASSERT_EQ(run("library", {"add", season().string()}).status, 0);
    EXPECT_EQ(library::Library(data(), library::OpenMode::Existing).days().size(), 3u);
    EXPECT_EQ(run("library", {"check"}).status, 0);
}

}  // namespace
}  // namespace zv::cli
