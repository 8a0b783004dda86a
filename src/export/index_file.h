// The external index file (.idx) of all races, written through a temporary file (lines in
// index_lines.h).
#pragma once

#include <filesystem>
#include <string>

#include "batch_run.h"

namespace zv {

// The proposed file name: "zv" + YYMMDD of the first race + ".idx".
std::string indexFileName(const RaceDataStore& store);

// Runs the batch over all races and writes the heading and their runner lines; after an abort the
// file holds the races done so far. On an error nothing is written and the error is thrown.
BatchOutcome writeIndexFile(const std::filesystem::path& path, const RaceDataStore& store,
                            const BatchRunOptions& options);

}  // namespace zv
