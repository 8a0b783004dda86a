// Bet lines from the six picks (◎ ○ ▲ △ × ☆): six bet types, each line a six-character key of
// two-digit runner numbers ("050000", "031200", "030712"); "000000" is no line. A line that would
// need a missing pick (0) is no line. The keys give the header labels, the bet-line window text,
// the records of the bet-line file and the report card's hit counts.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "race_result.h"

namespace zv {

inline constexpr std::string_view kNoBetLine = "000000";

// The six bet types in key order: 単勝, 複勝, 馬連, 馬単, 3連複, 3連単.
enum class BetType { Win, Place, Quinella, Exacta, Trio, Trifecta };
inline constexpr int kBetTypes = 6;

// Where the keys of a bet type lie in the 85 keys.
struct BetKeyRange {
    int first = 0;
    int count = 0;
};
BetKeyRange betKeyRange(BetType type);

// The bet type's name (UTF-8): "単勝" .. "3連単".
std::string_view betTypeName(BetType type);

// The 3連単 lines exist only from race number 9 on.
inline constexpr int kFirstTrifectaRace = 9;
// Whether race number text is one of those. Throws a conversion error when the race number
// is not a number.
bool hasTrifectaLines(std::string_view raceNumberText);

// The 85 keys in bet-type order 単勝 3, 複勝 3, 馬連 12, 馬単 12, 3連複 19, 3連単 36.
std::array<std::string, kBetKeys> computeBetKeys(const std::array<int, kMarks>& marks, bool trifecta);
// The same written into keys, as the ratings stage does into its own array (no copy of 85 keys).
void fillBetKeys(std::array<std::string, kBetKeys>& keys, const std::array<int, kMarks>& marks, bool trifecta);

// Whether any of the keys is a line.
bool anyBetLine(const std::array<std::string, kBetKeys>& keys);

// The five header labels; a runner appears only where one of its lines exists.
BetLabels betLabels(const std::array<int, kMarks>& marks, bool trifecta);

// The bet-line window: its status text and the entries added to its text box one by one (an
// entry may hold CR LF line breaks).
struct BetWindowText {
    std::string status;
    std::vector<std::string> entries;
};

// The window over the race's keys, with its second title line as the status.
BetWindowText betWindowText(const RaceResult& result);
// The window over the user's own marks in result (showOwnMarks): the same bet lines made from the
// runners holding ◎ .. ☆, never a 消 runner; a race without any own mark says so.
BetWindowText ownBetWindowText(const RaceResult& result);
// The same over any keys, such as those of the user's own marks.
BetWindowText betWindowText(std::string_view status, const std::array<std::string, kBetKeys>& keys);

// The window's text as it shows and saves it: the entries separated by CR LF, nothing after the
// last one.
std::string betWindowFileText(const BetWindowText& text);

}  // namespace zv
