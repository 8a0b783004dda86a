#include "kmi_file.h"

#include "data/data_folder_lock.h"
#include "data/text_file.h"
#include "kmi_lines.h"

namespace zv {

std::string allRacesKmiFileName(const RaceDataStore& store) {
    std::string date = store.headers.empty() ? std::string() : store.headers[0].raceDateText;
    auto part = [&](size_t pos) { return pos < date.size() ? date.substr(pos, 2) : std::string(); };
    return "zv" + part(2) + part(5) + part(8) + ".kmi";
}

void writeRaceKmiFile(const std::filesystem::path& path, const RaceDataStore& store, const RaceResult& result) {
    std::vector<std::string> lines;
    appendKmiLines(lines, store.headers.at(static_cast<size_t>(result.race)).record, result.betKeys);
    writeExportFile(path, joinCrLf(lines), FileDurability::Regenerable);
}

BatchOutcome writeAllRacesKmiFile(const std::filesystem::path& path, const RaceDataStore& store,
                                  const BatchRunOptions& options) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(store.raceCount) * kBetKeys);
    BatchOutcome outcome = runBatch(store, options, [&](int race, const RaceRatings& ratings) {
        appendKmiLines(lines, store.headers[race].record, ratings.betKeys);
        return true;
    });
    writeExportFile(path, joinCrLf(lines), FileDurability::Regenerable);
    return outcome;
}

}  // namespace zv
