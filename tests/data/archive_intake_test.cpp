#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/sjis.h"
#include "data/temporary_files.h"
#include "support/archive_intake_fixture.h"

namespace zv {
namespace {

namespace fs = std::filesystem;
using fixture::DayForm;
using fixture::readFile;

std::vector<std::string> copies(const RecordLines& lines) { return {lines.begin(), lines.end()}; }

class ArchiveIntake : public fixture::IntakeTest {
protected:
    void expectNewDayLoaded(const IntakeResult& result) {
        ASSERT_TRUE(result) << result.failure().message;
        EXPECT_EQ(*result, 2);
        EXPECT_EQ(copies(store.headerLines), newDay.headers);
        EXPECT_EQ(copies(store.runnerLines), newDay.runners);
        EXPECT_EQ(copies(store.horseLines), newDay.horses);
        EXPECT_EQ(store.headers[0].raceNumberText, "01");
        EXPECT_EQ(store.headers[0].jpnFlag, "1");
        EXPECT_EQ(readFile(dataFolder() / kHeaderFile), joinCrLf(newDay.headers));
        EXPECT_EQ(readFile(dataFolder() / kRunnerFile), joinCrLf(newDay.runners));
        EXPECT_EQ(readFile(dataFolder() / kHorseFile), joinCrLf(newDay.horses));
        for (const fs::directory_entry& e : fs::directory_iterator(dataFolder())) {
            std::string name = e.path().filename().string();
            EXPECT_EQ(name.find(".bv3"), std::string::npos) << name;
            EXPECT_EQ(name.find("bvo_tok"), std::string::npos) << name;
            EXPECT_FALSE(isTemporaryName(name)) << "staging folder left: " << name;
        }
    }
};

TEST_F(ArchiveIntake, EachArchiveFormLoadsTheNewDayFromItsFirstRace) {
    for (DayForm form : {DayForm::Version2, DayForm::Version3, DayForm::Replacement}) {
        SCOPED_TRACE(static_cast<int>(form));
        SetUp();  // the previous day back in place
        fs::remove_all(sourceFolder());
        fs::create_directories(sourceFolder());
        IntakeResult result = openArchive(packDay(form), dataFolder(), store, {});
        expectNewDayLoaded(result);
    }
}

// The record files come in with the mode any new file gets under the umask, as exports and
// downloads do, the converted version-3 files too.
TEST_F(ArchiveIntake, InstalledRecordFilesGetTheModeOfANewFile) {
    for (DayForm form : {DayForm::Version2, DayForm::Version3, DayForm::Replacement}) {
        for (mode_t mask : {mode_t{022}, mode_t{002}, mode_t{077}}) {
            SCOPED_TRACE(testing::Message() << "form " << static_cast<int>(form) << ", umask " << std::oct << mask);
            SetUp();
            fs::remove_all(sourceFolder());
            fs::create_directories(sourceFolder());
            const fs::path archive = packDay(form);
            const mode_t previous = ::umask(mask);
            IntakeResult result = openArchive(archive, dataFolder(), store, {});
            ::umask(previous);
            ASSERT_TRUE(result) << result.failure().message;
            for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
                struct stat info {};
                ASSERT_EQ(::stat((dataFolder() / name).c_str(), &info), 0) << name;
                EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << name;
            }
        }
    }
}

TEST_F(ArchiveIntake, Version3HeaderByte74BecomesTheJpnFlagOfA777ByteLine) {
    openArchive(packDay(DayForm::Version3), dataFolder(), store, {});
    ASSERT_EQ(store.headerLines[0].size(), 777u);
    EXPECT_EQ(store.headerLines[0][357], '1');
    EXPECT_EQ(store.runnerLines[0].size(), 741u);
}

TEST_F(ArchiveIntake, ProgressRunsUpTo100AndEndsAt0) {
    std::vector<int> percents;
    IntakeResult result =
        openArchive(packDay(DayForm::Version2), dataFolder(), store, [&](int p) { percents.push_back(p); });
    ASSERT_TRUE(result);
    ASSERT_GE(percents.size(), 2u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end() - 1));
    EXPECT_EQ(percents[percents.size() - 2], 100);
    EXPECT_EQ(percents.back(), 0);
}

TEST_F(ArchiveIntake, OtherMembersStayInTheDataFolderUnderTheirFileName) {
    auto members = dayMembers();
    members.push_back({"readme.txt", "notes"});
    members.push_back({"../escape.txt", "kept inside"});
    members.push_back(fixture::symbolicLink(kRunnerFile, "/etc/hostname"));
    members.push_back(fixture::symbolicLink("link.txt", "/etc/hostname"));
    IntakeResult result = openArchive(writeArchive(fixture::craftArchive(members)), dataFolder(), store, {});
    expectNewDayLoaded(result);
    EXPECT_EQ(readFile(dataFolder() / "readme.txt"), "notes");
    EXPECT_EQ(readFile(dataFolder() / "escape.txt"), "kept inside");
    EXPECT_FALSE(fs::exists(root.path() / "escape.txt"));
    EXPECT_FALSE(fs::is_symlink(dataFolder() / kRunnerFile));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dataFolder() / "link.txt")));
}

// Members named like the files the user and the program keep beside the record files are not
// unpacked, whatever their letter case; those files stay as they were or stay absent.
TEST_F(ArchiveIntake, MembersNeverReplaceTheFilesTheUserKeeps) {
    const char* kept[] = {"zv.csv", "kakin.log", "settei.txt", "zelvora.ini", ".zelvora.lock"};
    for (const char* name : kept) fixture::writeFile(dataFolder(), name, std::string("mine: ") + name);
    auto members = dayMembers();
    for (const char* name : kept) members.push_back({name, "from the archive"});
    for (const char* name : {"KAKIN.LOG", "Other.INI", ".hidden"}) members.push_back({name, "from the archive"});
    IntakeResult result = openArchive(writeArchive(fixture::craftArchive(members)), dataFolder(), store, {});
    expectNewDayLoaded(result);
    for (const char* name : kept) EXPECT_EQ(readFile(dataFolder() / name), std::string("mine: ") + name);
    for (const char* name : {"KAKIN.LOG", "Other.INI", ".hidden"})
        EXPECT_FALSE(fs::exists(dataFolder() / name)) << name;
}

TEST_F(ArchiveIntake, AVersion3HorseFileReplacesAVersion2OneOfTheSameArchive) {
    auto members = dayMembers();
    members[2].data = "stale horse lines\r\n";
    members.push_back({"bvo_uma.bv3", joinCrLf(newDay.horses)});
    IntakeResult result = openArchive(writeArchive(fixture::craftArchive(members)), dataFolder(), store, {});
    expectNewDayLoaded(result);
}

}  // namespace
}  // namespace zv
