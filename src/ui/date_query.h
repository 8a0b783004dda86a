// Finding a day by its date as the user types it: "0509", "5/9", "2026/05", "２０２６年５月９日".
#pragma once

#include <QString>

namespace zv::ui {

// True when the date (YYYYMMDD) holds what query names; an empty query names every date. The
// numbers of a query with separators are read as year (four digits), month and day, each of the
// others two digits: "5/9" names May 9 of any year. Full-width digits count as digits.
bool dateMatchesQuery(int date, const QString& query);

}  // namespace zv::ui
