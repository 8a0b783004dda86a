#include <ostream>

#include "commands.h"
#include "data/archive/intake.h"

namespace zv::cli {
int cmdOpen(CliContext& ctx) {
    if (ctx.args.size() != 1) throw UsageError("open には書庫 ARCHIVE を 1 つ指定してください");
    RaceDataStore store;
    IntakeResult result = openArchive(ctx.args[0], ctx.dataFolder(), store, {});
    if (!result) {
        ctx.err << "zelvora-cli: " << terminalText(result.failure().message) << "\n";
        return 1;
    }
    ctx.out << *result << "\n";
    return 0;
}

}  // namespace zv::cli
