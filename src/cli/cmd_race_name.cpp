#include <ostream>

#include "commands.h"
#include "data/race_name.h"
#include "data/sjis.h"

namespace zv::cli {

int cmdRaceName(CliContext& ctx) {
    if (ctx.args.size() != 1) throw UsageError("race-name にはレース番号を 1 つ指定してください");
    RaceDataStore store = ctx.loadStore();
    int race = ctx.raceArg(store, ctx.args[0]);
    ctx.out << toUtf8(raceNameCopyText(store, race)) << '\n';
    return 0;
}

}  // namespace zv::cli
