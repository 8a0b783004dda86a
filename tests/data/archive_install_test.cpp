#include <gtest/gtest.h>

#include "archive_fixture.h"
#include "data/archive/staging.h"
#include "data/error.h"
#include "data/sjis.h"
#include "data_set_fixture.h"

namespace zv::archive {
namespace {

namespace fs = std::filesystem;
using fixture::readFile;
using fixture::TempFolder;

// Old files in the data folder, new ones staged: two replace old files, one is new.
struct InstallScene {
    TempFolder data;
    void writeOld() {
        fixture::writeFile(data.path(), "bvo_den1.bv2", "old races");
        fixture::writeFile(data.path(), "bvo_uma.bv2", "old horses");
        fixture::writeFile(data.path(), "zv.csv", "untouched");
    }
    void stage(const StagingFolder& staging) {
        fixture::writeFile(staging.incoming(), "bvo_den1.bv2", "new races");
        fixture::writeFile(staging.incoming(), "bvo_uma.bv2", "new horses");
        fixture::writeFile(staging.incoming(), "readme.txt", "new notes");
    }
};

TEST(InstallStagedFiles, MovesEveryStagedFileInAndLeavesNoStagingBehind) {
    InstallScene scene;
    scene.writeOld();
    {
        StagingFolder staging(scene.data.path());
        scene.stage(staging);
        InstallOutcome outcome = installStagedFiles(staging, scene.data.path());
        EXPECT_TRUE(outcome.ok());
    }
    fixture::FolderSnapshot after = fixture::snapshot(scene.data.path());
    EXPECT_EQ(after.size(), 4u);
    EXPECT_EQ(readFile(scene.data.path() / "bvo_den1.bv2"), "new races");
    EXPECT_EQ(readFile(scene.data.path() / "bvo_uma.bv2"), "new horses");
    EXPECT_EQ(readFile(scene.data.path() / "readme.txt"), "new notes");
    EXPECT_EQ(readFile(scene.data.path() / "zv.csv"), "untouched");
}

// Every rename of the install, made to fail in turn: the data folder ends as it was.
TEST(InstallStagedFiles, AFailedMoveAtAnyStepPutsTheDataFolderBack) {
    for (int failAt = 0; failAt < 5; ++failAt) {
        SCOPED_TRACE(failAt);
        InstallScene scene;
        scene.writeOld();
        fixture::FolderSnapshot before = fixture::snapshot(scene.data.path());
        {
            StagingFolder staging(scene.data.path());
            scene.stage(staging);
            int calls = 0;
            RenameFn failing = [&](const fs::path& from, const fs::path& to) {
                if (calls++ == failAt) return std::make_error_code(std::errc::io_error);
                return renameFile(from, to);
            };
            InstallOutcome outcome = installStagedFiles(staging, scene.data.path(), failing);
            EXPECT_FALSE(outcome.ok());
            EXPECT_TRUE(outcome.restored);
            EXPECT_EQ(outcome.failures.size(), 1u);
        }
        EXPECT_EQ(fixture::snapshot(scene.data.path()), before);
    }
}

TEST(InstallStagedFiles, ARollbackThatFailsTooIsReported) {
    InstallScene scene;
    scene.writeOld();
    StagingFolder staging(scene.data.path());
    scene.stage(staging);
    int calls = 0;
    RenameFn failing = [&](const fs::path& from, const fs::path& to) {
        if (calls++ >= 3) return std::make_error_code(std::errc::io_error);
        return renameFile(from, to);
    };
    InstallOutcome outcome = installStagedFiles(staging, scene.data.path(), failing);
    EXPECT_FALSE(outcome.ok());
    EXPECT_FALSE(outcome.restored);
    EXPECT_GE(outcome.failures.size(), 2u);
}

TEST(InstallStagedFiles, ReadOnlyFilesAndFoldersInTheWayStopItBeforeAnythingMoves) {
    InstallScene scene;
    scene.writeOld();
    fs::permissions(scene.data.path() / "bvo_uma.bv2", fs::perms::owner_read);
    fs::create_directory(scene.data.path() / "readme.txt");
    fixture::FolderSnapshot before = fixture::snapshot(scene.data.path());
    {
        StagingFolder staging(scene.data.path());
        scene.stage(staging);
        InstallOutcome outcome = installStagedFiles(staging, scene.data.path());
        EXPECT_EQ(outcome.failures.size(), 2u);
        EXPECT_TRUE(outcome.restored);
    }
    EXPECT_EQ(fixture::snapshot(scene.data.path()), before);
}

TEST(StagingFolder, IsRemovedWithItsContent) {
    TempFolder data;
    fs::path root;
    {
        StagingFolder staging(data.path());
        root = staging.root();
        EXPECT_EQ(root.parent_path(), data.path());
        fixture::writeFile(staging.incoming(), "x", "y");
    }
    EXPECT_FALSE(fs::exists(root));
    EXPECT_TRUE(fs::is_empty(data.path()));
}

TEST(StagingFolder, AMissingDataFolderIsAnError) {
    TempFolder data;
    EXPECT_THROW(StagingFolder(data.path() / "missing"), Error);
}

}  // namespace
}  // namespace zv::archive
