// horse NAME [--json]: the kept days a horse was entered, found by part of its name, with its mark,
// index and finish, and every past race the kept records give of it.
#include <ostream>

#include "commands.h"
#include "data/sjis.h"
#include "json.h"
#include "library/library.h"
#include "predict/mark_symbols.h"
#include "predict/ratings.h"

namespace zv::cli {
namespace {

std::string markText(int mark) { return mark >= 0 ? std::string(kMarkSymbolsUtf8[static_cast<size_t>(mark)]) : ""; }

void writePastRaceJson(JsonWriter& json, const library::PastRaceSeen& past) {
    json.beginObject()
        .key("date")
        .value(library::slashedDate(past.date))
        .key("racecourse")
        .value(past.racecourse)
        .key("raceName")
        .value(past.raceName)
        .key("surface")
        .value(past.surface)
        .key("distance")
        .value(past.distance)
        .key("fieldSize")
        .value(past.fieldSize)
        .key("horseNumber")
        .value(past.horseNumber)
        .key("popularity")
        .value(past.popularity)
        .key("finish")
        .value(past.finish)
        .key("time")
        .value(past.raceTime)
        .key("jockey")
        .value(past.jockey)
        .endObject();
}

void writeJson(std::ostream& out, const std::string& query, const std::vector<library::HorseFound>& horses) {
    JsonWriter json(out);
    json.beginObject().key("query").value(query).key("horses").beginArray();
    for (const library::HorseFound& horse : horses) {
        json.beginObject().key("name").value(horse.name).key("entries").beginArray();
        for (const library::HorseEntry& entry : horse.entries) {
            json.beginObject()
                .key("date")
                .value(library::slashedDate(entry.date))
                .key("race")
                .value(entry.race)
                .key("raceIndex")
                .value(entry.raceIndex)
                .key("horseNumber")
                .value(entry.horseNumber)
                .key("mark")
                .value(markText(entry.mark))
                .key("index")
                .value(toUtf8(indexText(entry.combined)))
                .key("finish");
            if (entry.finish)
                json.value(*entry.finish);
            else
                json.null();
            json.endObject();
        }
        json.endArray().key("pastRaces").beginArray();
        for (const library::PastRaceSeen& past : horse.pastRaces) writePastRaceJson(json, past);
        json.endArray().endObject();
    }
    json.endArray().endObject();
    out << '\n';
}

void writeText(std::ostream& out, const std::vector<library::HorseFound>& horses) {
    for (const library::HorseFound& horse : horses) {
        out << horse.name << '\n';
        for (const library::HorseEntry& entry : horse.entries) {
            out << "  " << library::slashedDate(entry.date) << "  " << entry.race << "  " << entry.horseNumber << "番  "
                << (entry.mark >= 0 ? markText(entry.mark) : "－") << "  " << toUtf8(indexText(entry.combined)) << "  "
                << (entry.finish ? std::to_string(*entry.finish) + "着" : "結果未着") << '\n';
        }
        if (!horse.pastRaces.empty()) out << "  過去の成績 " << horse.pastRaces.size() << " 戦\n";
        for (const library::PastRaceSeen& past : horse.pastRaces) {
            out << "    " << library::slashedDate(past.date) << "  " << past.racecourse << "  " << past.raceName << "  "
                << past.surface << past.distance << "  " << past.fieldSize << "頭" << past.horseNumber << "番  "
                << past.popularity << "人気  " << past.finish << "着  " << past.jockey << '\n';
        }
    }
}

}  // namespace

int cmdHorse(CliContext& ctx) {
    if (ctx.args.size() != 1) throw UsageError("horse には馬名 (の一部) を 1 つ指定してください");
    const std::vector<library::HorseFound> horses = library::Library(ctx.dataFolder(), library::OpenMode::Existing)
                                                        .findHorses(ctx.args[0], library::Library::PastRaces::Read);
    if (ctx.flag("--json"))
        writeJson(ctx.out, ctx.args[0], horses);
    else
        writeText(ctx.out, horses);
    if (horses.empty() && !ctx.flag("--json")) ctx.out << "見つかりません: " << ctx.args[0] << '\n';
    return horses.empty() ? 1 : 0;
}

}  // namespace zv::cli
