// A data folder holding a previous day that is also loaded into a store, and archives of a new
// day to take in: the common ground of the intake tests.
#pragma once

#include <gtest/gtest.h>

#include "data/archive/intake.h"
#include "data/store.h"
#include "data/text_file.h"
#include "support/archive_fixture.h"
#include "support/data_set_fixture.h"

namespace zv::fixture {

class IntakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dataFolder());
        std::filesystem::create_directories(sourceFolder());
        writeDay(dataFolder(), previousDay, DayForm::Version2);
        ASSERT_TRUE(loadDataFolder(store, dataFolder()));
    }

    std::filesystem::path dataFolder() const { return root.path() / "data"; }
    std::filesystem::path sourceFolder() const { return root.path() / "source"; }
    std::filesystem::path archivePath() const { return root.path() / "day.lzh"; }

    // Packs the new day in the given form (plus extra files of the source folder) with jlha.
    std::filesystem::path packDay(DayForm form, const std::string& options = "-a1q",
                                  const std::vector<std::string>& extra = {}) {
        std::vector<std::string> names = writeDay(sourceFolder(), newDay, form);
        names.insert(names.end(), extra.begin(), extra.end());
        packWithJlha(sourceFolder(), archivePath(), options, names);
        return archivePath();
    }

    // The new day's version-2 files as crafted, stored members.
    std::vector<CraftedMember> dayMembers() const {
        return {{kHeaderFile, joinCrLf(newDay.headers)},
                {kRunnerFile, joinCrLf(newDay.runners)},
                {kHorseFile, joinCrLf(newDay.horses)}};
    }

    std::filesystem::path writeArchive(const std::string& bytes) {
        writeFile(root.path(), "day.lzh", bytes);
        return archivePath();
    }

    TempFolder root;
    Day previousDay = sampleDay(5);
    Day newDay = sampleDay(1, true);
    RaceDataStore store;
};

}  // namespace zv::fixture
