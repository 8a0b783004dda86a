// A season of demo meeting days: consecutive Saturdays and Sundays from the week after the demo
// day, each with the demo day's card. A fixed population of horses (topped up with newcomers
// when a class runs short) runs through it: every field is drawn from the horses of its class
// rested enough, every race is run out (demo_season_race.h), and its starts appear in the
// runners' past races from their next race on. The same seed and day count give the same season.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "demo_day.h"

namespace zv::demo {

// The first day of every season: the Saturday after the demo day.
inline constexpr std::chrono::year_month_day kSeasonStart{std::chrono::year{2026}, std::chrono::May,
                                                          std::chrono::day{9}};

class Season {
public:
    explicit Season(uint32_t seed);
    ~Season();
    Season(const Season&) = delete;
    Season& operator=(const Season&) = delete;

    // Runs the next meeting day and returns its three record files' lines.
    DemoDay nextDay();
    // The date of the day nextDay() returns next.
    std::chrono::sys_days nextDate() const;
    // Horses in the population so far.
    size_t horseCount() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The folder name of a meeting day: YYYYMMDD.
std::string dayFolderName(std::chrono::sys_days date);

// Writes `days` meeting days into folder, one folder YYYYMMDD each holding the three record files
// (created as needed), told the number of days written after each. Throws zv::Error when a folder
// or file cannot be written.
void writeSeason(const std::filesystem::path& folder, int days, uint32_t seed,
                 const std::function<void(int daysWritten)>& progress = {});

}  // namespace zv::demo
