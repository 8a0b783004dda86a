// Collecting one meeting day for zv.csv, race by race: the per-race step of the CSV run. The day
// is the date of the first race; the run ends at the first race of another day. Before the first
// line is added, the file's existing lines are searched for the day and, when it is there, the
// caller is asked whether to add it again.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/store.h"
#include "predict/calendar.h"
#include "predict/grid_layout.h"
#include "predict/race_result.h"

namespace zv {

enum class CsvQuestion {
    CreateMissingFile,   // zv.csv does not exist yet
    AppendDuplicateDay,  // the day is in the file already
};

enum class CsvAnswer { Yes, Abort };

// Asks the user; the message is CP932 with CR LF line breaks.
using CsvQuestionHandler = std::function<CsvAnswer(CsvQuestion, const std::string& message)>;

// The question texts.
std::string missingCsvMessage();
std::string duplicateDayMessage(const LocalDateTime& day);

// The new file content: the old bytes unchanged, a line end after an old last line without one,
// then every new line followed by CR LF.
std::string appendCsvLines(std::string_view oldContent, const std::vector<std::string>& lines);

class PrCsvDay {
public:
    // sortColumn: the grid sort in effect, which orders runners of equal combined rating.
    PrCsvDay(const RaceDataStore& store, std::string oldContent, CsvQuestionHandler ask, int sortColumn = kColRunner);

    // Takes the rated race; false ends the run (another day begins, or the duplicate question
    // was answered Abort). Throws a conversion error when the race date cannot be read.
    bool addRace(const RaceRatings& ratings);

    const std::vector<std::string>& lines() const { return lines_; }
    bool abortedAtDuplicate() const { return abortedAtDuplicate_; }
    bool reachedNextDay() const { return reachedNextDay_; }
    // Non-empty lines of the old file whose first field is not a date (kept as they are).
    int unreadableLines() const { return unreadableLines_; }
    // The whole new content of the file.
    std::string content() const { return appendCsvLines(oldContent_, lines_); }

private:
    const RaceDataStore& store_;
    std::string oldContent_;
    CsvQuestionHandler ask_;
    int sortColumn_;
    std::vector<std::string> lines_;
    bool haveDay_ = false;
    LocalDateTime day_;
    bool abortedAtDuplicate_ = false;
    bool reachedNextDay_ = false;
    int unreadableLines_ = 0;
};

}  // namespace zv
