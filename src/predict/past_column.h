// The past-performance column of one runner (馬柱, as a handicapper calls the block of
// a horse's recent races printed beside its name). Its last three races reduced to what the
// ratings need, a ready cell text per race (cell_text.h), and the runner's totals. Past race
// k = 0 is the most recent. All texts are CP932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar.h"
#include "cell_text.h"
#include "data/typed_records.h"

namespace zv {

inline constexpr int kPastRaces = 3;

struct PastColumn {
    std::array<CellText, kPastRaces> pastText;       // grid cell text of past race k; empty when there is none
    std::array<Surface, kPastRaces> pastSurface{};   // turf, dirt or jump
    std::array<int32_t, kPastRaces> pastDistance{};  // metres
    std::array<int32_t, kPastRaces> pastF3F{};       // early three furlongs in tenths of a second (1000 m rule applied)
    std::array<int32_t, kPastRaces> pastCorner4{};   // position at the last corner; 0 when none
    std::array<int32_t, kPastRaces> pastTR{};        // TR earned in race k (0..10); set by assignTR
    std::array<int32_t, kPastRaces> pastPR{};        // PR points earned in race k (0..3)
    std::array<bool, kPastRaces> pastValid{};        // race k counts for the ratings
    std::array<LocalDateTime, kPastRaces + 1> dates;  // [0] the race predicted, [k + 1] past race k
    int32_t TR = 0;                                   // best pastTR
    int32_t PR = 0;                                   // sum of pastPR
    int32_t combined = 0;                             // TR + PR
    int32_t rate = 0;                                 // the runner line's rate in tenths, read leniently
    std::string name;                                 // horse name, trimmed
};

using PastColumns = std::vector<PastColumn>;

// What buildPastColumn needs of the race being predicted.
struct PredictedRace {
    Surface surface;
    int64_t distance;               // metres, read leniently
    std::string_view raceDateText;  // 2010/05/02(日), as the race header shows it
    LocalDateTime now;              // stands in for a blank past race date
    // raceDateText read once for all runners; nothing when it is no date, and then every runner
    // reads it again to throw the conversion error.
    std::optional<LocalDateTime> raceDate;

    PredictedRace(Surface raceSurface, int64_t metres, std::string_view date, const LocalDateTime& nowTime);
};

enum class PastTexts { Skip, Build };  // whether each past race also gets its grid cell text

// Builds the column of one runner from its horse; rate, pastTR, TR and combined stay 0. Throws a
// conversion error when a past race date without blanks, or the race date, is not a date.
PastColumn buildPastColumn(const HorseRecord& horse, const PredictedRace& race, PastTexts pastTexts = PastTexts::Build);
// The same into a fresh record b (value-initialised), as the ratings stage fills its own vector.
void fillPastColumn(PastColumn& b, const HorseRecord& horse, const PredictedRace& race, PastTexts pastTexts);

}  // namespace zv
