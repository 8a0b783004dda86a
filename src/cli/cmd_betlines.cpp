// betlines R --out FILE [--own]: the bet-line window text of race R, saved as the window saves it;
// with --own, the same bet lines made from the user's own marks (消 runners never stand in them).
#include "commands.h"
#include "data/data_folder_lock.h"
#include "data/text_file.h"
#include "library/own_marks.h"
#include "predict/bet_lines.h"
#include "predict/compute_race.h"
#include "predict/own_mark_cells.h"

namespace zv::cli {

int cmdBetlines(CliContext& ctx) {
    std::optional<std::string> outPath = ctx.option("--out");
    if (!outPath || ctx.args.size() != 1)
        throw UsageError("betlines にはレース番号 1 つと --out FILE を指定してください");
    RaceDataStore store = ctx.loadStore();
    const int race = ctx.raceArg(store, ctx.args[0]);
    RaceResult result = computeRace(store, race, kColRunner, localNow());
    BetWindowText text;
    if (ctx.flag("--own")) {
        const library::Library kept(ctx.dataFolder(), library::OpenMode::Create);
        showOwnMarks(result, library::OwnMarks(kept).onCard(store, race));
        text = ownBetWindowText(result);
    } else {
        text = betWindowText(result);
    }
    writeExportFile(*outPath, betWindowFileText(text), FileDurability::Synced);
    return 0;
}

}  // namespace zv::cli
