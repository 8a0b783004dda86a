// What the horse detail window shows for one runner: the profile and record labels, named by the
// window's controls and kept in display order, and the 6 x 17 past-race grid (row 0 and column 0
// are headings; the last race is the bottom row) with one paint state per row. Texts are CP932.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

struct DetailLabel {
    std::string name;     // the control's name, e.g. "lblSanti"
    std::string caption;  // the caption printed beside it ("産地"); empty for the top row
    std::string text;
};

struct HorseDetail {
    std::vector<DetailLabel> labels;  // every label, in the window's reading order
    std::array<std::array<std::string, kDetailGridColumns>, kDetailGridRows> grid;
    std::array<PastRowState, kDetailGridRows> rowState{};  // entry 0 (the heading row) unused

    // The text of the label with this control name; throws std::out_of_range for an unknown name.
    const std::string& label(std::string_view name) const;
};

// The detail of one horse line; sexAgeCoat is the top row's sex, age and coat text
// (sexAgeCoatText of the race grid). Throws a conversion error (zv::Error) when a prize amount or a
// running-style counter is not a whole number; nothing is returned then.
HorseDetail buildHorseDetail(std::string_view sexAgeCoat, std::string_view horseLine);

// The detail of runner (0-based position in the race) of race in store. Throws zv::Error for a
// race or runner out of range and for the conversion errors above.
HorseDetail buildHorseDetail(const RaceDataStore& store, int race, int runner);

}  // namespace zv
