// The season and report commands: a season written to day folders, the report card over it as
// text, JSON and CSV, and the exit status when no day could be read.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_context.h"
#include "cli/report_output.h"
#include "support/command_run.h"
#include "support/data_set_fixture.h"
#include "support/files.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

class CliReportTest : public ::testing::Test {
protected:
    fs::path season() const { return root.path() / "season"; }
    fixture::TempFolder root;
};

TEST_F(CliReportTest, SeasonWritesOneFolderPerMeetingDayTheSameForTheSameSeed) {
    ASSERT_EQ(fixture::runCommand("season", root.path(), {season().string(), "--days", "3", "--seed", "9"}).status, 0);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(season())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"20260509", "20260510", "20260516"}));
    ASSERT_EQ(
        fixture::runCommand("season", root.path(), {(root.path() / "again").string(), "--days", "3", "--seed", "9"})
            .status,
        0);
    for (const std::string& name : names) {
        for (const char* file : {"bvo_den1.bv2", "bvo_den2.bv2", "bvo_uma.bv2"}) {
            std::ifstream a(season() / name / file, std::ios::binary),
                b(root.path() / "again" / name / file, std::ios::binary);
            EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(a), {}, std::istreambuf_iterator<char>(b), {}))
                << name << file;
        }
    }
    EXPECT_THROW(fixture::runCommand("season", root.path(), {season().string(), "--days", "0"}), UsageError);
}

TEST_F(CliReportTest, JsonHoldsEveryKeyAndTextStatesTheCoverage) {
    ASSERT_EQ(fixture::runCommand("season", root.path(), {season().string(), "--days", "4"}).status, 0);
    fixture::CommandRun json =
        fixture::runCommand("report", root.path(), {"--json", season().string(), (root.path() / "nowhere").string()});
    EXPECT_EQ(json.status, 0);
    for (const char* key : {"\"days\":",
                            "\"date\":",
                            "\"path\":",
                            "\"races\":",
                            "\"skipped\":",
                            "\"reason\":",
                            "\"coverage\":",
                            "\"runners\":",
                            "\"runnersWithResult\":",
                            "\"racesWithWinner\":",
                            "\"racesWithFirstTwo\":",
                            "\"racesWithFirstThree\":",
                            "\"byMark\":",
                            "\"byRank\":",
                            "\"byIndexBand\":",
                            "\"byPopularity\":",
                            "\"label\":",
                            "\"winBase\":",
                            "\"wins\":",
                            "\"winRate\":",
                            "\"top2Base\":",
                            "\"top2\":",
                            "\"top2Rate\":",
                            "\"top3Base\":",
                            "\"top3\":",
                            "\"top3Rate\":",
                            "\"betLines\":",
                            "\"type\":",
                            "\"hits\":",
                            "\"hitRate\":",
                            "\"lines\":"}) {
        EXPECT_NE(json.out.find(key), std::string::npos) << key;
    }
    EXPECT_NE(json.out.find("\"label\":\"◎\""), std::string::npos);
    EXPECT_NE(json.out.find("\"type\":\"3連単\""), std::string::npos);

    fixture::CommandRun text = fixture::runCommand("report", root.path(), {season().string()});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("結果が分かった出走馬"), std::string::npos);
    EXPECT_NE(text.out.find("最後の数日"), std::string::npos);
    EXPECT_NE(text.out.find("■ 印別"), std::string::npos);
}

TEST_F(CliReportTest, TextColumnsLineUpWhateverTheCharacters) {
    ASSERT_EQ(fixture::runCommand("season", root.path(), {season().string(), "--days", "2"}).status, 0);
    const std::string out = fixture::runCommand("report", root.path(), {season().string()}).out;
    // Each table: its heading row and its rows.
    for (auto [table, lines] : {std::pair{"■ 印別", 8u}, {"■ 自印別", 9u}}) {
        std::istringstream text(out);
        std::vector<int> widths;
        bool inTable = false;
        for (std::string line; std::getline(text, line);) {
            if (line.rfind("■", 0) == 0)
                inTable = line == table;
            else if (inTable && !line.empty())
                widths.push_back(displayWidth(line));
        }
        ASSERT_EQ(widths.size(), lines) << table;
        for (int w : widths) EXPECT_EQ(w, widths[0]) << table;
    }
}

TEST_F(CliReportTest, CsvIsUtf8WithAByteOrderMarkAndNoDayIsExitOne) {
    ASSERT_EQ(fixture::runCommand("season", root.path(), {season().string(), "--days", "2"}).status, 0);
    fs::path csv = root.path() / "card.csv";
    EXPECT_EQ(fixture::runCommand("report", root.path(), {"--csv", csv.string(), season().string()}).status, 0);
    const std::string content = fixture::readFile(csv);
    EXPECT_EQ(content.rfind("\xEF\xBB\xBF表,項目,頭数,", 0), 0u);
    EXPECT_NE(content.find("\r\n印,◎,"), std::string::npos);
    EXPECT_NE(content.find("\r\n買い目,単勝,"), std::string::npos);

    fixture::CommandRun none =
        fixture::runCommand("report", root.path(), {"--json", (root.path() / "nowhere").string()});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.out.find("見つかりません"), std::string::npos);
}

}  // namespace
}  // namespace zv::cli
