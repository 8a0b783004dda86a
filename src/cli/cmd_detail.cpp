// detail R N [--json]: the horse detail window's content for runner N (1-based) of race R.
#include <ostream>

#include "commands.h"
#include "data/convert.h"
#include "data/sjis.h"
#include "json.h"
#include "predict/horse_detail.h"

namespace zv::cli {
namespace {

void writeDetailJson(std::ostream& out, const HorseDetail& detail) {
    JsonWriter json(out);
    json.beginObject().key("labels").beginObject();
    for (const DetailFieldName& field : detailFields()) json.key(field.name).value(toUtf8(detail.text(field.field)));
    json.endObject().key("grid").beginArray();
    for (const auto& row : detail.grid) {
        json.beginArray();
        for (const std::string& cell : row) json.value(toUtf8(cell));
        json.endArray();
    }
    json.endArray().key("rowState").beginArray();
    for (PastRowState state : detail.rowState) json.value(static_cast<int>(state));
    json.endArray().endObject();
    out << '\n';
}

// One field per line with its caption ("産地: 様似"), then the past-race grid with " | " between cells and the
// row state at the end of each data row.
void writeDetailText(std::ostream& out, const HorseDetail& detail) {
    for (const DetailFieldName& field : detailFields())
        out << field.caption << ": " << toUtf8(detail.text(field.field)) << '\n';
    for (int r = 0; r < kDetailGridRows; ++r) {
        for (int c = 0; c < kDetailGridColumns; ++c) out << (c ? " | " : "") << toUtf8(detail.grid[r][c]);
        if (r > 0) out << " | state " << static_cast<int>(detail.rowState[r]);
        out << '\n';
    }
}

}  // namespace

int cmdDetail(CliContext& ctx) {
    bool json = ctx.flag("--json");
    if (ctx.args.size() != 2) throw UsageError("detail にはレース R と馬番 N を指定してください");
    RaceDataStore store = ctx.loadStore();
    int race = ctx.raceArg(store, ctx.args[0]);
    std::optional<int32_t> runner = parseInt(ctx.args[1]);
    if (!runner) throw UsageError("馬番 N は数で指定してください: " + ctx.args[1]);
    HorseDetail detail = buildHorseDetail(store, race, *runner >= 1 ? *runner - 1 : -1);
    if (json) {
        writeDetailJson(ctx.out, detail);
    } else {
        writeDetailText(ctx.out, detail);
    }
    return 0;
}

}  // namespace zv::cli
