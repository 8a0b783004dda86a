#include "report_csv.h"

#include <cstdio>
#include <optional>

namespace zv::report {
namespace {

std::string rateText(const std::optional<double>& rate) {
    if (!rate) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", *rate);
    return text;
}

void appendRateRows(std::string& csv, const char* table, const std::vector<RateRow>& rows) {
    for (const RateRow& row : rows) {
        csv += std::string(table) + "," + row.label + "," + std::to_string(row.runners);
        for (const Rate* rate : {&row.win, &row.top2, &row.top3}) {
            csv += "," + std::to_string(rate->base) + "," + std::to_string(rate->count) + "," + rateText(rate->rate());
        }
        csv += ",,,,\r\n";
    }
}

void appendBetRows(std::string& csv, const char* table, const std::vector<BetLineRow>& rows) {
    for (const BetLineRow& row : rows) {
        csv += std::string(table) + "," + row.type + ",,,,,,,,,,," + std::to_string(row.races) + "," +
               std::to_string(row.hits) + "," + rateText(row.hitRate()) + "," + std::to_string(row.lines) + "\r\n";
    }
}

}  // namespace

std::string reportCsv(const ReportCard& card) {
    std::string csv = "\xEF\xBB\xBF";
    csv +=
        "表,項目,頭数,単勝母数,1着,勝率,連対母数,2着以内,連対率,複勝母数,3着以内,複勝率,レース数,的中,的中率,点数\r\n";
    appendRateRows(csv, "印", card.byMark);
    appendRateRows(csv, "順位", card.byRank);
    appendRateRows(csv, "指数帯", card.byIndexBand);
    appendRateRows(csv, "人気", card.byPopularity);
    appendBetRows(csv, "買い目", card.betLines);
    appendRateRows(csv, "自印", card.byOwnMark);
    appendBetRows(csv, "自印の買い目", card.ownBetLines);
    return csv;
}

}  // namespace zv::report
