#include "index_file.h"

#include "data/data_folder_lock.h"
#include "data/text_file.h"
#include "index_lines.h"
#include "kmi_file.h"

namespace zv {

std::string indexFileName(const RaceDataStore& store) {
    return std::filesystem::path(allRacesKmiFileName(store)).replace_extension(".idx").string();
}

BatchOutcome writeIndexFile(const std::filesystem::path& path, const RaceDataStore& store,
                            const BatchRunOptions& options) {
    std::vector<std::string> lines{kIndexFileHeading};
    BatchOutcome outcome = runBatch(store, options, [&](int, const RaceRatings& ratings) {
        appendIndexLines(store, ratings, lines);
        return true;
    });
    writeExportFile(path, joinCrLf(lines), FileDurability::Regenerable);
    return outcome;
}

}  // namespace zv
