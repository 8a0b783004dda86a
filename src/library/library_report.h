// The report card over the library: the same tables as over day folders, counted from rows. The
// races of the days kept, narrowed by the filter; a runner's finish from the first later kept day
// whose record of the horse gives it, as over folders, whatever the filter.
#pragma once

#include <optional>
#include <string>
#include <vector>

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

// The values the filter can take over the kept days: racecourses by their code, classes as the
// races name them (ReportFilter::raceClass), and the first and last kept date (0 with no day).
struct ReportFilterChoices {
    std::vector<std::string> racecourses;
    std::vector<std::string> classes;
    int firstDate = 0;
    int lastDate = 0;
};
ReportFilterChoices reportFilterChoices(const Library& library);

}  // namespace zv::library
