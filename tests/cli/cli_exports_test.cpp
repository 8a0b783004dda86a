// The detail, idx and csv commands on the demo day.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_context.h"
#include "data/error.h"
#include "data/store.h"
#include "demo/demo_day.h"
#include "predict/horse_detail.h"
#include "support/command_run.h"
#include "support/data_set_fixture.h"
#include "support/files.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size())) ++n;
    return n;
}

class CliExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = root.path() / "data";
        writeDemoDay(data, 7);
        ASSERT_TRUE(loadDataSet(store, data));
    }

    fixture::TempFolder root;
    fs::path data;
    RaceDataStore store;
};

TEST_F(CliExportsTest, DetailJsonHasEveryLabelTheGridAndTheRowStates) {
    fixture::CommandRun r = fixture::runCommand("detail", data, {"0", "1", "--json"});
    EXPECT_EQ(r.status, 0);
    for (const DetailFieldName& field : detailFields()) {
        EXPECT_NE(r.out.find("\"" + std::string(field.name) + "\":\""), std::string::npos) << field.name;
    }
    EXPECT_EQ(r.out.rfind("{\"labels\":{\"sexAgeCoat\":", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"runningStyle\":\"逃"), std::string::npos);
    EXPECT_EQ(r.out.find("lbl"), std::string::npos);
    EXPECT_NE(r.out.find("\"grid\":[[\"\",\"開催日\","), std::string::npos);
    EXPECT_NE(r.out.find("\"rowState\":[0,"), std::string::npos);
    EXPECT_EQ(r.out.back(), '\n');
}

TEST_F(CliExportsTest, DetailTextShowsCaptionsAndRows) {
    fixture::CommandRun r = fixture::runCommand("detail", data, {"2", "3"});
    EXPECT_EQ(r.status, 0);
    // Every line before the grid is a caption and a text, the first two as well.
    EXPECT_EQ(r.out.rfind("性齢・毛色: ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n馬記号: "), std::string::npos);
    EXPECT_NE(r.out.find("\n総賞金: "), std::string::npos);
    EXPECT_EQ(r.out.find("lbl"), std::string::npos);
    EXPECT_NE(r.out.find("\n1走前 | "), std::string::npos);
}

TEST_F(CliExportsTest, DetailRejectsRunnersOutsideTheRace) {
    const std::vector<std::string> bad[] = {{"0", "0"}, {"0", "99"}, {"99", "1"}};
    for (const auto& args : bad)
        EXPECT_THROW(fixture::runCommand("detail", data, args), Error) << args[0] << " " << args[1];
    EXPECT_THROW(fixture::runCommand("detail", data, {"0", "x"}), UsageError);
    EXPECT_THROW(fixture::runCommand("detail", data, {"0"}), UsageError);
}

TEST_F(CliExportsTest, IdxWritesTheHeadingAndOneLinePerRunner) {
    fixture::CommandRun r = fixture::runCommand("idx", data, {(root.path() / "out.idx").string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(count(fixture::readFile(root.path() / "out.idx"), "\r\n"), 1u + store.runnerLines.size());
}

TEST_F(CliExportsTest, IdxIntoAMissingFolderChangesNothing) {
    EXPECT_THROW(fixture::runCommand("idx", data, {(root.path() / "missing" / "out.idx").string()}), Error);
    EXPECT_FALSE(fs::exists(root.path() / "missing"));
    EXPECT_THROW(fixture::runCommand("idx", data, {}), UsageError);
}

TEST_F(CliExportsTest, CsvWithoutYesCreatesNothingAndWithYesAppendsTheDayEachTime) {
    fixture::CommandRun declined = fixture::runCommand("csv", data, {});
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.err.find("zv.csv がありません"), std::string::npos) << declined.err;
    EXPECT_FALSE(fs::exists(data / "zv.csv"));

    fixture::CommandRun first = fixture::runCommand("csv", data, {"--yes"});
    EXPECT_EQ(first.status, 0);
    std::string once = fixture::readFile(data / "zv.csv");
    ASSERT_FALSE(once.empty());

    fixture::CommandRun second = fixture::runCommand("csv", data, {"--yes"});
    EXPECT_EQ(second.status, 0);
    EXPECT_NE(second.err.find("すでに存在する"), std::string::npos) << second.err;
    EXPECT_EQ(fixture::readFile(data / "zv.csv"), once + once);

    fixture::CommandRun refused = fixture::runCommand("csv", data, {});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(fixture::readFile(data / "zv.csv"), once + once);
}

TEST_F(CliExportsTest, CsvReportsOldLinesThatDoNotStartWithADate) {
    std::ofstream(data / "zv.csv", std::ios::binary) << "heading\r\n\r\nlast";
    fixture::CommandRun r = fixture::runCommand("csv", data, {"--yes"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("日付 (yyyy/mm/dd) で始まらない行が 2 行あります"), std::string::npos) << r.err;
    EXPECT_EQ(fixture::readFile(data / "zv.csv").rfind("heading\r\n\r\nlast\r\n", 0), 0u);
}

}  // namespace
}  // namespace zv::cli
