// The user's own marks on runners, kept in the library's database. A mark belongs to a day, a race
// (racecourse code and race number) and a horse number, and keeps the horse's name as the card gave
// it: when the card shown later names another horse at that number (a corrected card), the mark is
// flagged, never moved. ◎ ○ ▲ △ × ☆ stand at most once in a race, so setting one on a runner takes
// it from the runner that held it; 消 (the runner is ruled out) goes on any number of runners.
// Every change is one transaction.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/store.h"
#include "library.h"
#include "predict/mark_symbols.h"
#include "predict/race_result.h"
#include "sqlite_db.h"

namespace zv::library {

// The own mark (0 ◎ .. 5 ☆, kRuledOut 消; mark_symbols.h) of a symbol (UTF-8), or nothing.
std::optional<int> ownMarkOfSymbol(std::string_view symbol);

// A race of some day, as the card names it.
struct RaceKey {
    int date = 0;  // YYYYMMDD
    int racecourseCode = 0;
    int raceNumber = 0;
    auto operator<=>(const RaceKey&) const = default;
};

// The race as people name it: 東京11R.
std::string raceLabelOf(const RaceKey& race);

// The key of race r of store. Throws zv::Error (Format) when its header gives no date or course.
RaceKey raceKeyOf(const RaceDataStore& store, int race);
// The horse name (UTF-8, trimmed) of runner horseNumber (from 1) of race r.
std::string horseNameOf(const RaceDataStore& store, int race, int horseNumber);

struct OwnMark {
    RaceKey race;
    int horseNumber = 0;
    std::string horseName;  // as the card named it when the mark was set
    int mark = 0;
};

// A race's own marks against the card shown: what a result shows (RaceOwnMarks: the marks, the
// flags, and the picks of the own bet lines, in which 消 runners never stand), and the marks whose
// horse number the card does not have.
struct OwnMarksOnCard : RaceOwnMarks {
    std::vector<OwnMark> offCard;
};

class OwnMarks {
public:
    explicit OwnMarks(const Library& library);

    // Sets mark (0..6) on the runner, or clears it (-1). Returns the horse number that gave up the
    // mark (◎ .. ☆ held by another runner), 0 when none did.
    int set(const RaceKey& race, int horseNumber, std::string_view horseName, int mark);
    // The same on race r of store, with the card's name of the runner. Throws zv::Error (Format)
    // for a runner the race does not have.
    int setOnCard(const RaceDataStore& store, int race, int horseNumber, int mark);

    std::vector<OwnMark> ofRace(const RaceKey& race) const;
    // Of one day (or every day with 0), by race and horse number.
    std::vector<OwnMark> ofDay(int date) const;
    OwnMarksOnCard onCard(const RaceDataStore& store, int race) const;

private:
    Database& db_;
    Statement clear_;
    Statement insert_;
    mutable Statement ofRace_;
    mutable Statement ofDay_;
};

}  // namespace zv::library
