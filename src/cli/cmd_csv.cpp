// csv [--yes]: appends the first meeting day of the data set to zv.csv in the data folder. The
// questions are printed; without --yes each is answered Abort, with it Yes.
#include <ostream>

#include "commands.h"
#include "data/sjis.h"
#include "export/pr_csv.h"

namespace zv::cli {
namespace {

// A message box text on one terminal line: its CR LF breaks become blanks.
std::string oneLine(const std::string& cp932) {
    std::string text = toUtf8(cp932), line;
    for (char c : text) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    return line;
}

}  // namespace

int cmdCsv(CliContext& ctx) {
    bool yes = ctx.flag("--yes");
    if (!ctx.args.empty()) throw UsageError("csv takes no arguments besides --yes");
    RaceDataStore store = ctx.loadStore();
    std::filesystem::path folder = ctx.dataFolder();
    BatchRunOptions options;
    options.now = localNow();
    auto ask = [&](CsvQuestion, const std::string& message) {
        ctx.err << oneLine(message) << (yes ? " -> Yes\n" : " -> Abort (--yes answers Yes)\n");
        return yes ? CsvAnswer::Yes : CsvAnswer::Abort;
    };
    PrCsvOutcome outcome = appendDayToPrCsv(folder, store, options, ask);
    if (outcome.unreadableLines > 0) {
        ctx.err << "zv.csv: " << outcome.unreadableLines
                << " line(s) do not start with a date (yyyy/mm/dd); they were kept as they are\n";
    }
    if (outcome.declined || outcome.abortedAtDuplicate) {
        ctx.err << "zv.csv: nothing added\n";
        return 1;
    }
    ctx.out << (folder / kPrCsvFile).string() << ": " << outcome.linesAdded << " line(s) added\n";
    return 0;
}

}  // namespace zv::cli
