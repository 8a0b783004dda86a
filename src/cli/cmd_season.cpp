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
        if (!value || *value < 1 || *value > kMostDays) throw UsageError("--days needs a whole number from 1 to 1000");
        days = static_cast<int>(*value);
    }
    if (auto text = ctx.option("--seed")) {
        auto value = parseInt(*text);
        if (!value || *value < 0) throw UsageError("--seed needs a whole number from 0");
        seed = static_cast<uint32_t>(*value);
    }
    if (ctx.args.size() != 1) throw UsageError("season takes one DIR");
    std::filesystem::path folder = ctx.args[0];
    demo::writeSeason(folder, days, seed);
    ctx.out << days << " meeting days written to " << folder.string() << "\n";
    return 0;
}

}  // namespace zv::cli
