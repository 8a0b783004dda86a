// betlines R --out FILE: the bet-line window text of race R, saved as the window saves it.
#include "commands.h"
#include "data/data_folder_lock.h"
#include "data/text_file.h"
#include "predict/bet_lines.h"
#include "predict/compute_race.h"

namespace zv::cli {

int cmdBetlines(CliContext& ctx) {
    std::optional<std::string> outPath = ctx.option("--out");
    if (!outPath || ctx.args.size() != 1)
        throw UsageError("betlines にはレース番号 1 つと --out FILE を指定してください");
    RaceDataStore store = ctx.loadStore();
    RaceResult result = computeRace(store, ctx.raceArg(store, ctx.args[0]), kColRunner, localNow());
    writeExportFile(*outPath, betWindowFileText(betWindowText(result)), FileDurability::Synced);
    return 0;
}

}  // namespace zv::cli
