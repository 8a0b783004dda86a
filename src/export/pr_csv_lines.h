// Lines of the PR-average CSV (zv.csv): one per race of a meeting day,
//   date,racecourse,race number,3F average,PR average[,runner number...]
// e.g. 2010/05/02,東京,11,35.20,1.25,7,3,12. The runners are those whose combined rating is 10 or
// more, highest first. No quoting, no header; CP932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/store.h"
#include "predict/calendar.h"
#include "predict/race_result.h"

namespace zv {

// The meeting day of race r: the first 10 bytes of its date text (2010/05/02), read strictly;
// a conversion error names raceDateText.
LocalDateTime raceDay(const RaceDataStore& store, int race);

// The day as the CSV and its questions write it: 2010/05/02.
std::string dayText(const LocalDateTime& day);

// The CSV line of a rated race; nothing when the race has no PR average. Runners of equal
// combined rating stand in the order the grid's sort column gives them.
std::optional<std::string> prCsvLine(const RaceDataStore& store, const RaceRatings& ratings, int sortColumn);

// What the existing file says about a day: whether a line's first field is that day, and how
// many non-empty lines do not start with a date (they are kept, but cannot be compared).
struct CsvDayLookup {
    bool found = false;
    int unreadableLines = 0;
};
CsvDayLookup lookUpDay(std::string_view content, const LocalDateTime& day);

// The day of a first field written as year/month/day with "/" (2010/05/02 or 2010/5/2);
// nothing for anything else.
std::optional<LocalDateTime> readCsvDay(std::string_view text);

}  // namespace zv
