#include "pr_csv.h"

#include <fstream>
#include <iterator>

#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/sjis.h"
#include "data/text_file.h"

namespace zv {
namespace {

std::string readCsv(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        throw Error(ErrorKind::Io, "ファイルを読み込めません: " + pathText(path));
    }
    return content;
}

}  // namespace

PrCsvOutcome appendDayToPrCsv(const std::filesystem::path& dataFolder, const RaceDataStore& store,
                              const BatchRunOptions& options, const CsvQuestionHandler& ask) {
    PrCsvOutcome outcome;
    const DataFolderLock lock(dataFolder);
    const std::filesystem::path path = dataFolder / kPrCsvFile;
    bool exists = std::filesystem::exists(path);
    if (!exists && ask(CsvQuestion::CreateMissingFile, missingCsvMessage()) == CsvAnswer::Abort) {
        outcome.declined = true;
        return outcome;
    }
    PrCsvDay day(store, exists ? readCsv(path) : std::string(), ask, options.sortColumn);

    BatchRunOptions runOptions = options;
    runOptions.fullBarAtEnd = false;
    outcome.batch = runBatch(store, runOptions, [&](int, const RaceRatings& ratings) { return day.addRace(ratings); });

    outcome.linesAdded = static_cast<int>(day.lines().size());
    outcome.abortedAtDuplicate = day.abortedAtDuplicate();
    outcome.reachedNextDay = day.reachedNextDay();
    outcome.unreadableLines = day.unreadableLines();
    // An unchanged existing file is not rewritten; a new one is created even when empty, as the
    // user asked for it.
    if (outcome.linesAdded > 0 || !exists) writeFileReplacing(path, day.content());
    return outcome;
}

}  // namespace zv
