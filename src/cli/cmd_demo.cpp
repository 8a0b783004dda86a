#include <ostream>

#include "commands.h"
#include "data/convert.h"
#include "data/sjis.h"
#include "data/store.h"
#include "demo/demo_day.h"

namespace zv::cli {

// demo [--seed N] [--keep-existing] [DIR]: writes the demo meeting day into DIR, or into the data
// folder when DIR is not given. With --keep-existing a folder that already holds a data set is
// left as it is, so a bought day is never replaced.
int cmdDemo(CliContext& ctx) {
    uint32_t seed = 1;
    if (auto text = ctx.option("--seed")) {
        auto value = parseInt(*text);
        if (!value || *value < 0) throw UsageError("--seed には 0 以上の整数を指定してください");
        seed = static_cast<uint32_t>(*value);
    }
    bool keepExisting = ctx.flag("--keep-existing");
    if (ctx.args.size() > 1) throw UsageError("demo に指定できる DIR は 1 つだけです");
    std::filesystem::path folder = ctx.args.empty() ? ctx.dataFolder() : std::filesystem::path(ctx.args[0]);

    if (keepExisting) {
        if (!writeDemoDayUnlessDataSet(folder, seed)) {
            ctx.out << folder.string() << " にはデータセットがあるため、そのままにしました\n";
            return 0;
        }
    } else {
        writeDemoDay(folder, seed);
    }
    ctx.out << "デモの開催日を " << folder.string() << " に書きました\n";
    return 0;
}

}  // namespace zv::cli
