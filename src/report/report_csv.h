// The report card as CSV for spreadsheet programs: UTF-8 with a byte order mark, CR LF line ends,
// a heading row, then one row per table row (印, 順位, 指数帯, 人気, 買い目, then the user's 自印 and 自印の買い目).
// Rates are written with four decimals and left empty where the base is empty.
#pragma once

#include <string>

#include "report/report_card.h"

namespace zv::report {

std::string reportCsv(const ReportCard& card);

}  // namespace zv::report
