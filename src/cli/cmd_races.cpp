#include <ostream>

#include "commands.h"
#include "data/sjis.h"

namespace zv::cli {

int cmdRaces(CliContext& ctx) {
    RaceDataStore store = ctx.loadStore();
    for (int r = 0; r < store.raceCount; ++r) ctx.out << r << '\t' << toUtf8(store.headers[r].menuTitle) << '\n';
    return 0;
}

}  // namespace zv::cli
