#include <gtest/gtest.h>

#include "data/archive/staging.h"
#include "data/error.h"
#include "data/sjis.h"
#include "support/archive_fixture.h"
#include "support/data_set_fixture.h"

namespace zv::archive {
namespace {

namespace fs = std::filesystem;
using fixture::readFile;
using fixture::TempFolder;

// Old files in the data folder, new ones staged: two replace old files, one is new.
constexpr int kStagedFiles = 3;
struct InstallScene {
    TempFolder data;
    void writeOld() {
        fixture::writeFile(data.path(), "bvo_den1.bv2", "old races");
        fixture::writeFile(data.path(), "bvo_uma.bv2", "old horses");
        fixture::writeFile(data.path(), "zv.csv", "untouched");
    }
    void stage(const StagingFolder& staging) const {
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
    for (int failAt = 0; failAt < kStagedFiles; ++failAt) {
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
        if (calls++ >= kStagedFiles - 1) return std::make_error_code(std::errc::io_error);
        return renameFile(from, to);
    };
    InstallOutcome outcome = installStagedFiles(staging, scene.data.path(), failing);
    EXPECT_FALSE(outcome.ok());
    EXPECT_FALSE(outcome.restored);
    EXPECT_GE(outcome.failures.size(), 2u);
}

// The data folder before and after a whole install of the scene.
struct WholeSets {
    fixture::FolderSnapshot old, installed;
    WholeSets() {
        InstallScene scene;
        scene.writeOld();
        old = fixture::snapshot(scene.data.path());
        {
            StagingFolder staging(scene.data.path());
            scene.stage(staging);
            installStagedFiles(staging, scene.data.path());
        }
        installed = fixture::snapshot(scene.data.path());
    }
};

// In a child process: installs the scene and ends the process right before rename call stopAt
// (or after the install when it makes fewer calls), as a kill would, leaving everything in place.
// The rename call failAt fails, which makes the install roll back.
[[noreturn]] void installAndStop(const InstallScene& scene, int stopAt, int failAt) {
    auto* staging = new StagingFolder(scene.data.path());  // never removed: the process just ends
    scene.stage(*staging);
    int calls = 0;
    RenameFn stopping = [&](const fs::path& from, const fs::path& to) {
        if (calls == stopAt) std::_Exit(0);
        if (calls++ == failAt) return std::make_error_code(std::errc::io_error);
        return renameFile(from, to);
    };
    installStagedFiles(*staging, scene.data.path(), stopping);
    std::_Exit(0);
}

TEST(InstallStagedFiles, AKillAfterAnyRenameLeavesTheOldOrTheNewSetWholeAfterRecovery) {
    const WholeSets sets;
    // Killed while moving in, the install is completed by the next start; killed while undoing a
    // failed move, it is undone.
    struct Case {
        int failAt;    // -1: no rename fails
        int lastStop;  // the stops tried are 0 .. lastStop
    } cases[] = {{-1, kStagedFiles}, {kStagedFiles - 1, 2 * kStagedFiles + 1}};
    for (const Case& c : cases) {
        for (int stopAt = 0; stopAt <= c.lastStop; ++stopAt) {
            SCOPED_TRACE("fail at " + std::to_string(c.failAt) + ", stop at " + std::to_string(stopAt));
            InstallScene scene;
            scene.writeOld();
            EXPECT_EXIT(installAndStop(scene, stopAt, c.failAt), ::testing::ExitedWithCode(0), "");
            recoverDataFolder(scene.data.path());
            const bool undoing = c.failAt >= 0 && stopAt > c.failAt;
            EXPECT_EQ(fixture::snapshot(scene.data.path()), undoing ? sets.old : sets.installed);
        }
    }
}

// An intake killed while unpacking, before its journal: the next start removes what it staged and
// leaves the data folder as it was.
TEST(RecoverDataFolder, RemovesTheStagingFolderOfAnIntakeKilledBeforeItsJournal) {
    InstallScene scene;
    scene.writeOld();
    const fixture::FolderSnapshot old = fixture::snapshot(scene.data.path());
    EXPECT_EXIT(
        {
            auto* staging = new StagingFolder(scene.data.path());  // never removed: the process just ends
            scene.stage(*staging);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    ASSERT_NE(fixture::snapshot(scene.data.path()), old);
    recoverDataFolder(scene.data.path());
    EXPECT_EQ(fixture::snapshot(scene.data.path()), old);
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
