// Own marks and notes on the command line: mark and marks, the CSV round trip with bad rows, bet
// lines from own marks, notes, the report's own-mark keys, and a kill while marks are being set.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "cli/cli_context.h"
#include "cli/json.h"
#include "data/sjis.h"
#include "demo/demo_day.h"
#include "library/library.h"
#include "library/own_marks.h"
#include "support/command_run.h"
#include "support/temp_folder.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CliMarksTest : public ::testing::Test {
protected:
    void SetUp() override { writeDemoDay(data(), 6); }
    fs::path data() const { return root.path() / "data"; }
    fixture::CommandRun run(std::string_view command, const std::vector<std::string>& args) const {
        return fixture::runCommand(command, data(), args);
    }
    RaceDataStore store() const {
        RaceDataStore loaded;
        EXPECT_TRUE(loadDataSet(loaded, data()));
        return loaded;
    }
    fixture::TempFolder root;
};

TEST_F(CliMarksTest, MarksAreSetMovedClearedAndListed) {
    const RaceDataStore day = store();
    const std::string name3 = library::horseNameOf(day, 2, 3);
    EXPECT_EQ(run("mark", {"2", "3", "◎"}).out,
              "自印 ◎: " + library::raceLabelOf(library::raceKeyOf(day, 2)) + " 3 " + name3 + "\n");
    EXPECT_NE(run("mark", {"2", "5", "◎"}).out.find("(馬番 3 の ◎ を移しました)"), std::string::npos);
    run("mark", {"2", "3", "消"});
    run("mark", {"2", "4", "消"});
    run("mark", {"0", "1", "☆"});
    run("mark", {"2", "4", "-"});
    const fixture::CommandRun listed = run("marks", {});
    EXPECT_EQ(listed.status, 0);
    EXPECT_NE(listed.out.find(": 3 頭"), std::string::npos) << listed.out;
    EXPECT_LT(listed.out.find("  1  ☆  "), listed.out.find("  5  ◎  ")) << listed.out;
    EXPECT_NE(listed.out.find("  3  消  " + name3), std::string::npos) << listed.out;
    const fixture::CommandRun json = run("marks", {"--json"});
    EXPECT_NE(json.out.find("{\"race\":2,\"raceLabel\":"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"horseNumber\":5,"), std::string::npos);
    EXPECT_NE(json.out.find("\"mark\":\"消\",\"nameOnCard\":" + jsonQuoted(name3) + ",\"nameDiffers\":false"),
              std::string::npos)
        << json.out;

    const std::vector<std::vector<std::string>> wrong = {
        {"2", "3"}, {"2", "3", "◯"}, {"2", "x", "◎"}, {"2", "3", "◎", "--export", "f"}};
    for (const std::vector<std::string>& args : wrong) EXPECT_THROW(run("mark", args), UsageError) << args[1];
    EXPECT_THROW(run("mark", {"2", "99", "◎"}), Error);
    EXPECT_THROW(run("marks", {"--export", "a", "--import", "b"}), UsageError);
    EXPECT_THROW(run("marks", {"--export", "a", "--json"}), UsageError);
}

TEST_F(CliMarksTest, TheCsvRoundTripNamesEveryRowItCouldNotPlaceAndChangesNothingForThem) {
    const RaceDataStore day = store();
    run("library", {"add", data().string()});
    run("mark", {"1", "2", "◎"});
    run("mark", {"1", "6", "消"});
    run("mark", {"3", "1", "▲"});
    const fs::path file = root.path() / "marks.csv";
    EXPECT_EQ(run("marks", {"--export", file.string()}).status, 0);
    const std::string csv = fileText(file);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF日付,場コード,レース,馬番,馬名,印\r\n")) << csv;
    const library::RaceKey race1 = library::raceKeyOf(day, 1);
    char course[4];
    std::snprintf(course, sizeof course, "%02d", race1.racecourseCode);
    const std::string row = std::to_string(race1.date) + "," + course + "," + std::to_string(race1.raceNumber) + ",";
    EXPECT_NE(csv.find(row + "2," + library::horseNameOf(day, 1, 2) + ",◎\r\n"), std::string::npos) << csv;

    // The marks cleared, then read back with bad rows among them.
    run("mark", {"1", "2", "-"});
    run("mark", {"1", "6", "-"});
    run("mark", {"3", "1", "-"});
    const std::string bad = row + "3,ダレカ,○\r\n"                                            // another name
                            + row + "4," + library::horseNameOf(day, 1, 4) + ",◎\r\n"         // ◎ again
                            + row + "5," + library::horseNameOf(day, 1, 5) + ",本命\r\n"      // no mark
                            + "2026133," + course + ",1,1,X,◎\r\n"                            // no date
                            + std::to_string(race1.date) + "," + course + ",77,1,X,◎\r\n"     // no race
                            + row + "2," + library::horseNameOf(day, 1, 2) + ",消,余分\r\n";  // seven fields
    std::ofstream(file, std::ios::binary | std::ios::app) << bad;
    const fixture::CommandRun imported = run("marks", {"--import", file.string()});
    EXPECT_EQ(imported.status, 1);
    for (int line = 5; line <= 10; ++line)
        EXPECT_NE(imported.out.find("取り込めない行 " + std::to_string(line) + ": "), std::string::npos)
            << line << imported.out;
    EXPECT_NE(imported.out.find("3 頭の自印を取り込みました、6 行は取り込めませんでした"), std::string::npos)
        << imported.out;
    const fs::path again = root.path() / "again.csv";
    run("marks", {"--export", again.string()});
    EXPECT_EQ(fileText(again), csv);
}

TEST_F(CliMarksTest, OwnBetLinesLeaveRuledOutRunnersOut) {
    const fs::path own = root.path() / "own.txt";
    EXPECT_EQ(run("betlines", {"9", "--own", "--out", own.string()}).status, 0);
    EXPECT_EQ(toUtf8(fileText(own)), "このレースには自印がありません");
    run("mark", {"9", "4", "消"});
    run("betlines", {"9", "--own", "--out", own.string()});
    EXPECT_EQ(toUtf8(fileText(own)), "このレースの買い目はありません");
    const std::pair<const char*, const char*> marks[] = {{"1", "◎"}, {"2", "○"},  {"3", "▲"}, {"4", "消"},
                                                         {"5", "△"}, {"6", "消"}, {"7", "×"}, {"8", "☆"}};
    for (auto [horse, mark] : marks) run("mark", {"9", horse, mark});
    run("betlines", {"9", "--own", "--out", own.string()});
    const std::string text = toUtf8(fileText(own));  // the window saves CP932
    EXPECT_NE(text.find("[単勝] 計3点\r\n 1   2   3\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" 1- 2   1- 3   1- 5   1- 7   1- 8   2- 3"), std::string::npos) << text;
    EXPECT_NE(text.find("[3連単] 計36点"), std::string::npos) << text;
    for (const char* ruledOut : {"- 4", " 4-", "- 6", " 6-"}) EXPECT_EQ(text.find(ruledOut), std::string::npos);
    const fs::path program = root.path() / "program.txt";
    run("betlines", {"9", "--out", program.string()});
    EXPECT_NE(fileText(program), text);
}

TEST_F(CliMarksTest, ANoteIsWrittenShownAndRemoved) {
    EXPECT_EQ(run("note", {"アオノウマ"}).status, 1);
    EXPECT_EQ(run("note", {"アオノウマ", "先行して粘る"}).status, 0);
    const fixture::CommandRun shown = run("note", {"アオノウマ"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "先行して粘る\n");
    run("note", {"アオノウマ", ""});
    EXPECT_EQ(run("note", {"アオノウマ"}).status, 1);
    EXPECT_THROW(run("note", {}), UsageError);
}

TEST_F(CliMarksTest, TheReportCountsOwnMarks) {
    run("library", {"add", data().string()});
    run("mark", {"0", "1", "◎"});
    const fixture::CommandRun json = run("report", {"--json"});
    for (const char* key : {"\"byOwnMark\":[{\"label\":\"◎\"", "\"label\":\"消\"",
                            "\"ownBetLines\":[{\"type\":\"単勝\"", "\"racesWithOwnMarks\":1"})
        EXPECT_NE(json.out.find(key), std::string::npos) << key;
    const fixture::CommandRun text = run("report", {});
    EXPECT_NE(text.out.find("自印を付けたレース: 1レース"), std::string::npos);
    EXPECT_NE(text.out.find("■ 自印別"), std::string::npos);
    EXPECT_NE(text.out.find("■ 自印の買い目"), std::string::npos);
}

// A kill at any moment loses at most the mark being set: every mark the command reported as stored
// is there, and the library checks whole.
TEST_F(CliMarksTest, AKillWhileSettingMarksLosesAtMostTheLastOne) {
    run("library", {"add", data().string()});
    const RaceDataStore day = store();
    struct Planned {
        int race, horse, mark;
    };
    std::vector<Planned> plan;  // no mark takes another's place
    for (int r = 0; r < day.raceCount; ++r)
        for (int n = 1; n <= day.runnerCount(r); ++n) plan.push_back({r, n, n <= kMarks ? n - 1 : kRuledOut});
    std::mt19937 random(std::random_device{}());
    size_t stored = 0;
    for (int round = 0; round < 6 && stored < plan.size(); ++round) {
        const fs::path script = root.path() / "marks.sh";
        {
            std::ofstream out(script);
            for (size_t i = stored; i < plan.size(); ++i)
                out << "'" << ZV_CLI_PROGRAM << "' --data-dir '" << data().string() << "' mark " << plan[i].race << ' '
                    << plan[i].horse << ' ' << kOwnMarkSymbolsUtf8[size_t(plan[i].mark)] << " || exit 1\n";
        }
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::setpgid(0, 0);
            ::dup2(pipeEnds[1], STDOUT_FILENO);
            ::close(pipeEnds[0]);
            ::execl("/bin/sh", "sh", script.c_str(), static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        ::setpgid(child, child);
        ::close(pipeEnds[1]);
        const int delayMs = std::uniform_int_distribution<int>(5, 400)(random);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(-child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        std::string printed;
        char buffer[4096];
        for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
            printed.append(buffer, static_cast<size_t>(got));
        ::close(pipeEnds[0]);
        const size_t reported = static_cast<size_t>(std::count(printed.begin(), printed.end(), '\n'));
        stored += reported;

        const library::Library kept(data(), library::OpenMode::Existing);
        EXPECT_TRUE(kept.check().problems.empty()) << "killed after " << delayMs << " ms";
        const library::OwnMarks marks(kept);
        for (size_t i = 0; i < stored; ++i) {
            const library::OwnMarksOnCard card = marks.onCard(day, plan[i].race);
            ASSERT_EQ(card.marks[size_t(plan[i].horse - 1)], plan[i].mark)
                << "race " << plan[i].race << " horse " << plan[i].horse << ", killed after " << delayMs << " ms";
        }
        // The one being set when the kill came may be there too, and nothing beyond it.
        EXPECT_LE(marks.ofDay(0).size(), stored + 1);
    }
    EXPECT_GT(stored, 0u);
    EXPECT_EQ(run("library", {"check"}).status, 0);
}

}  // namespace
}  // namespace zv::cli
