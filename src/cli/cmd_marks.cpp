// marks [--json]: the own marks of the day, by race, each against the card (a mark set on another
// horse than the card now names at its number is flagged). marks --export FILE writes every own
// mark to a CSV file; marks --import FILE sets the marks of such a file, naming each row it could
// not place.
#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

#include "commands.h"
#include "data/data_folder_lock.h"
#include "data/error.h"
#include "json.h"
#include "library/own_marks.h"
#include "library/own_marks_csv.h"

namespace zv::cli {
namespace {

using library::OwnMark;

// A mark of the day as the card shows it.
struct ShownMark {
    OwnMark mark;
    int race = -1;           // race index on the card; -1 when the card has no such race
    std::string nameOnCard;  // empty off the card
};

std::vector<ShownMark> shownMarks(const RaceDataStore& store, const std::vector<OwnMark>& marks) {
    std::vector<library::RaceKey> keys;
    keys.reserve(static_cast<size_t>(store.raceCount));
    for (int r = 0; r < store.raceCount; ++r) keys.push_back(library::raceKeyOf(store, r));
    std::vector<ShownMark> shown;
    for (const OwnMark& mark : marks) {
        ShownMark& s = shown.emplace_back();
        s.mark = mark;
        for (int r = 0; r < store.raceCount; ++r) {
            if (keys[static_cast<size_t>(r)] != mark.race) continue;
            s.race = r;
            if (mark.horseNumber <= store.runnerCount(r))
                s.nameOnCard = library::horseNameOf(store, r, mark.horseNumber);
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [](const ShownMark& a, const ShownMark& b) {
        return (a.race < 0 ? kMaxRaces : a.race) < (b.race < 0 ? kMaxRaces : b.race);
    });
    return shown;
}

bool flagged(const ShownMark& s) { return s.nameOnCard != s.mark.horseName; }

void writeText(std::ostream& out, int date, const std::vector<ShownMark>& marks) {
    out << library::slashedDate(date) << " の自印: " << marks.size() << " 頭\n";
    for (const ShownMark& s : marks) {
        out << library::raceLabelOf(s.mark.race) << "  " << s.mark.horseNumber << "  "
            << kOwnMarkSymbolsUtf8[static_cast<size_t>(s.mark.mark)] << "  " << s.mark.horseName;
        if (s.race < 0)
            out << "  (出馬表にないレースです)";
        else if (s.nameOnCard.empty())
            out << "  (出馬表にない馬番です)";
        else if (flagged(s))
            out << "  (馬名が違います: 出馬表では " << s.nameOnCard << ")";
        out << '\n';
    }
}

void writeJson(std::ostream& out, int date, const std::vector<ShownMark>& marks) {
    JsonWriter json(out);
    json.beginObject().key("date").value(library::slashedDate(date)).key("marks").beginArray();
    for (const ShownMark& s : marks) {
        json.beginObject().key("race");
        if (s.race >= 0)
            json.value(s.race);
        else
            json.null();
        json.key("raceLabel").value(library::raceLabelOf(s.mark.race));
        json.key("horseNumber").value(s.mark.horseNumber).key("horseName").value(s.mark.horseName);
        json.key("mark").value(kOwnMarkSymbolsUtf8[static_cast<size_t>(s.mark.mark)]);
        json.key("nameOnCard").value(s.nameOnCard).key("nameDiffers").value(flagged(s)).endObject();
    }
    json.endArray().endObject();
    out << '\n';
}

int exportMarks(CliContext& ctx, const std::string& file) {
    const library::Library kept(ctx.dataFolder(), library::OpenMode::Create);
    const std::vector<OwnMark> marks = library::OwnMarks(kept).ofDay(0);
    writeExportFile(file, library::ownMarksCsv(marks), FileDurability::Synced);
    ctx.out << marks.size() << " 頭の自印を書きました: " << file << '\n';
    return 0;
}

int importMarks(CliContext& ctx, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) throw Error(ErrorKind::Io, "ファイルを読めません: " + file);
    const library::Library kept(ctx.dataFolder(), library::OpenMode::Create);
    const library::MarksImport result = library::importOwnMarksCsv(kept, bytes.str());
    for (const library::RefusedRow& row : result.refused)
        ctx.out << "取り込めない行 " << row.line << ": " << row.text << "  (" << row.reason << ")\n";
    ctx.out << result.placed << " 頭の自印を取り込みました";
    if (!result.refused.empty()) ctx.out << "、" << result.refused.size() << " 行は取り込めませんでした";
    ctx.out << '\n';
    return result.refused.empty() ? 0 : 1;
}

}  // namespace

int cmdMarks(CliContext& ctx) {
    if (!ctx.args.empty()) throw UsageError("marks には引数はありません");
    const std::optional<std::string> exportFile = ctx.option("--export");
    const std::optional<std::string> importFile = ctx.option("--import");
    if (exportFile || importFile) {
        if ((exportFile && importFile) || ctx.flag("--json") || ctx.flag("--day"))
            throw UsageError("--export と --import は、どちらか 1 つだけを --json や --day なしで指定してください");
        return exportFile ? exportMarks(ctx, *exportFile) : importMarks(ctx, *importFile);
    }
    const RaceDataStore store = ctx.loadStore();
    const int date = library::raceKeyOf(store, 0).date;
    const library::Library kept(ctx.dataFolder(), library::OpenMode::Create);
    const std::vector<ShownMark> marks = shownMarks(store, library::OwnMarks(kept).ofDay(date));
    if (ctx.flag("--json"))
        writeJson(ctx.out, date, marks);
    else
        writeText(ctx.out, date, marks);
    return 0;
}

}  // namespace zv::cli
