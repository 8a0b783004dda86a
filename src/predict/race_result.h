// What the engine gives for one race. RaceRatings is the ratings stage: the engine's records,
// averages and pace, the picks, the bet keys and the ranking table, without any display text.
// RaceResult is everything the main window shows: the ratings with the header texts, the bet-line
// labels and every grid cell with its colours, border and row order. The GUI only paints it.
// Computing lives in rate_race.h (ratings) and compute_race.h (the whole result).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar.h"
#include "cell_text.h"
#include "grid_layout.h"
#include "pace_marks.h"
#include "past_column.h"
#include "ranking.h"

namespace zv {

inline constexpr int kMarks = 6;       // ◎ ○ ▲ △ × ☆
inline constexpr int kBetKeys = 85;    // 3 + 3 + 12 + 12 + 19 + 36
inline constexpr int kPaceImageS = 0;  // images of the pace picture
inline constexpr int kPaceImageM = 1;
inline constexpr int kPaceImageH = 2;
inline constexpr int kPaceImageNeutral = 3;

// A cell colour: 0xRRGGBB, or empty for the grid's default colour.
using CellColour = std::optional<uint32_t>;

struct GridCell {
    CellText text;             // lines of styled runs
    CellColour fg;             // text colour
    CellColour bg;             // background colour
    bool rightBorder = false;  // a 2-pixel black right border: a layoff of more than eleven months follows
};

using GridRow = std::array<GridCell, kGridColumns>;

// A header label: its full text (caption and value) and whether it is shown.
struct HeaderLabel {
    std::string text;  // caption followed by the value
    bool shown = false;
    std::string value;  // the value alone ("34.50"); empty when there is none
};

// The five bet-line labels of the header (empty when the race has no such lines).
struct BetLabels {
    std::string winPlace;        // ◎,○,▲
    std::string pairs;           // ◎→○,▲,△,×,☆  ○→▲,△,×,☆  ▲→△,×,☆
    std::string trifectaFirst;   // 3連単 first place (races 9 and later)
    std::string trifectaSecond;  // 3連単 second place
    std::string trifectaThird;   // 3連単 third place
};

// The ratings stage of one race: what the exports and the report card read.
struct RaceRatings {
    int race = 0;                               // 0-based race index
    int runnerCount = 0;                        // M
    PastColumns pastColumns;                    // one record per runner, runner order; pastText only when asked for
    PaceEstimate pace;                          // header averages and pace
    std::array<int, kMarks> markedRunners{};    // runner numbers in mark order ◎ ○ ▲ △ × ☆; 0 = no pick
    bool trifecta = false;                      // the race has 3連単 lines (race 9 on, with picks)
    std::array<std::string, kBetKeys> betKeys;  // six-character keys by bet type; "000000" = no line
    RankingTable ranking;                       // in runner order
};

// The grid's sort state: column 1 ascending is runner order. The GUI keeps `column` from race to
// race and passes it to computeRace.
struct GridSort {
    int column = kColRunner;
    bool ascending = true;  // direction of the header's sort indicator
};

// The user's own marks on a race, as the library keeps them; the session adds them to a result.
struct RaceOwnMarks {
    std::vector<int> marks;           // per runner (horse number - 1): 0 ◎ .. 6 消, -1 for none
    std::vector<bool> nameDiffers;    // per runner: the mark was set on another horse's name
    std::array<int, kMarks> picks{};  // runners holding ◎ .. ☆, 0 where none; flagged marks left out

    // Whether any runner carries a mark, 消 and flagged ones included.
    bool any() const;
};

struct RaceResult {
    int race = 0;                         // 0-based race index
    int runnerCount = 0;                  // M
    std::string raceNumberText;           // "01".."12" as stored
    std::string titleLine1;               // the header's first title line
    std::string titleLine2;               // the second title line (also the bet-line window's status text)
    PastColumns pastColumns;              // one record per runner, runner order
    std::vector<std::string> sexAgeCoat;  // per runner: sex+age padded to 6, coat colour padded to 6 (detail window)
    HeaderLabel f3fAverage;               // "前半3Fタイム平均：34.50"
    HeaderLabel prAverage;                // "PR平均：1.25"
    HeaderLabel pace;                     // "推定ペース：", shown with the PR average
    std::string paceText;                 // "S", "M", "H" or empty
    int paceImage = kPaceImageNeutral;    // kPaceImageS/M/H or kPaceImageNeutral
    std::array<int, kMarks> markedRunners{};  // runner numbers in mark order ◎ ○ ▲ △ × ☆; 0 = no pick
    BetLabels labels;
    std::array<std::string, kBetKeys> betKeys;  // six-character keys by bet type; "000000" = no line
    RankingTable ranking;                       // in the order the grid sort left it
    std::vector<GridRow> cells;                 // row 0 = headings, row n + 1 = runner n (runner order)
    std::vector<int> rowOrder;                  // runner numbers from the top grid row down, after the sort
    GridSort sort;                              // sort column and indicator direction in effect
    RaceOwnMarks ownMarks;                      // empty until showOwnMarks (own_mark_cells.h)
    std::vector<bool> noted;                    // per runner: the user keeps a note on the horse (showHorseNotes)

    // True when the race has at least one bet line.
    bool hasBetLines() const;
};

}  // namespace zv
