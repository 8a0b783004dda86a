// kmi OUT [--race R]: the bet-line file of race R, or of every race (the all-races run).
#include "commands.h"
#include "export/kmi_file.h"
#include "predict/compute_race.h"

namespace zv::cli {

int cmdKmi(CliContext& ctx) {
    std::optional<std::string> race = ctx.option("--race");
    if (ctx.args.size() != 1) throw UsageError("kmi には書き込むファイルを 1 つ指定してください");
    const std::string& outPath = ctx.args[0];
    RaceDataStore store = ctx.loadStore();
    if (race) {
        RaceResult result = computeRace(store, ctx.raceArg(store, *race), kColRunner, localNow());
        writeRaceKmiFile(outPath, store, result);
        return 0;
    }
    BatchRunOptions options;
    options.now = localNow();
    writeAllRacesKmiFile(outPath, store, options);
    return 0;
}

}  // namespace zv::cli
