// The report card on the terminal: an aligned Japanese table, or JSON.
#pragma once

#include <iosfwd>

#include "report/report_card.h"

namespace zv::cli {

void writeReportText(std::ostream& out, const report::ReportCard& card);
void writeReportJson(std::ostream& out, const report::ReportCard& card);

// Columns a UTF-8 text takes on a terminal: two for CJK and full-width characters, one for others.
int displayWidth(std::string_view utf8);

}  // namespace zv::cli
