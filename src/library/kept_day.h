// A meeting day's three record files as the library keeps them: one file holding a line that names
// the format, then one compressed frame with a checksum, which holds the header, runner and horse
// lines, each file's bytes (lines ended by CR LF) after its length. Compressed they take less
// room than the archive the day came in, and they come back in milliseconds.
#pragma once

#include <filesystem>
#include <string>

#include "data/store.h"

namespace zv::library {

// The bytes of the kept file of store.
std::string keptDayBytes(const RaceDataStore& store);

// The day kept in file. Throws zv::Error: Io when it cannot be read, Format when it is damaged
// (the checksum, the lengths) or its lines are no data set.
RaceDataStore readKeptDay(const std::filesystem::path& file);

}  // namespace zv::library
