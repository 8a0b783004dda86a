#include "demo/demo_day.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "data/convert.h"
#include "data/error.h"
#include "data/field.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/store.h"
#include "support/data_set_fixture.h"

namespace zv {
namespace {

constexpr const char* kMeetingDate = "20260503";

int number(std::string_view text) { return parseInt(text).value_or(-1); }

bool isCleanCp932(std::string_view text) { return toUtf8(text).find("\xEF\xBF\xBD") == std::string::npos; }

TEST(DemoDay, SameSeedSameDayOtherSeedOtherDay) {
    DemoDay a = makeDemoDay(7), b = makeDemoDay(7), c = makeDemoDay(8);
    EXPECT_EQ(a.headerLines, b.headerLines);
    EXPECT_EQ(a.runnerLines, b.runnerLines);
    EXPECT_EQ(a.horseLines, b.horseLines);
    EXPECT_NE(a.horseLines, c.horseLines);
}

TEST(DemoDay, WrittenFilesLoadAsThirtySixRaces) {
    fixture::TempFolder folder;
    writeDemoDay(folder.path() / "new" / "day", 1);
    RaceDataStore store;
    ASSERT_TRUE(loadDataSet(store, folder.path() / "new" / "day"));
    EXPECT_EQ(store.raceCount, 36);
    for (int r = 0; r < store.raceCount; ++r) {
        EXPECT_GE(store.runnerCount(r), 8) << r;
        EXPECT_LE(store.runnerCount(r), 18) << r;
    }
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        std::ifstream in(folder.path() / "new" / "day" / name, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GE(bytes.size(), 2u) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        size_t lf = 0, crlf = 0;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') ++lf, crlf += i > 0 && bytes[i - 1] == '\r';
        }
        EXPECT_EQ(lf, crlf) << name << ": every line ends in CR LF";
    }
}

TEST(DemoDay, FullFieldsGiveEighteenRunnersEverywhere) {
    DemoDay day = makeDemoDay(3, 18);
    EXPECT_EQ(day.headerLines.size(), 36u);
    EXPECT_EQ(day.runnerLines.size(), 36u * 18);
    EXPECT_EQ(day.horseLines.size(), 36u * 18);
}

TEST(DemoDay, CardHoldsTheRaceKindsOfARealDay) {
    DemoDay day = makeDemoDay(1);
    std::set<std::string> classes, grades;
    std::map<std::string, int> racesPerCourse, jumpsPerCourse;
    bool jpnGraded = false, plainGraded = false, thousandMetres = false;
    for (const std::string& h : day.headerLines) {
        std::string course(field(h, header_line::racecourse_code));
        ++racesPerCourse[course];
        EXPECT_EQ(number(field(h, header_line::race_number)), racesPerCourse[course]);
        EXPECT_EQ(field(h, header_line::race_date), kMeetingDate);
        jumpsPerCourse[course] += field(h, header_line::jump_flag) == "1";
        classes.insert(std::string(field(h, header_line::race_class_code)));
        std::string grade(field(h, header_line::grade_code));
        if (grade == "0" || grade == "1" || grade == "2") {
            grades.insert(grade);
            (field(h, header_line::jpn_grade_flag) == "1" ? jpnGraded : plainGraded) = true;
        }
        thousandMetres |= field(h, header_line::distance) == "1000";
        EXPECT_TRUE(isCleanCp932(h));
    }
    EXPECT_EQ(racesPerCourse, (std::map<std::string, int>{{"00", 12}, {"04", 12}, {"07", 12}}));
    for (const auto& [course, jumps] : jumpsPerCourse) EXPECT_GE(jumps, 1) << course;
    EXPECT_EQ(classes, (std::set<std::string>{"00001", "00003", "05000", "10000", "16000", "00004"}));
    EXPECT_EQ(grades, (std::set<std::string>{"0", "1", "2"}));
    EXPECT_TRUE(jpnGraded);
    EXPECT_TRUE(plainGraded);
    EXPECT_TRUE(thousandMetres);
}

TEST(DemoDay, HorsesAndPastRacesAreConsistent) {
    DemoDay day = makeDemoDay(1);
    std::set<std::string> names;
    int debutants = 0, fewRaces = 0, longLayoffs = 0;
    for (size_t g = 0; g < day.runnerLines.size(); ++g) {
        const std::string& runner = day.runnerLines[g];
        const std::string& horse = day.horseLines[g];
        std::string name(trimmed(field(runner, runner_line::horse_name)));
        EXPECT_TRUE(names.insert(name).second) << toUtf8(name) << " twice";
        EXPECT_EQ(trimmed(field(horse, horse_line::horse_name)), name);
        EXPECT_TRUE(isCleanCp932(runner) && isCleanCp932(horse)) << g;
        EXPECT_GT(number(field(runner, runner_line::rate)), 0) << g;

        int past = 0, wins = 0;
        for (int k = 0; k < kPastGroups; ++k) {
            std::string date(pastField(horse, horse_line::past_race_date, k));
            if (trimmed(date).empty()) {
                EXPECT_TRUE(trimmed(pastField(horse, horse_line::past_racecourse_code, k)).empty()) << g << "/" << k;
                continue;
            }
            ++past;
            EXPECT_LT(date, kMeetingDate) << g << "/" << k;
            if (k == 0 && number(date) < 20250603) ++longLayoffs;
            int size = number(pastField(horse, horse_line::past_field_size, k));
            int finish = number(pastField(horse, horse_line::past_finish, k));
            EXPECT_TRUE((finish >= 1 && finish <= size) || finish == 33) << g << "/" << k;
            wins += finish == 1;
            // Margins are unsigned tenths, the winner's lead included.
            std::string_view margin = pastField(horse, horse_line::past_margin, k);
            EXPECT_EQ(margin.find_first_not_of("0123456789"), std::string_view::npos) << g << "/" << k;
            for (const FieldDef& c : {horse_line::past_corner1, horse_line::past_corner2, horse_line::past_corner3,
                                      horse_line::past_corner4}) {
                int position = number(pastField(horse, c, k));
                EXPECT_TRUE(position >= 0 && position <= size) << g << "/" << k;
            }
            std::string_view early = pastField(horse, horse_line::past_first_3f, k);
            if (pastField(horse, horse_line::past_jump_flag, k) == "1") {
                EXPECT_TRUE(trimmed(early).empty()) << g << "/" << k;
            } else if (pastField(horse, horse_line::past_distance, k) == "1000") {
                EXPECT_GE(number(early), 200) << g << "/" << k;
                EXPECT_LE(number(early), 260) << g << "/" << k;
            } else {
                EXPECT_GE(number(early), 335) << g << "/" << k;
                EXPECT_LE(number(early), 385) << g << "/" << k;
            }
        }
        EXPECT_GE(number(field(horse, horse_line::record_firsts)), wins) << g;
        debutants += past == 0;
        fewRaces += past >= 1 && past <= 4;
    }
    EXPECT_GT(debutants, 0);
    EXPECT_GT(fewRaces, 0);
    EXPECT_GT(longLayoffs, 0);
}

TEST(WriteDemoDay, FileInTheWayIsAnErrorAndWritesNothing) {
    fixture::TempFolder folder;
    fixture::writeFile(folder.path(), "blocked", "x");
    EXPECT_THROW(writeDemoDay(folder.path() / "blocked" / "day", 1), Error);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "blocked"));
}

}  // namespace
}  // namespace zv
