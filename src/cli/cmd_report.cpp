// report [--json] [--csv FILE] PATH...: the report card over the meeting days of the PATHs (day
// folders, archives, or folders holding them). Exit 0 when at least one day was read, else 1.
#include <ostream>

#include "commands.h"
#include "data/data_folder_lock.h"
#include "data/text_file.h"
#include "report/report_csv.h"
#include "report/report_run.h"
#include "report_output.h"

namespace zv::cli {

int cmdReport(CliContext& ctx) {
    bool json = ctx.flag("--json");
    std::optional<std::string> csvFile = ctx.option("--csv");
    if (ctx.args.empty()) throw UsageError("report にはフォルダか書庫 PATH を 1 つ以上指定してください");
    std::vector<std::filesystem::path> paths(ctx.args.begin(), ctx.args.end());

    report::ReportCard card = report::runReport(paths);
    if (csvFile) writeExportFile(*csvFile, report::reportCsv(card), FileDurability::Regenerable);
    if (json)
        writeReportJson(ctx.out, card);
    else
        writeReportText(ctx.out, card);
    return card.days.empty() ? 1 : 0;
}

}  // namespace zv::cli
