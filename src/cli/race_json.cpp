#include "race_json.h"

#include <cstdio>
#include <ostream>

#include "data/code_tables.h"
#include "data/sjis.h"
#include "json.h"
#include "predict/cell_markup.h"
#include "predict/ratings.h"

namespace zv::cli {
namespace {

template <typename Container, typename Write>
void array(JsonWriter& json, const Container& items, Write write) {
    json.beginArray();
    for (const auto& item : items) write(item);
    json.endArray();
}

void labelValue(JsonWriter& json, const HeaderLabel& label) {
    if (label.shown)
        json.value(toUtf8(label.value));
    else
        json.null();
}

void writeRunner(JsonWriter& json, const RaceResult& result, int n) {
    const PastColumn& b = result.pastColumns[n];
    const GridRow& row = result.cells[n + 1];
    json.beginObject();
    json.key("number").value(n + 1);
    json.key("horseName").value(toUtf8(b.name));
    json.key("rate").value(b.rate);
    json.key("timeRating").value(b.TR);
    json.key("positionRating").value(b.PR);
    json.key("combinedRating").value(b.combined);
    json.key("index").value(indexText(b.combined));
    json.key("pastRaceValid");
    array(json, b.pastValid, [&](bool v) { json.value(v); });
    json.key("pastTimeRatings");
    array(json, b.pastTR, [&](int32_t v) { json.value(v); });
    json.key("pastPositionRatings");
    array(json, b.pastPR, [&](int32_t v) { json.value(v); });
    json.key("pastEarlyThreeFurlongs");
    array(json, b.pastF3F, [&](int32_t v) { json.value(v); });
    json.key("pastDistances");
    array(json, b.pastDistance, [&](int32_t v) { json.value(v); });
    json.key("pastSurfaces");
    array(json, b.pastSurface, [&](Surface v) { json.value(toUtf8(surfaceName(v))); });
    json.key("cells");
    array(json, row, [&](const GridCell& c) { json.value(toUtf8(cellMarkup(c.text))); });
    json.key("textColours");
    array(json, row, [&](const GridCell& c) { json.value(colourText(c.fg)); });
    json.key("backgroundColours");
    array(json, row, [&](const GridCell& c) { json.value(colourText(c.bg)); });
    json.key("rightBorders");
    array(json, row, [&](const GridCell& c) { json.value(c.rightBorder); });
    json.endObject();
}

}  // namespace

std::string colourText(const CellColour& colour) {
    if (!colour) return "";
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(*colour & 0xFFFFFF));
    return text;
}

void writeRaceJson(std::ostream& out, const RaceResult& result) {
    JsonWriter json(out);
    json.beginObject();
    json.key("race").value(result.race);
    json.key("raceNumber").value(toUtf8(result.raceNumberText));
    json.key("titleLine1").value(toUtf8(result.titleLine1));
    json.key("titleLine2").value(toUtf8(result.titleLine2));
    json.key("f3fAverage");
    labelValue(json, result.f3fAverage);
    json.key("prAverage");
    labelValue(json, result.prAverage);
    json.key("pace").value(result.paceText);
    json.key("markedRunners");
    array(json, result.markedRunners, [&](int runner) { json.value(runner); });
    json.key("betSummary").beginObject();
    json.key("winAndPlace").value(toUtf8(result.labels.winPlace));
    json.key("quinellaExactaTrio").value(toUtf8(result.labels.pairs));
    json.key("trifectaFirst").value(toUtf8(result.labels.trifectaFirst));
    json.key("trifectaSecond").value(toUtf8(result.labels.trifectaSecond));
    json.key("trifectaThird").value(toUtf8(result.labels.trifectaThird));
    json.endObject();
    json.key("betKeys");
    array(json, result.betKeys, [&](const std::string& key) { json.value(key); });
    json.key("rowOrder");
    array(json, result.rowOrder, [&](int runner) { json.value(runner); });
    json.key("runners").beginArray();
    for (int n = 0; n < result.runnerCount; ++n) writeRunner(json, result, n);
    json.endArray();
    json.endObject();
    out << '\n';
}

}  // namespace zv::cli
