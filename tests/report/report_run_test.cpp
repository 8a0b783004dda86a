#include "report/report_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "data/store.h"
#include "demo/demo_day.h"
#include "demo/demo_season.h"
#include "support/archive_fixture.h"
#include "support/data_set_fixture.h"

namespace zv::report {
namespace {

namespace fs = std::filesystem;

bool skippedWith(const ReportCard& card, const fs::path& path, const std::string& reasonPart) {
    return std::any_of(card.skipped.begin(), card.skipped.end(), [&](const SkippedInput& s) {
        return s.path == path.string() && s.reason.find(reasonPart) != std::string::npos;
    });
}

class ReportRunTest : public ::testing::Test {
protected:
    void SetUp() override { demo::writeSeason(season(), 3, 5); }
    fs::path season() const { return root.path() / "season"; }
    fs::path day(int index) const {
        std::vector<fs::path> days;
        for (const auto& entry : fs::directory_iterator(season())) days.push_back(entry.path());
        std::sort(days.begin(), days.end());
        return days.at(static_cast<size_t>(index));
    }
    fixture::TempFolder root;
};

TEST_F(ReportRunTest, ReadsDaysInDateOrderWhateverOrderTheyAreGiven) {
    ReportCard card = runReport({day(2), day(0), day(1)});
    ASSERT_EQ(card.days.size(), 3u);
    EXPECT_EQ(card.days[0].date, "2026/05/09");
    EXPECT_EQ(card.days[1].date, "2026/05/10");
    EXPECT_EQ(card.days[2].date, "2026/05/16");
    EXPECT_EQ(card.days[0].races, 36);
    EXPECT_TRUE(card.skipped.empty());
    EXPECT_EQ(card.coverage.races, 108);
}

TEST_F(ReportRunTest, AFolderOfDaysIsReadOneLevelDownAndTheSameDayCountsOnce) {
    fs::copy(day(0), root.path() / "again");
    ReportCard card = runReport({season(), root.path() / "again"});
    EXPECT_EQ(card.days.size(), 3u);
    EXPECT_EQ(card.coverage.races, 108);
    ASSERT_EQ(card.skipped.size(), 1u);
    EXPECT_NE(card.skipped[0].reason.find("2026/05/09"), std::string::npos) << card.skipped[0].reason;
}

TEST_F(ReportRunTest, UnreadableInputsAreListedWithTheirReasonAndTheRunGoesOn) {
    fs::path missingFile = root.path() / "missing-file";
    fs::copy(day(1), missingFile);
    fs::remove(missingFile / kHorseFile);
    fs::path damaged = root.path() / "damaged.lzh";
    std::ofstream(damaged, std::ios::binary) << "not an archive at all";
    fs::path cutShort = root.path() / "cut-short";
    fs::copy(day(2), cutShort);
    std::ofstream(cutShort / kHorseFile, std::ios::binary | std::ios::trunc) << "short\r\n";
    fs::path nowhere = root.path() / "nowhere";

    ReportCard card = runReport({day(0), missingFile, damaged, cutShort, nowhere});
    EXPECT_EQ(card.days.size(), 1u);
    EXPECT_TRUE(skippedWith(card, missingFile, kHorseFile)) << card.skipped.size();
    EXPECT_TRUE(skippedWith(card, damaged, ""));
    EXPECT_TRUE(skippedWith(card, cutShort, ""));
    EXPECT_TRUE(skippedWith(card, nowhere, "見つかりません"));
    EXPECT_EQ(card.skipped.size(), 4u);
}

TEST_F(ReportRunTest, ArchivesGoThroughTheIntakeAndNoFolderIsTouched) {
    fs::path data = root.path() / "data";
    writeDemoDay(data, 3);
    fs::path inputs = root.path() / "inputs";
    fs::create_directories(inputs);
    fixture::packWithJlha(day(1), inputs / "day2.lzh", "-a1q", {kHeaderFile, kRunnerFile, kHorseFile});
    fs::create_directories(root.path() / "hostile-src");
    fixture::writeDay(root.path() / "hostile-src", fixture::sampleDay(), fixture::DayForm::Version2);
    std::vector<fixture::CraftedMember> members{{"../../escaped.txt", "x"}};
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        members.emplace_back(name, fixture::readFile(root.path() / "hostile-src" / name));
    }
    std::ofstream(inputs / "hostile.lzh", std::ios::binary) << fixture::craftArchive(members);
    const fixture::FolderSnapshot dataBefore = fixture::snapshot(data), inputsBefore = fixture::snapshot(inputs),
                                  seasonBefore = fixture::snapshot(season());

    ReportCard card = runReport({day(0), inputs, data});
    EXPECT_EQ(fixture::snapshot(data), dataBefore);
    EXPECT_EQ(fixture::snapshot(inputs), inputsBefore);
    EXPECT_EQ(fixture::snapshot(season()), seasonBefore);
    EXPECT_FALSE(fs::exists(root.path() / "escaped.txt"));
    EXPECT_FALSE(fs::exists(root.path().parent_path() / "escaped.txt"));
    // The climbing member is never unpacked; the archive's day is read, and its races, whose
    // weights are blank, are refused one by one with the reason.
    ASSERT_EQ(card.days.size(), 4u);
    EXPECT_EQ(card.days[0].path, (inputs / "hostile.lzh").string());
    EXPECT_EQ(card.days[0].races, 0);
    EXPECT_TRUE(skippedWith(card, inputs / "hostile.lzh", "weight_carried"));
    EXPECT_EQ(card.days[1].path, data.string());
    EXPECT_EQ(card.days[3].path, (inputs / "day2.lzh").string());
    EXPECT_EQ(card.days[3].races, 36);
}

TEST_F(ReportRunTest, ASeasonShowsTheTopMarkAheadOfTheUnmarked) {
    fs::path longer = root.path() / "sixteen";
    demo::writeSeason(longer, 16, 1);
    ReportCard card = runReport({longer});
    ASSERT_EQ(card.days.size(), 16u);
    const RateRow& top = card.byMark.front();
    const RateRow& unmarked = card.byMark.back();
    ASSERT_GT(top.win.base, 100);
    EXPECT_GT(*top.win.rate(), *unmarked.win.rate());
    EXPECT_GT(*top.top3.rate(), *unmarked.top3.rate());
    EXPECT_GT(card.coverage.runnersWithResult, card.coverage.runners / 3);
    EXPECT_LT(card.coverage.racesWithFirstThree, card.coverage.races);
}

}  // namespace
}  // namespace zv::report
