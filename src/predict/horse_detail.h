// What the horse detail window shows for one runner: the profile and record texts, each a named
// field, and the 6 x 17 past-race grid (row 0 and column 0
// are headings; the last race is the bottom row) with one paint state per row. Texts are CP932.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/store.h"

namespace zv {

inline constexpr int kDetailGridRows = 6;
inline constexpr int kDetailGridColumns = 17;

// Paint state of a past-race row; it picks the text colour of the row's data cells.
enum class PastRowState : int {
    Central = 0,       // central racecourse, flat race with a time: default colour
    NotCentral = 1,    // local or overseas racecourse: maroon
    NoTime = 2,        // central racecourse, no time taken: grey
    Steeplechase = 3,  // central racecourse, steeplechase with a time: default colour
};

// Text colour of a row's data cells as 0xRRGGBB; empty for the default colour.
std::optional<uint32_t> pastRowTextColour(PastRowState state);

enum class DetailCellAlignment { Left, Centre, Right };

// Headings are centred; the numeric columns 5 to 15 are right-aligned, except the jockey (9).
DetailCellAlignment detailCellAlignment(int row, int column);

// The texts beside the past-race grid: the profile, the records and the running style, in the
// window's reading order.
enum class DetailField : uint8_t {
    SexAgeCoat,
    HorseMarker,
    Birthplace,
    Breeder,
    Owner,
    Trainer,
    Sire,
    Dam,
    DamSire,
    DamDam,
    TotalPrize,
    MainPrize,
    CareerRecord,
    TurfRecord,
    DirtRecord,
    TurfHeavyRecord,
    DirtHeavyRecord,
    TurfRightRecord,
    TurfLeftRecord,
    DirtRightRecord,
    DirtLeftRecord,
    StraightRecord,
    TurfTo1000m,
    TurfTo1200m,
    TurfTo1400m,
    TurfTo1600m,
    TurfTo1800m,
    TurfTo2000m,
    TurfTo2200m,
    TurfOver2200m,
    DirtTo1000m,
    DirtTo1200m,
    DirtTo1400m,
    DirtTo1600m,
    DirtTo1800m,
    DirtTo2000m,
    DirtTo2200m,
    DirtOver2200m,
    RunningStyle,
};
inline constexpr size_t kDetailFieldCount = static_cast<size_t>(DetailField::RunningStyle) + 1;

// A field's English name (the key of `detail --json`, the window label's object name) and its
// Japanese caption (UTF-8).
struct DetailFieldName {
    DetailField field;
    std::string_view name;
    std::string_view caption;
};

// Every field, in the order of DetailField.
std::span<const DetailFieldName, kDetailFieldCount> detailFields();
const DetailFieldName& detailField(DetailField field);

struct HorseDetail {
    std::array<std::string, kDetailFieldCount> texts;  // by DetailField
    std::array<std::array<std::string, kDetailGridColumns>, kDetailGridRows> grid;
    std::array<PastRowState, kDetailGridRows> rowState{};  // entry 0 (the heading row) unused

    const std::string& text(DetailField field) const { return texts[static_cast<size_t>(field)]; }
};

// The detail of one horse; sexAgeCoat is the top row's sex, age and coat text
// (sexAgeCoatText of the race grid). Throws a conversion error (zv::Error) when a prize amount or a
// running-style counter is not a whole number; nothing is returned then.
HorseDetail buildHorseDetail(std::string_view sexAgeCoat, const HorseRecord& horse);

// The detail of runner (0-based position in the race) of race in store. Throws zv::Error for a
// race or runner out of range and for the conversion errors above.
HorseDetail buildHorseDetail(const RaceDataStore& store, int race, int runner);

}  // namespace zv
