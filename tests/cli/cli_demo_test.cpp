#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_context.h"
#include "data/error.h"
#include "data/sjis.h"
#include "data/store.h"
#include "support/command_run.h"
#include "support/data_set_fixture.h"
#include "support/files.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

TEST(CliDemo, WritesTheDayThatRacesLists) {
    fixture::TempFolder root;
    EXPECT_EQ(fixture::runCommand("demo", root.path() / "data", {}).status, 0);
    fixture::CommandRun races = fixture::runCommand("races", root.path() / "data", {});
    EXPECT_EQ(races.status, 0);
    EXPECT_EQ(std::count(races.out.begin(), races.out.end(), '\n'), 36);
    EXPECT_EQ(races.out.rfind("0\t東京01R サラ3歳 未勝利 ", 0), 0u) << races.out.substr(0, 80);
    EXPECT_NE(races.out.find("\n22\t京都11R サラ4歳以上 オープン 天皇賞（春） G1 \n"), std::string::npos);
}

TEST(CliDemo, WritesIntoTheNamedFolderWithTheSeedAsked) {
    fixture::TempFolder root;
    fixture::runCommand("demo", root.path() / "data", {"--seed", "5", (root.path() / "a").string()});
    fixture::runCommand("demo", root.path() / "data", {(root.path() / "b").string(), "--seed", "5"});
    fixture::runCommand("demo", root.path() / "data", {(root.path() / "c").string()});
    EXPECT_EQ(fixture::readFile(root.path() / "a" / kHorseFile), fixture::readFile(root.path() / "b" / kHorseFile));
    EXPECT_NE(fixture::readFile(root.path() / "a" / kHorseFile), fixture::readFile(root.path() / "c" / kHorseFile));
}

TEST(CliDemo, KeepExistingLeavesADataSetAlone) {
    fixture::TempFolder root;
    fixture::writeDataSet(root.path(), {"02"});
    const std::string before = fixture::readFile(root.path() / kHeaderFile);
    fixture::CommandRun kept = fixture::runCommand("demo", root.path(), {"--keep-existing"});
    EXPECT_EQ(kept.status, 0);
    EXPECT_NE(kept.out.find("データセットがあるため、そのままにしました"), std::string::npos);
    EXPECT_EQ(fixture::readFile(root.path() / kHeaderFile), before);
}

TEST(CliDemo, RefusesBadArgumentsAndWritesNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {"--seed", "x"},
        {"--seed", "-1"},
        {"--seed"},
        {"a", "b"},
    };
    for (const auto& args : cases) {
        fixture::TempFolder root;
        std::vector<std::string> inFolder = args;
        for (std::string& a : inFolder) {
            if (a == "a" || a == "b") a = (root.path() / a).string();
        }
        EXPECT_THROW(fixture::runCommand("demo", root.path(), inFolder), UsageError) << args.front();
        EXPECT_TRUE(fs::is_empty(root.path())) << args.front();
    }
}

// Nothing to show is an error (exit status 1), with a message that says why; only the data
// folder's lock file is made.
TEST(CliRaces, AFolderWithoutADataSetOrWithoutARaceIsAnError) {
    struct Case {
        const char* what;
        bool emptyFiles;
        const char* message;
    } cases[] = {
        {"no record files", false, "データが読み込まれていません"},
        {"three empty record files", true, "データにレースが含まれていません"},
    };
    for (const Case& c : cases) {
        fixture::TempFolder root;
        if (c.emptyFiles) fixture::writeDataSet(root.path(), {});
        try {
            fixture::runCommand("races", root.path(), {});
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.message().rfind(c.message, 0), 0u) << c.what << ": " << e.message();
        }
        const size_t expectedEntries = c.emptyFiles ? 4 : 1;
        EXPECT_EQ(size_t(std::distance(fs::directory_iterator(root.path()), {})), expectedEntries) << c.what;
    }
}

}  // namespace
}  // namespace zv::cli
