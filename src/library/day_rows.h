// What the library keeps of a meeting day as rows, so that listing, searching and counting read
// rows and not records: each race with the program's picks and pace, each runner with its mark,
// index, rank, TR and PR, and every past race its horse record gives, from which the finishes of
// earlier kept days are known. All texts UTF-8.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/store.h"
#include "library.h"

namespace zv::library {

struct EntryRow {
    int horseNumber = 0;
    std::string horse;  // horse name
    int mark = -1;      // 0 ◎ .. 5 ☆; -1 unmarked
    int combined = 0;   // TR + PR; the index is its scaled value
    int rank = 0;       // combined rank in the race, ties sharing the better one
    int tr = 0;
    int pr = 0;
};

struct RaceRow {
    int raceIndex = 0;
    int racecourseCode = -1;  // -1 when the field is no code
    std::string racecourse;   // 東京
    int raceNumber = 0;
    std::string surface;    // 芝, ダ or 障
    int distance = 0;       // metres
    std::string raceClass;  // 未勝利, 500万 ..
    std::string name;
    std::string pace;  // S, M, H or empty
    int runners = 0;
    std::array<int, 6> marks{};  // runner numbers in mark order; 0 = no pick
    bool trifecta = false;
    std::string unrated;  // why the race could not be rated; empty when it was (it then has entries)
    std::vector<EntryRow> entries;
};

// One past race of a horse, from a horse record of a later day.
struct PastRaceRow {
    std::string horse;
    int racecourseCode = -1;
    std::string opponent;  // the winner, or the second after a win
    PastRaceSeen seen;
};

struct DayRows {
    int date = 0;                          // YYYYMMDD
    std::string dateText;                  // 2026/05/09(土)
    std::vector<std::string> racecourses;  // in card order, each once
    int runners = 0;
    std::vector<RaceRow> races;
    std::vector<PastRaceRow> pastRaces;  // groups dated before the day
};

// The name of a racecourse code (東京); empty for -1, no code.
std::string racecourseNameOf(int code);

// The rows of store. Throws zv::Error (Format) when its first race has no date.
DayRows dayRows(const RaceDataStore& store);

}  // namespace zv::library
