// The race card of the demo meeting day: three racecourses of twelve races each, planned the way
// a real Sunday card runs (maidens and a steeplechase in the morning, special races in the
// afternoon, the main race as race 11), and the race header line of each race.
#pragma once

#include <chrono>
#include <span>
#include <string>
#include <string_view>

namespace zv::demo {

// Class levels; the race class code of each is in classCode().
enum Level { kDebut, kMaiden, k500, k1000, k1600, kOpen };
const char* classCode(int level);

struct RacePlan {
    int number;
    char typeCode;  // race_type_code: '2' サラ3歳, '4' サラ4歳以上, '8'/'9' steeplechases
    int level;
    bool jump;
    bool turf;
    int distance;
    std::string_view name;  // UTF-8; empty for a plain race
    char grade;             // grade_code '0'..'5', ' ' for none
    bool jpn;
    const char* weightRule;  // weight_rule_code
    int minRunners;
    int maxRunners;
};

struct CourseDay {
    const char* code;      // racecourse_code
    bool west;             // horses mostly from the western training centre (栗東)
    int firstPostMinutes;  // post time of race 1, minutes after midnight
    std::span<const RacePlan> races;
};

// The meeting day: a Sunday.
inline constexpr std::chrono::year_month_day kMeetingDay{std::chrono::year{2026}, std::chrono::May,
                                                         std::chrono::day{3}};

std::span<const CourseDay> demoCourses();

// The race header line (CP932) of race plan on course with the given runner count, run on date.
std::string headerLine(const CourseDay& course, const RacePlan& plan, int runners,
                       std::chrono::sys_days date = std::chrono::sys_days{kMeetingDay});

}  // namespace zv::demo
