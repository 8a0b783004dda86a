// Own marks as a CSV file, to keep them elsewhere or bring them from a spreadsheet: UTF-8 with a
// byte order mark, CR LF line ends, a heading row, then one row per marked runner: date YYYYMMDD,
// racecourse code (two digits), race number, horse number, horse name, mark (◎ ○ ▲ △ × ☆ 消).
// Reading takes the byte order mark and the heading row as optional, LF line ends as well, and
// quoted fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "own_marks.h"

namespace zv::library {

std::string ownMarksCsv(const std::vector<OwnMark>& marks);

// A row of the file that could not be placed, and why (UTF-8).
struct RefusedRow {
    int line = 0;  // from 1
    std::string text;
    std::string reason;
};

struct MarksImport {
    int placed = 0;
    std::vector<RefusedRow> refused;
};

// Sets the mark of every row that can be placed, each as OwnMarks::set does; a row is refused,
// and changes nothing, when a field is malformed, when the library keeps the row's day and its
// card has no such race or names another horse at that number, or when an earlier row of the
// file gave the same runner a mark or the same ◎ .. ☆ to another runner of the race.
MarksImport importOwnMarksCsv(const Library& library, std::string_view csv);

}  // namespace zv::library
