#include "pr_csv_day.h"

#include "data/sjis.h"
#include "pr_csv_lines.h"

namespace zv {

std::string missingCsvMessage() {
    return sj("インストールフォルダに zv.csv がありません。\r\n\r\n新規に zv.csv を作成して書き込みますか？");
}

std::string duplicateDayMessage(const LocalDateTime& day) {
    return dayText(day) + sj(" のデータはすでに存在するようですが、") + "\r\n" + sj("追加してもよろしいですか？");
}

std::string appendCsvLines(std::string_view oldContent, const std::vector<std::string>& lines) {
    std::string content(oldContent);
    if (!content.empty() && !lines.empty()) {
        if (content.back() == '\r') {
            content += '\n';
        } else if (content.back() != '\n') {
            content += "\r\n";
        }
    }
    for (const std::string& line : lines) content += line + "\r\n";
    return content;
}

PrCsvDay::PrCsvDay(const RaceDataStore& store, std::string oldContent, CsvQuestionHandler ask, int sortColumn)
    : store_(store), oldContent_(std::move(oldContent)), ask_(std::move(ask)), sortColumn_(sortColumn) {
    unreadableLines_ = lookUpDay(oldContent_, LocalDateTime{}).unreadableLines;
}

bool PrCsvDay::addRace(const RaceRatings& ratings) {
    LocalDateTime day = raceDay(store_, ratings.race);
    // The day is fixed by the first race even when that race writes no line, so a first race
    // without a PR average does not end the run at the second race.
    if (!haveDay_) {
        day_ = day;
        haveDay_ = true;
    } else if (day != day_) {
        reachedNextDay_ = true;
        return false;
    }
    std::optional<std::string> line = prCsvLine(store_, ratings, sortColumn_);
    if (!line) return true;
    if (lines_.empty() && lookUpDay(oldContent_, day_).found &&
        ask_(CsvQuestion::AppendDuplicateDay, duplicateDayMessage(day_)) == CsvAnswer::Abort) {
        abortedAtDuplicate_ = true;
        return false;
    }
    lines_.push_back(std::move(*line));
    return true;
}

}  // namespace zv
