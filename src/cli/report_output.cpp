#include "report_output.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "json.h"

namespace zv::cli {
namespace {

using report::Rate;
using report::RateRow;
using report::ReportCard;

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

std::string padRight(const std::string& text, int width) {
    return text + std::string(static_cast<size_t>(std::max(0, width - displayWidth(text))), ' ');
}

std::string padLeft(const std::string& text, int width) {
    return std::string(static_cast<size_t>(std::max(0, width - displayWidth(text))), ' ') + text;
}

std::string percentText(const std::optional<double>& rate) {
    if (!rate) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", *rate * 100);
    return text;
}

std::string shareText(int part, int whole) {
    if (whole == 0) return "-";
    return percentText(static_cast<double>(part) / whole);
}

// A table: headings and rows of cells, the first column left-aligned, the others right-aligned.
void writeTable(std::ostream& out, const std::vector<std::string>& headings,
                const std::vector<std::vector<std::string>>& rows) {
    std::vector<int> widths;
    widths.reserve(headings.size());
    for (const std::string& h : headings) widths.push_back(displayWidth(h));
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], displayWidth(row[c]));
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) text += "  ";
            text += c == 0 ? padRight(cells[c], widths[c]) : padLeft(cells[c], widths[c]);
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << "\n";
    };
    line(headings);
    for (const auto& row : rows) line(row);
}

void writeRateTable(std::ostream& out, const char* title, const char* firstHeading, const std::vector<RateRow>& rows) {
    out << "\n■ " << title << "\n";
    std::vector<std::vector<std::string>> cells;
    for (const RateRow& row : rows) {
        std::vector<std::string> c{row.label, std::to_string(row.runners)};
        for (const Rate* rate : {&row.win, &row.top2, &row.top3}) {
            c.push_back(std::to_string(rate->base));
            c.push_back(std::to_string(rate->count));
            c.push_back(percentText(rate->rate()));
        }
        cells.push_back(std::move(c));
    }
    writeTable(out,
               {firstHeading, "頭数", "単勝母数", "1着", "勝率", "連対母数", "2着以内", "連対率", "複勝母数", "3着以内",
                "複勝率"},
               cells);
}

void writeBetTable(std::ostream& out, const char* title, const std::vector<report::BetLineRow>& rows) {
    out << "\n■ " << title << "\n";
    std::vector<std::vector<std::string>> bets;
    bets.reserve(rows.size());
    for (const report::BetLineRow& row : rows) {
        bets.push_back({row.type, std::to_string(row.races), std::to_string(row.hits), percentText(row.hitRate()),
                        std::to_string(row.lines)});
    }
    writeTable(out, {"券種", "レース数", "的中", "的中率", "点数"}, bets);
}

void betRowsJson(JsonWriter& json, const char* name, const std::vector<report::BetLineRow>& rows) {
    json.key(name).beginArray();
    for (const report::BetLineRow& row : rows) {
        json.beginObject().key("type").value(row.type).key("races").value(row.races).key("hits").value(row.hits);
        json.key("hitRate");
        if (row.hitRate())
            json.value(*row.hitRate());
        else
            json.null();
        json.key("lines").value(row.lines).endObject();
    }
    json.endArray();
}

void rateRowJson(JsonWriter& json, const RateRow& row) {
    auto rate = [&](const char* name, const std::optional<double>& value) {
        json.key(name);
        if (value)
            json.value(*value);
        else
            json.null();
    };
    json.beginObject();
    json.key("label").value(row.label);
    json.key("runners").value(row.runners);
    json.key("winBase").value(row.win.base);
    json.key("wins").value(row.win.count);
    rate("winRate", row.win.rate());
    json.key("top2Base").value(row.top2.base);
    json.key("top2").value(row.top2.count);
    rate("top2Rate", row.top2.rate());
    json.key("top3Base").value(row.top3.base);
    json.key("top3").value(row.top3.count);
    rate("top3Rate", row.top3.rate());
    json.endObject();
}

}  // namespace

int displayWidth(std::string_view utf8) {
    int width = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        width += isWide(c) ? 2 : 1;
        i += static_cast<size_t>(length);
    }
    return width;
}

void writeReportText(std::ostream& out, const ReportCard& card) {
    const report::Coverage& c = card.coverage;
    out << "成績集計: " << card.days.size() << "日";
    if (!card.days.empty()) out << " (" << card.days.front().date << "〜" << card.days.back().date << ")";
    out << "  " << c.races << "レース\n";
    out << "結果が分かった出走馬: " << c.runners << "頭中 " << c.runnersWithResult << "頭 ("
        << shareText(c.runnersWithResult, c.runners) << ")\n";
    out << "着順が分かったレース: 1着 " << c.racesWithWinner << " / 1・2着 " << c.racesWithFirstTwo << " / 1〜3着 "
        << c.racesWithFirstThree << " (" << c.races << "レース中)\n";
    out << "各率は、その着順までが後の開催日の記録で分かったレースの出走馬だけで数えています"
           "（人気別は自身の記録が見つかった馬だけ）。\n"
           "馬がまだ次に走っていないため、最後の数日のレースは結果がほとんど分かりません。\n";
    if (card.aborted) out << "中止したため、途中までの開催日だけを集計しています。\n";

    writeRateTable(out, "印別", "印", card.byMark);
    writeRateTable(out, "指数順位別", "順位", card.byRank);
    writeRateTable(out, "指数帯別", "指数帯", card.byIndexBand);
    writeRateTable(out, "人気別 (参考: 市場の評価)", "人気", card.byPopularity);

    writeBetTable(out, "買い目 (配当の記録がないため回収率は出しません)", card.betLines);

    out << "\n自印を付けたレース: " << c.racesWithOwnMarks << "レース (" << c.races
        << "レース中)。自印の表はそのレースだけを数えています。\n";
    writeRateTable(out, "自印別", "自印", card.byOwnMark);
    writeBetTable(out, "自印の買い目", card.ownBetLines);

    out << "\n■ 開催日\n";
    for (const report::ReportDay& day : card.days)
        out << day.date << "  " << day.races << "レース  " << day.path << "\n";
    if (!card.skipped.empty()) {
        out << "\n■ 集計しなかった入力\n";
        for (const report::SkippedInput& s : card.skipped) out << s.path << ": " << s.reason << "\n";
    }
}

void writeReportJson(std::ostream& out, const ReportCard& card) {
    JsonWriter json(out);
    json.beginObject();
    json.key("days").beginArray();
    for (const report::ReportDay& day : card.days) {
        json.beginObject()
            .key("date")
            .value(day.date)
            .key("path")
            .value(day.path)
            .key("races")
            .value(day.races)
            .endObject();
    }
    json.endArray();
    json.key("skipped").beginArray();
    for (const report::SkippedInput& s : card.skipped) {
        json.beginObject().key("path").value(s.path).key("reason").value(s.reason).endObject();
    }
    json.endArray();
    const report::Coverage& c = card.coverage;
    json.key("coverage").beginObject();
    json.key("races")
        .value(c.races)
        .key("runners")
        .value(c.runners)
        .key("runnersWithResult")
        .value(c.runnersWithResult);
    json.key("racesWithWinner").value(c.racesWithWinner).key("racesWithFirstTwo").value(c.racesWithFirstTwo);
    json.key("racesWithFirstThree").value(c.racesWithFirstThree).key("racesWithOwnMarks").value(c.racesWithOwnMarks);
    json.endObject();
    const std::pair<const char*, const std::vector<RateRow>*> tables[] = {{"byMark", &card.byMark},
                                                                          {"byRank", &card.byRank},
                                                                          {"byIndexBand", &card.byIndexBand},
                                                                          {"byPopularity", &card.byPopularity},
                                                                          {"byOwnMark", &card.byOwnMark}};
    for (const auto& [name, rows] : tables) {
        json.key(name).beginArray();
        for (const RateRow& row : *rows) rateRowJson(json, row);
        json.endArray();
    }
    betRowsJson(json, "betLines", card.betLines);
    betRowsJson(json, "ownBetLines", card.ownBetLines);
    json.endObject();
    out << "\n";
}

}  // namespace zv::cli
