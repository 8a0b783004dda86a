// Collecting the report card day by day, in date order. Each day's races are rated (the ratings
// stage) and held as pending predictions; each later day's horse lines are searched for the
// past-race groups of those races (same date, racecourse and horse number, same horse name), which
// give a runner's finish, popularity and the winner's (or the second's) name. Memory holds one day
// and the pending predictions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/store.h"
#include "predict/calendar.h"
#include "report/report_card.h"

namespace zv::report {

class ReportTally {
public:
    // Takes the next meeting day (dated `day`, later than every day taken before). Races that
    // cannot be rated are listed in `skipped` under `path`. Returns the races rated.
    int addDay(const RaceDataStore& store, const LocalDateTime& day, const std::string& path,
               std::vector<SkippedInput>& skipped);

    // The tables over every day taken.
    ReportCard card() const;

private:
    struct Runner {
        std::string name;    // CP932, trimmed
        int mark = -1;       // 0 ◎ .. 5 ☆; -1 unmarked
        int rank = 0;        // combined rank in the race, ties sharing the better one
        int indexBand = 0;   // 0 (0.0–9.9) .. 9 (90.0–100.0)
        bool found = false;  // its own later record was found
        int finish = 0;      // from that record
        int popularity = 0;
        std::string opponent;  // from that record: the winner's name, or the second's after a win
    };
    struct Race {
        std::vector<Runner> runners;
        std::array<int, 6> marks{};
        bool trifecta = false;
    };

    void lookUpOutcomes(const RaceDataStore& store, int dayKey);
    void rateDay(const RaceDataStore& store, const LocalDateTime& day, const std::string& path,
                 std::vector<SkippedInput>& skipped, int& rated);

    std::vector<Race> races_;
    // date (8) + racecourse code (2) + horse number (2) + trimmed horse name -> race, runner
    std::unordered_map<std::string, std::pair<uint32_t, uint16_t>> pending_;
};

}  // namespace zv::report
