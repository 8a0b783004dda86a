// The race grid's columns: twelve, with their headings. Column numbers are those the cell texts,
// colours and header clicks use; widths and heights on screen are the window's (ui).
#pragma once

#include <array>
#include <string>

namespace zv {

inline constexpr int kGridColumns = 12;

enum GridColumn {
    kColFrame = 0,   // 枠: bracket number
    kColRunner = 1,  // 馬: runner number
    kColName = 2,    // 馬　名: sex and age, horse name (a link), rate
    kColJockey = 3,  // 騎手: weight carried, jockey
    kColPast3 = 4,   // 3走前: past race k = 2
    kColPast2 = 5,   // 2走前: past race k = 1
    kColPast1 = 6,   // 1走前: past race k = 0
    kColTR = 7,
    kColPR = 8,
    kColIndex = 9,     // F3F: index value and combined
    kColMark = 10,     // 印: the program's mark
    kColOwnMark = 11,  // 自印: the user's own mark
};

// Heading texts (CP932) of the twelve columns.
const std::array<std::string, kGridColumns>& gridHeadings();

// Past race k shown in a past-race column (4, 5, 6 show k = 2, 1, 0).
inline constexpr int pastRaceOfColumn(int column) { return kColPast1 - column; }

}  // namespace zv
