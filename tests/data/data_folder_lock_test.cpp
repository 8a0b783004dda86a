// Exports keep the data folder's writers apart only where they write into a data folder.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/store.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class ExportLock : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("zv_lock_" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    void makeDataFolder() const {
        for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) std::ofstream(folder / name) << "x";
    }
    fs::path folder;
};

TEST_F(ExportLock, AnExportIntoADataFolderWaitsForTheOtherWriterAndThenGivesUpWritingNothing) {
    makeDataFolder();
    const DataFolderLock otherWriter(folder);
    try {
        const auto lock = lockWhenInDataFolder(folder / "zv101010.kmi", 100ms);
        FAIL() << "the lock was taken twice";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), dataFolderBusyMessage());
    }
    EXPECT_FALSE(fs::exists(folder / "zv101010.kmi"));
}

TEST_F(ExportLock, AnExportIntoADataFolderTakesItsLock) {
    makeDataFolder();
    writeExportFile(folder / "out.idx", "line", FileDurability::Regenerable);
    EXPECT_TRUE(fs::exists(folder / kDataFolderLockFile));
    EXPECT_TRUE(fs::exists(folder / "out.idx"));
}

TEST_F(ExportLock, AnExportIntoAnyOtherFolderLeavesNoLockFileThere) {
    writeExportFile(folder / "out.kmi", "line", FileDurability::Regenerable);
    EXPECT_FALSE(fs::exists(folder / kDataFolderLockFile));
    EXPECT_TRUE(fs::exists(folder / "out.kmi"));
}

}  // namespace
}  // namespace zv
