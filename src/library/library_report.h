// The report card over the library: the same tables as over day folders, counted from rows. The
// races of the days kept, narrowed by the filter; a runner's finish from the first later kept day
// whose record of the horse gives it, as over folders, whatever the filter.
#pragma once

#include <optional>
#include <string>

#include "library.h"
#include "report/report_card.h"

namespace zv::library {

struct ReportFilter {
    std::optional<int> from;  // YYYYMMDD, inclusive
    std::optional<int> to;
    std::string racecourse;       // 東京; empty for all
    std::string surface;          // 芝, ダ or 障; empty for all
    std::optional<int> shortest;  // metres, inclusive
    std::optional<int> longest;
    std::string raceClass;  // 未勝利, 500万 ..; empty for all
};

report::ReportCard libraryReport(const Library& library, const ReportFilter& filter = {});

}  // namespace zv::library
