// The PR-average CSV run: appends the races of one meeting day to zv.csv in the data folder. The
// old content is kept byte for byte and the whole file is written back through a temporary file,
// so a failed write loses none of the lines collected before.
#pragma once

#include <filesystem>

#include "batch_run.h"
#include "pr_csv_day.h"

namespace zv {

inline constexpr const char* kPrCsvFile = "zv.csv";

struct PrCsvOutcome {
    bool declined = false;  // no zv.csv and the user would not have it created: nothing done
    BatchOutcome batch;     // races computed; aborted by the Abort request
    int linesAdded = 0;
    bool abortedAtDuplicate = false;
    bool reachedNextDay = false;  // the data set holds another day after the one written
    int unreadableLines = 0;      // non-empty old lines whose first field is not a date (kept)
};

// Runs the CSV export over the data set. The run ignores options.fullBarAtEnd: its bar never
// jumps to 100. It holds the data folder's lock from reading zv.csv to writing it, so two runs
// never lose each other's lines. Throws zv::Error when another writer keeps the lock, when zv.csv
// cannot be read or written, or when a race cannot be computed (then the file is left as it was).
PrCsvOutcome appendDayToPrCsv(const std::filesystem::path& dataFolder, const RaceDataStore& store,
                              const BatchRunOptions& options, const CsvQuestionHandler& ask);

}  // namespace zv
