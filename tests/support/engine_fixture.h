// Hand-made race data for the engine tests: past races described by their few fields, turned
// into horse lines, runner lines and an in-memory store.
#pragma once

#include <string>
#include <vector>

#include "data/store.h"
#include "predict/calendar.h"

namespace zv::fixture {

// One past race of a horse line. Texts are CP932 and are written into the fields as they stand.
struct PastRace {
    std::string course = "04";  // 東京
    std::string date = "20100502";
    std::string surface = "turf";  // "turf", "dirt" or "jump"
    std::string distance = "1600";
    std::string first3f = "352";
    std::string corners[4] = {"00", "00", "02", "01"};
    std::string finish = "01";
    std::string classCode = "05000";
    std::string grade = " ";
    std::string shortName = "      ";
    std::string raceTime = "1332";
    std::string last3f = "340";
    std::string horseNumber;  // blank unless a test needs it
    std::string popularity;
    std::string opponent;
};

std::string horseLine(const std::string& name, const std::vector<PastRace>& past);

struct Entry {
    std::string frame = "1";
    std::string name = "TESTHORSE";
    std::string sex = "0";
    std::string age = "04";
    std::string weight = "570";
    std::string jockey = "JOCKEY";
    std::string rate = "045";
    std::vector<PastRace> past;
};

std::string runnerLine(const Entry& entry);

struct Race {
    std::string raceNumber = "11";
    std::string surface = "turf";
    std::string distance = "1600";
    std::string date = "2010/05/02";  // written before the weekday, as the store holds it
    std::vector<Entry> entries;
};

// A store holding the races, with the per-race texts set directly (title lines name the race).
RaceDataStore storeOf(const std::vector<Race>& races);

// The clock used as "now" by the tests.
inline constexpr LocalDateTime kNow{2026, 12, 10, 12 * 3600};

}  // namespace zv::fixture
