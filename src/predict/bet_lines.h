// Bet lines from the six picks (◎ ○ ▲ △ × ☆): six bet types, each line a six-character key of
// two-digit runner numbers ("050000", "031200", "030712"); "000000" is no line. A line that would
// need a missing pick (0) is no line. The keys give the header labels, the bet-line window text
// and the records of the bet-line file.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "race_result.h"

namespace zv {

// The 3連単 lines exist only from race number 9 on. Throws a conversion error when the race number
// is not a number.
bool hasTrifectaLines(std::string_view raceNumberText);

// The 85 keys in bet-type order 単勝 3, 複勝 3, 馬連 12, 馬単 12, 3連複 19, 3連単 36.
std::array<std::string, kBetKeys> computeBetKeys(const std::array<int, kMarks>& marks, bool trifecta);

// The five header labels; a runner appears only where one of its lines exists.
BetLabels betLabels(const std::array<int, kMarks>& marks, bool trifecta);

// The bet-line window: its status text and the entries added to its text box one by one (an
// entry may hold CR LF line breaks).
struct BetWindowText {
    std::string status;
    std::vector<std::string> entries;
};

BetWindowText betWindowText(const RaceResult& result);

// The window's text as it shows and saves it: the entries separated by CR LF, nothing after the
// last one.
std::string betWindowFileText(const BetWindowText& text);

// Appends the bet-line file records of a race: race key (racecourse code, date, race number of
// its header line), bet type code and key, 19 characters each, one per existing line.
void appendKmiLines(std::vector<std::string>& lines, std::string_view raceHeaderLine, const RaceResult& result);

}  // namespace zv
