// season DIR [--days N] [--seed S]: writes a season of demo meeting days into DIR, one folder
// YYYYMMDD per day, for trying the report card without bought data.
#include <ostream>

#include "commands.h"
#include "data/convert.h"
#include "demo/demo_season.h"

namespace zv::cli {
namespace {

constexpr int kDefaultDays = 16;
constexpr int kMostDays = 1000;

}  // namespace

int cmdSeason(CliContext& ctx) {
    int days = kDefaultDays;
    uint32_t seed = 1;
    if (auto text = ctx.option("--days")) {
        auto value = parseInt(*text);
        if (!value || *value < 1 || *value > kMostDays)
            throw UsageError("--days には 1 から 1000 までの整数を指定してください");
        days = static_cast<int>(*value);
    }
    if (auto text = ctx.option("--seed")) {
        auto value = parseInt(*text);
        if (!value || *value < 0) throw UsageError("--seed には 0 以上の整数を指定してください");
        seed = static_cast<uint32_t>(*value);
    }
    if (ctx.args.size() != 1) throw UsageError("season にはフォルダ DIR を 1 つ指定してください");
    std::filesystem::path folder = ctx.args[0];
    demo::writeSeason(folder, days, seed);
    ctx.out << days << " 日分の開催日を " << folder.string() << " に書きました\n";
    return 0;
}

}  // namespace zv::cli
