// Collecting the report card day by day, in date order. Each day's races are rated (the ratings
// stage) and held as pending predictions; each later day's horse lines are searched for the
// past-race groups of those races (same date, racecourse and horse number, same horse name), which
// give a runner's finish, popularity and the winner's (or the second's) name. Memory holds one day
// and the pending predictions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/store.h"
#include "predict/calendar.h"
#include "report/report_card.h"

namespace zv {
struct RaceRatings;
}

namespace zv::report {

// One rated race as the report card counts it: per runner what was predicted and, once a later
// day's record of the horse gives it, how it finished.
struct TalliedRunner {
    std::string name;    // horse name, trimmed; what a later record is matched by
    int mark = -1;       // 0 ◎ .. 5 ☆; -1 unmarked
    int ownMark = -1;    // the user's: 0 ◎ .. 5 ☆, 6 消; -1 none
    int rank = 0;        // combined rank in the race, ties sharing the better one
    int indexBand = 0;   // 0 (0.0–9.9) .. 9 (90.0–100.0)
    bool found = false;  // its own later record was found
    int finish = 0;      // from that record
    int popularity = 0;
    // From that record: the horse number in this race of the winner, or of the second after a
    // win, as the record names it; 0 when no runner of the race has that name.
    int opponent = 0;
};
// The user's own marks on a race that carries any.
struct OwnPicks {
    std::array<int, 6> picks{};  // runner numbers holding ◎ .. ☆; 0 = none
    bool trifecta = false;       // the race number is 9 or later
};
struct TalliedRace {
    std::vector<TalliedRunner> runners;  // runner order
    std::array<int, 6> marks{};          // runner numbers in mark order ◎ ○ ▲ △ × ☆; 0 = no pick
    bool trifecta = false;
    std::optional<OwnPicks> own;  // only a race the user marked counts in the own-mark rows
};

// The index band of a combined rating: 0 (0.0–9.9) .. 9 (90.0–100.0).
int indexBandOf(int32_t combined);

// The predictions of a rated race, its outcomes not yet known.
TalliedRace talliedRace(const RaceRatings& ratings);

// The tables over races (days, skipped and aborted left empty).
ReportCard countRaces(const std::vector<TalliedRace>& races);

class ReportTally {
public:
    // Takes the next meeting day (dated `day`, later than every day taken before). Races that
    // cannot be rated are listed in `skipped` under `path`. Returns the races rated.
    int addDay(const RaceDataStore& store, const LocalDateTime& day, const std::string& path,
               std::vector<SkippedInput>& skipped);

    // The tables over every day taken.
    ReportCard card() const;

private:
    void lookUpOutcomes(const RaceDataStore& store, int dayKey);
    void rateDay(const RaceDataStore& store, const LocalDateTime& day, const std::string& path,
                 std::vector<SkippedInput>& skipped, int& rated);

    std::vector<TalliedRace> races_;
    // date (8) + racecourse code (2) + horse number (2) + trimmed horse name -> race, runner
    std::unordered_map<std::string, std::pair<uint32_t, uint16_t>> pending_;
};

}  // namespace zv::report
