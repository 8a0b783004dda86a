// Bet-line files (.kmi): the bet-line records (kmi_lines.h) of one race or of every race, CP932
// lines ended by CR LF, written through a temporary file.
#pragma once

#include <filesystem>
#include <string>

#include "batch_run.h"

namespace zv {

// The proposed name of the all-races file: "zv" + YYMMDD of the first race + ".kmi".
std::string allRacesKmiFileName(const RaceDataStore& store);

// Writes the records of one computed race (an empty file when it has no lines).
void writeRaceKmiFile(const std::filesystem::path& path, const RaceDataStore& store, const RaceResult& result);

// Runs the batch over all races and writes their records; after an abort the file holds the races
// done so far. On an error nothing is written and the error is thrown.
BatchOutcome writeAllRacesKmiFile(const std::filesystem::path& path, const RaceDataStore& store,
                                  const BatchRunOptions& options);

}  // namespace zv
