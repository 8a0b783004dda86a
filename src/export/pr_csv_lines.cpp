#include "pr_csv_lines.h"

#include <cstdio>

#include "data/code_tables.h"
#include "data/line_cutter.h"
#include "data/numbers.h"
#include "data/record_codec.h"
#include "data/store.h"
#include "predict/grid_sort.h"
#include "predict/ranking.h"

namespace zv {
namespace {

constexpr int kListedCombined = 10;

bool allDigits(std::string_view text, size_t minLen, size_t maxLen) {
    if (text.size() < minLen || text.size() > maxLen) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

LocalDateTime raceDay(const RaceDataStore& store, int race) {
    std::string_view date = std::string_view(store.headers.at(race).raceDateText).substr(0, 10);
    const auto [year, month, day] = raceDateParts(date);
    return strictDate(year, month, day, "raceDateText", date);
}

std::string dayText(const LocalDateTime& day) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", day.year, day.month, day.day);
    return buffer;
}

std::optional<std::string> prCsvLine(const RaceDataStore& store, const RaceRatings& ratings, int sortColumn) {
    if (!ratings.pace.prAverageShown) return std::nullopt;
    const RaceHeader& header = store.headers.at(static_cast<size_t>(ratings.race));
    // Racecourse and race number come from the header fields rather than from fixed byte
    // positions of the title, which would cut the longer racecourse names apart.
    std::string line = std::string(std::string_view(header.raceDateText).substr(0, 10)) + "," +
                       racecourseName(codeKey(header.record, header.record.racecourse)) + "," +
                       storedBytes(header.record, header.record.raceNumber).bytes() + "," +
                       ratings.pace.f3fAverageValue + "," + ratings.pace.prAverageValue;
    RankingTable ranking = ratings.ranking;
    sortRankingAsGrid(ranking, sortColumn);
    sortRanking(ranking, RankingColumn::Combined, true);
    for (const RankingRow& row : ranking) {
        if (row.combined < kListedCombined) break;
        line += "," + std::to_string(row.runner);
    }
    return line;
}

std::optional<LocalDateTime> readCsvDay(std::string_view text) {
    size_t first = text.find('/');
    size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    std::string_view year = text.substr(0, first), month = text.substr(first + 1, second - first - 1),
                     day = text.substr(second + 1);
    if (!allDigits(year, 4, 4) || !allDigits(month, 1, 2) || !allDigits(day, 1, 2)) return std::nullopt;
    LocalDateTime date{toIntOrZero(year), toIntOrZero(month), toIntOrZero(day), 0};
    if (!isValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

CsvDayLookup lookUpDay(std::string_view content, const LocalDateTime& day) {
    CsvDayLookup lookup;
    for (std::string_view line : splitLines(content)) {
        if (line.empty()) continue;
        std::optional<LocalDateTime> lineDay = readCsvDay(line.substr(0, line.find(',')));
        if (!lineDay) {
            ++lookup.unreadableLines;
        } else if (*lineDay == day) {
            lookup.found = true;
        }
    }
    return lookup;
}

}  // namespace zv
