// idx OUT: the external index file of every race.
#include <ostream>

#include "commands.h"
#include "export/index_file.h"

namespace zv::cli {

int cmdIdx(CliContext& ctx) {
    if (ctx.args.size() != 1) throw UsageError("idx には書き込むファイルを 1 つ指定してください");
    RaceDataStore store = ctx.loadStore();
    BatchRunOptions options;
    options.now = localNow();
    writeIndexFile(ctx.args[0], store, options);
    return 0;
}

}  // namespace zv::cli
