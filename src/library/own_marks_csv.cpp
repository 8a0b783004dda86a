#include "own_marks_csv.h"

#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "data/convert.h"
#include "data/error.h"

namespace zv::library {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kHeading = "日付,場コード,レース,馬番,馬名,印";
constexpr int kFields = 6;

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

struct CsvRow {
    int line = 0;
    std::string text;  // as it stands in the file
    std::vector<std::string> fields;
};

// Rows of fields; a quoted field may hold commas, doubled quotes and line breaks.
std::vector<CsvRow> csvRows(std::string_view csv) {
    std::vector<CsvRow> rows;
    int line = 1;
    size_t at = 0;
    while (at < csv.size()) {
        CsvRow row;
        row.line = line;
        const size_t start = at;
        std::string field;
        bool quoted = false;
        for (; at < csv.size(); ++at) {
            const char c = csv[at];
            if (quoted) {
                if (c == '"' && at + 1 < csv.size() && csv[at + 1] == '"') {
                    field += '"';
                    ++at;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    line += c == '\n';
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row.fields.push_back(std::move(field));
                field.clear();
            } else if (c == '\n' || c == '\r') {
                break;
            } else {
                field += c;
            }
        }
        row.fields.push_back(std::move(field));
        row.text = std::string(csv.substr(start, at - start));
        if (at < csv.size() && csv[at] == '\r') ++at;
        if (at < csv.size() && csv[at] == '\n') ++at;
        ++line;
        if (!row.text.empty()) rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<int> numberIn(const std::string& text, int lowest, int highest) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const std::optional<int32_t> value = parseInt(text);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return static_cast<int>(*value);
}

bool isDate(int date) {
    const int month = date / 100 % 100;
    const int day = date % 100;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// The mark of a row, or why it has none.
struct ParsedRow {
    OwnMark mark;
    std::string problem;
};

ParsedRow parseRow(const CsvRow& row) {
    ParsedRow parsed;
    if (static_cast<int>(row.fields.size()) != kFields) {
        parsed.problem = "項目が " + std::to_string(kFields) + " つではありません";
        return parsed;
    }
    const std::vector<std::string>& f = row.fields;
    const std::optional<int> date = numberIn(f[0], 19000101, 99991231);
    const std::optional<int> course = numberIn(f[1], 1, 99);
    const std::optional<int> race = numberIn(f[2], 1, 99);
    const std::optional<int> horse = numberIn(f[3], 1, kMaxRunnersPerRace);
    const std::optional<int> mark = ownMarkOfSymbol(f[5]);
    if (f[0].size() != 8 || !date || !isDate(*date))
        parsed.problem = "日付が YYYYMMDD ではありません";
    else if (!course)
        parsed.problem = "場コードが読めません";
    else if (!race)
        parsed.problem = "レース番号が読めません";
    else if (!horse)
        parsed.problem = "馬番が読めません";
    else if (f[4].empty())
        parsed.problem = "馬名がありません";
    else if (!mark)
        parsed.problem = "印が ◎ ○ ▲ △ × ☆ 消 のどれでもありません";
    else
        parsed.mark = {{*date, *course, *race}, *horse, f[4], *mark};
    return parsed;
}

// The kept days' cards, each read once.
class Cards {
public:
    explicit Cards(const Library& library) : library_(library) {}

    // Why the kept card of the mark's day does not have its runner; empty when it does or when
    // the day is not kept.
    std::string problemOf(const OwnMark& mark) {
        const RaceDataStore* store = card(mark.race.date);
        if (!store) return {};
        for (int r = 0; r < store->raceCount; ++r) {
            if (raceKeyOf(*store, r) != mark.race) continue;
            if (mark.horseNumber > store->runnerCount(r)) return "そのレースにない馬番です";
            const std::string name = horseNameOf(*store, r, mark.horseNumber);
            if (name != mark.horseName) return "その馬番の馬名が違います (出馬表では " + name + ")";
            return {};
        }
        return "ライブラリのその開催日にないレースです";
    }

private:
    const RaceDataStore* card(int date) {
        auto [it, fresh] = cards_.try_emplace(date);
        if (fresh) {
            RaceDataStore store;
            try {
                if (library_.loadDay(date, store)) it->second = std::move(store);
            } catch (const Error&) {
                // A damaged kept day is no card to check against; check says so.
            }
        }
        return it->second ? &*it->second : nullptr;
    }

    const Library& library_;
    std::map<int, std::optional<RaceDataStore>> cards_;
};

}  // namespace

std::string ownMarksCsv(const std::vector<OwnMark>& marks) {
    std::string csv(kBom);
    csv.append(kHeading).append("\r\n");
    for (const OwnMark& mark : marks) {
        char course[8];
        std::snprintf(course, sizeof course, "%02d", mark.race.racecourseCode);
        csv += std::to_string(mark.race.date) + "," + course + "," + std::to_string(mark.race.raceNumber) + "," +
               std::to_string(mark.horseNumber) + "," + csvField(mark.horseName) + "," +
               std::string(kOwnMarkSymbolsUtf8.at(static_cast<size_t>(mark.mark))) + "\r\n";
    }
    return csv;
}

MarksImport importOwnMarksCsv(const Library& library, std::string_view csv) {
    if (csv.starts_with(kBom)) csv.remove_prefix(kBom.size());
    std::vector<CsvRow> rows = csvRows(csv);
    if (!rows.empty() && rows.front().text == kHeading) rows.erase(rows.begin());

    MarksImport result;
    OwnMarks marks(library);
    Cards cards(library);
    std::set<std::tuple<RaceKey, int>> runnersSeen;  // horse number
    std::set<std::tuple<RaceKey, int>> picksSeen;    // ◎ .. ☆
    for (const CsvRow& row : rows) {
        ParsedRow parsed = parseRow(row);
        const OwnMark& mark = parsed.mark;
        if (parsed.problem.empty()) parsed.problem = cards.problemOf(mark);
        if (parsed.problem.empty() && runnersSeen.contains({mark.race, mark.horseNumber}))
            parsed.problem = "前の行で同じ馬に印を付けています";
        if (parsed.problem.empty() && mark.mark < kRuledOut && picksSeen.contains({mark.race, mark.mark}))
            parsed.problem = "前の行で同じレースの別の馬に " + std::string(kOwnMarkSymbolsUtf8[size_t(mark.mark)]) +
                             " を付けています";
        if (!parsed.problem.empty()) {
            result.refused.push_back({row.line, row.text, parsed.problem});
            continue;
        }
        runnersSeen.insert({mark.race, mark.horseNumber});
        if (mark.mark < kRuledOut) picksSeen.insert({mark.race, mark.mark});
        marks.set(mark.race, mark.horseNumber, mark.horseName, mark.mark);
        ++result.placed;
    }
    return result;
}

}  // namespace zv::library
