// The report run: every PATH is a day folder (the three record files), an LHA archive, or a folder
// holding such days and archives one level down. Archives are taken in through the data archive
// intake into a private scratch folder, which is removed afterwards; nothing is written anywhere
// else. Days are read in race-date order, the same meeting day only once; an input that cannot be
// read is listed with its reason and the run goes on.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "report/report_card.h"

namespace zv::report {

struct ReportOptions {
    // Told the days read so far and the days found, after the inputs are sorted and after each day.
    std::function<void(int done, int total)> progress;
    // Asked before each input and each day; true ends the run with the days read so far.
    std::function<bool()> abortRequested;
};

ReportCard runReport(const std::vector<std::filesystem::path>& paths, const ReportOptions& options = {});

}  // namespace zv::report
