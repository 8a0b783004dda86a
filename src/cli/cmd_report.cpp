// report [--json] [--csv FILE] [FILTERS] [PATH...]: the report card over the meeting days of the
// PATHs (day folders, archives, or folders holding them), or without PATHs over the library,
// narrowed by the filters. Exit 0 when at least one day was read, else 1.
#include <ostream>

#include "commands.h"
#include "data/convert.h"
#include "data/data_folder_lock.h"
#include "data/text_file.h"
#include "library/library_report.h"
#include "report/report_csv.h"
#include "report/report_run.h"
#include "report_output.h"

namespace zv::cli {
namespace {

constexpr const char* kFilterOptions[] = {"--from", "--to", "--racecourse", "--surface", "--distance", "--class"};

std::string surfaceArg(const std::string& text) {
    for (auto [given, kept] : {std::pair{"芝", "芝"}, {"ダート", "ダ"}, {"ダ", "ダ"}, {"障害", "障"}, {"障", "障"}})
        if (text == given) return kept;
    throw UsageError("--surface には 芝、ダート、障害 のどれかを指定してください: " + text);
}

// MIN-MAX, MIN- or -MAX, in metres.
void distanceArg(const std::string& text, library::ReportFilter& filter) {
    const size_t dash = text.find('-');
    auto metres = [&](const std::string& part) -> std::optional<int> {
        if (part.empty()) return std::nullopt;
        auto value = parseInt(part);
        if (!value || *value < 0) throw UsageError("--distance は 1000-1400 のように指定してください: " + text);
        return static_cast<int>(*value);
    };
    if (dash == std::string::npos) throw UsageError("--distance は 1000-1400 のように指定してください: " + text);
    filter.shortest = metres(text.substr(0, dash));
    filter.longest = metres(text.substr(dash + 1));
}

library::ReportFilter filterOf(const CliContext& ctx) {
    library::ReportFilter filter;
    if (auto from = ctx.option("--from")) filter.from = dayArg(*from);
    if (auto to = ctx.option("--to")) filter.to = dayArg(*to);
    filter.racecourse = ctx.option("--racecourse").value_or("");
    if (auto surface = ctx.option("--surface")) filter.surface = surfaceArg(*surface);
    if (auto distance = ctx.option("--distance")) distanceArg(*distance, filter);
    filter.raceClass = ctx.option("--class").value_or("");
    return filter;
}

}  // namespace

int cmdReport(CliContext& ctx) {
    bool json = ctx.flag("--json");
    std::optional<std::string> csvFile = ctx.option("--csv");
    report::ReportCard card;
    if (ctx.args.empty()) {
        card = library::libraryReport(library::Library(ctx.dataFolder(), library::OpenMode::Existing), filterOf(ctx));
    } else {
        for (const char* option : kFilterOptions)
            if (ctx.flag(option))
                throw UsageError(std::string(option) + " はライブラリを数えるとき (PATH なし) だけ使えます");
        card = report::runReport(std::vector<std::filesystem::path>(ctx.args.begin(), ctx.args.end()));
    }
    if (csvFile) writeExportFile(*csvFile, report::reportCsv(card), FileDurability::Regenerable);
    if (json)
        writeReportJson(ctx.out, card);
    else
        writeReportText(ctx.out, card);
    return card.days.empty() ? 1 : 0;
}

}  // namespace zv::cli
