#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_context.h"
#include "data/text_file.h"
#include "support/archive_fixture.h"
#include "support/command_run.h"
#include "support/data_set_fixture.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

TEST(CliOpen, PrintsTheRaceCountOrTheMessageWithTerminalLineEnds) {
    fixture::TempFolder root;
    fixture::Day day = fixture::sampleDay();
    std::string good = fixture::craftArchive({{kHeaderFile, joinCrLf(day.headers)},
                                              {kRunnerFile, joinCrLf(day.runners)},
                                              {kHorseFile, joinCrLf(day.horses)}});
    fixture::writeFile(root.path(), "good.lzh", good);
    fixture::writeFile(root.path(), "bad.lzh", "not an archive");

    fixture::CommandRun ok = fixture::runCommand("open", root.path() / "data", {(root.path() / "good.lzh").string()});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, "2\n");
    EXPECT_EQ(ok.err, "");

    fixture::FolderSnapshot before = fixture::snapshot(root.path() / "data");
    fixture::CommandRun bad = fixture::runCommand("open", root.path() / "data", {(root.path() / "bad.lzh").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err,
              "zelvora-cli: 指定した書庫ファイルにデータは含まれておりません。\n\n正しいBVOデータをご利用ください。\n");
    EXPECT_EQ(fixture::snapshot(root.path() / "data"), before);
}

TEST(CliOpen, NeedsExactlyOneArchive) {
    fixture::TempFolder root;
    EXPECT_THROW(fixture::runCommand("open", root.path(), {}), UsageError);
    EXPECT_THROW(fixture::runCommand("open", root.path(), {"a.lzh", "b.lzh"}), UsageError);
    EXPECT_TRUE(fs::is_empty(root.path()));
}

}  // namespace
}  // namespace zv::cli
