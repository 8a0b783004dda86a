#include "demo_card.h"

#include <cstdio>

#include "data/record_codec.h"

namespace zv::demo {
namespace {

constexpr const char* kMaidenOnly = "01";  // 馬齢
constexpr const char* kFixed = "03";       // 定量
constexpr const char* kAllowance = "00";   // 別定
constexpr const char* kHandicap = "02";    // ハンデ

constexpr RacePlan kTokyo[] = {
    {1, '2', kMaiden, false, false, 1400, "", ' ', false, kMaidenOnly, 12, 16},
    {2, '2', kMaiden, false, true, 1600, "", ' ', false, kMaidenOnly, 14, 18},
    {3, '2', kMaiden, false, false, 1600, "", ' ', false, kMaidenOnly, 12, 16},
    {4, '8', kMaiden, true, false, 3110, "", ' ', false, kFixed, 10, 14},
    {5, '2', kDebut, false, true, 1800, "", ' ', false, kMaidenOnly, 10, 16},
    {6, '2', k500, false, false, 1600, "", ' ', false, kMaidenOnly, 12, 16},
    {7, '4', k500, false, true, 1400, "", ' ', false, kFixed, 14, 18},
    {8, '4', k1000, false, false, 1600, "", ' ', false, kFixed, 12, 16},
    {9, '2', k500, false, true, 2300, "新緑賞", ' ', false, kMaidenOnly, 8, 12},
    {10, '4', k1600, false, true, 2400, "緑風ステークス", ' ', false, kHandicap, 10, 14},
    {11, '2', kOpen, false, true, 2400, "青葉賞", '1', true, kMaidenOnly, 15, 18},
    {12, '4', k1000, false, false, 1400, "", ' ', false, kFixed, 14, 16},
};

constexpr RacePlan kKyoto[] = {
    {1, '2', kMaiden, false, false, 1200, "", ' ', false, kMaidenOnly, 12, 16},
    {2, '2', kMaiden, false, false, 1800, "", ' ', false, kMaidenOnly, 12, 16},
    {3, '2', kMaiden, false, true, 1600, "", ' ', false, kMaidenOnly, 14, 18},
    {4, '9', kMaiden, true, false, 2910, "", ' ', false, kFixed, 9, 14},
    {5, '2', kDebut, false, true, 1800, "", ' ', false, kMaidenOnly, 8, 14},
    {6, '2', k500, false, false, 1400, "", ' ', false, kMaidenOnly, 12, 16},
    {7, '4', k500, false, false, 1800, "", ' ', false, kFixed, 14, 16},
    {8, '9', kOpen, true, false, 3930, "京都ハイジャンプ", '4', false, kAllowance, 9, 13},
    {9, '2', k500, false, true, 2200, "あやめ賞", ' ', false, kMaidenOnly, 8, 12},
    {10, '4', k1600, false, false, 1200, "天王山ステークス", ' ', false, kHandicap, 14, 16},
    {11, '4', kOpen, false, true, 3200, "天皇賞（春）", '0', false, kFixed, 15, 18},
    {12, '4', k1000, false, true, 1200, "", ' ', false, kFixed, 16, 18},
};

constexpr RacePlan kNiigata[] = {
    {1, '2', kMaiden, false, false, 1200, "", ' ', false, kMaidenOnly, 14, 15},
    {2, '2', kMaiden, false, false, 1800, "", ' ', false, kMaidenOnly, 12, 15},
    {3, '2', kMaiden, false, true, 1400, "", ' ', false, kMaidenOnly, 14, 18},
    {4, '8', kMaiden, true, false, 2850, "", ' ', false, kFixed, 9, 14},
    {5, '2', kMaiden, false, true, 1000, "", ' ', false, kMaidenOnly, 14, 18},
    {6, '2', k500, false, false, 1200, "", ' ', false, kMaidenOnly, 12, 15},
    {7, '4', k500, false, true, 1600, "", ' ', false, kFixed, 14, 18},
    {8, '4', k500, false, false, 1800, "", ' ', false, kFixed, 12, 15},
    {9, '4', k1000, false, true, 2000, "魚沼特別", ' ', false, kFixed, 10, 14},
    {10, '4', k1000, false, true, 1000, "驀進特別", ' ', false, kFixed, 14, 18},
    {11, '4', kOpen, false, true, 2000, "新潟大賞典", '2', false, kHandicap, 14, 16},
    {12, '4', k1000, false, false, 1200, "", ' ', false, kFixed, 14, 15},
};

constexpr CourseDay kCourses[] = {
    {"04", false, 10 * 60 + 5, kTokyo},
    {"00", true, 10 * 60 + 0, kKyoto},
    {"07", false, 9 * 60 + 50, kNiigata},
};

// Minutes from race 1's post time: a lunch break after race 4, longer gaps before the main race.
constexpr int kPostOffsets[] = {0, 30, 60, 90, 140, 170, 200, 230, 265, 300, 335, 375};

std::string postTime(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
    return text;
}

}  // namespace

const char* classCode(int level) {
    static constexpr const char* kCodes[] = {"00001", "00003", "05000", "10000", "16000", "00004"};
    return kCodes[level];
}

std::span<const CourseDay> demoCourses() { return kCourses; }

std::string headerLine(const CourseDay& course, const RacePlan& plan, int runners, std::chrono::sys_days date) {
    const std::chrono::year_month_day ymd{date};
    RaceHeaderRecord h;
    h.racecourse = codeOfText<Racecourse>(course.code);
    h.raceNumber = numberValue(plan.number);
    h.raceDate = dateValue(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                           static_cast<int>(static_cast<unsigned>(ymd.day())));
    // The weekday codes count from Saturday: 01 土, 02 日, 03 月 .. 07 金.
    h.weekday = codeValue(static_cast<Weekday>((std::chrono::weekday{date}.c_encoding() + 1) % 7 + 1));
    h.jump = codeValue(plan.jump ? Flag::Yes : Flag::No);
    h.raceName = textValue(std::string(plan.name));
    h.grade = codeOfText<Grade>(std::string_view(&plan.grade, 1));
    h.weightRule = codeOfText<WeightRule>(plan.weightRule);
    h.raceType = codeOfText<RaceType>(std::string_view(&plan.typeCode, 1));
    h.raceClass = codeOfText<RaceClass>(classCode(plan.level));
    h.turf = codeValue(plan.turf && !plan.jump ? Flag::Yes : Flag::No);
    h.distance = numberValue(plan.distance);
    h.postTime = textValue(postTime(course.firstPostMinutes + kPostOffsets[plan.number - 1]));
    h.runnerCount = numberValue(runners);
    h.jpnGrade = codeValue(plan.jpn ? Flag::Yes : Flag::No);
    return encodeRaceHeader(h).bytes();
}

}  // namespace zv::demo
