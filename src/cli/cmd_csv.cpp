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
    if (!ctx.args.empty()) throw UsageError("csv には --yes のほかに引数を指定できません");
    RaceDataStore store = ctx.loadStore();
    std::filesystem::path folder = ctx.dataFolder();
    BatchRunOptions options;
    options.now = localNow();
    auto ask = [&](CsvQuestion, const std::string& message) {
        ctx.err << oneLine(message) << (yes ? " -> はい\n" : " -> 中止 (--yes なら「はい」)\n");
        return yes ? CsvAnswer::Yes : CsvAnswer::Abort;
    };
    PrCsvOutcome outcome = appendDayToPrCsv(folder, store, options, ask);
    if (outcome.unreadableLines > 0) {
        ctx.err << "zv.csv: 日付 (yyyy/mm/dd) で始まらない行が " << outcome.unreadableLines
                << " 行あります。そのまま残しました\n";
    }
    if (outcome.declined || outcome.abortedAtDuplicate) {
        ctx.err << "zv.csv: 何も書き加えませんでした\n";
        return 1;
    }
    ctx.out << (folder / kPrCsvFile).string() << ": " << outcome.linesAdded << " 行を書き加えました\n";
    return 0;
}

}  // namespace zv::cli
