// show R [--json] [--sort-column C]: race R as the main window shows it.
#include <ostream>

#include "commands.h"
#include "data/convert.h"
#include "data/sjis.h"
#include "data/text_fill.h"
#include "predict/compute_race.h"
#include "predict/mark_symbols.h"
#include "predict/ratings.h"
#include "race_json.h"

namespace zv::cli {
namespace {

int sortColumnArg(const std::optional<std::string>& text) {
    if (!text) return kColRunner;
    auto column = parseInt(*text);
    for (int allowed : {kColRunner, kColName, kColTR, kColPR, kColIndex, kColMark}) {
        if (column == allowed) return allowed;
    }
    throw UsageError("--sort-column に指定できるのは 1, 2, 7, 8, 9, 10 のどれかです");
}

std::string markOf(const RaceResult& result, int runner) {
    for (int pick = 0; pick < kMarks; ++pick) {
        if (result.markedRunners[pick] == runner) return markSymbol(pick);
    }
    return "";
}

// Columns are padded in CP932, where a byte is one column of a fixed-pitch terminal.
void writeTable(std::ostream& out, const RaceResult& result) {
    out << toUtf8(result.titleLine1) << '\n' << toUtf8(result.titleLine2) << '\n';
    std::string header;
    for (const HeaderLabel* label : {&result.f3fAverage, &result.prAverage, &result.pace}) {
        if (label->shown) header += (header.empty() ? "" : "  ") + label->text;
    }
    if (result.pace.shown) header += result.paceText;
    if (!header.empty()) out << toUtf8(header) << '\n';
    out << toUtf8(padLeft(sj("馬"), 3) + "  " + padRight(sj("馬名"), 30) + padLeft("TR", 4) + padLeft("PR", 4) +
                  padLeft(sj("指数"), 7) + "  " + sj("印"))
        << '\n';
    for (int runner : result.rowOrder) {
        const PastColumn& b = result.pastColumns[runner - 1];
        out << toUtf8(padLeft(std::to_string(runner), 3) + "  " + padRight(b.name, 30) +
                      padLeft(std::to_string(b.TR), 4) + padLeft(std::to_string(b.PR), 4) +
                      padLeft(indexText(b.combined), 7) + "  " + markOf(result, runner))
            << '\n';
    }
    const std::pair<const char*, const std::string*> labels[] = {
        {"単勝・複勝: ", &result.labels.winPlace},     {"馬連・馬単・3連複: ", &result.labels.pairs},
        {"3連単 1着: ", &result.labels.trifectaFirst}, {"3連単 2着: ", &result.labels.trifectaSecond},
        {"3連単 3着: ", &result.labels.trifectaThird},
    };
    bool any = false;
    for (const auto& [caption, text] : labels) {
        if (text->empty()) continue;
        out << caption << toUtf8(*text) << '\n';
        any = true;
    }
    if (!any) out << "買い目なし\n";
}

}  // namespace

int cmdShow(CliContext& ctx) {
    bool json = ctx.flag("--json");
    int sortColumn = sortColumnArg(ctx.option("--sort-column"));
    if (ctx.args.size() != 1) throw UsageError("show にはレース番号を 1 つ指定してください");
    RaceDataStore store = ctx.loadStore();
    RaceResult result = computeRace(store, ctx.raceArg(store, ctx.args[0]), sortColumn, localNow());
    if (json)
        writeRaceJson(ctx.out, result);
    else
        writeTable(ctx.out, result);
    return 0;
}

}  // namespace zv::cli
