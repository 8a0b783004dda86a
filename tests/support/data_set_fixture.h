// Small data sets built in code for the loader tests: header lines that carry a runner count,
// runner and horse lines that carry their global index in the horse name, written into a
// temporary folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace zv::fixture {

// A race header line of racecourse 04 whose runner_count field holds countText as it stands.
std::string headerLine(std::string_view countText, int raceNumber = 1);
// Runner and horse lines whose horse_name is "H" + the global index, so a test can tell them apart.
std::string runnerLine(int globalIndex);
std::string horseLine(int globalIndex);
std::string markedName(int globalIndex);

// Writes bytes as the file name of folder, replacing it.
void writeFile(const std::filesystem::path& folder, const char* name, std::string_view bytes);

// Writes the three files: one header line per count text, and as many runner and horse lines as
// runnerLines and horseLines say (CR LF line ends).
void writeDataSet(const std::filesystem::path& folder, const std::vector<std::string>& counts, int runnerLines,
                  int horseLines);
// The same with runner and horse lines matching the sum of the counts.
void writeDataSet(const std::filesystem::path& folder, const std::vector<std::string>& counts);

}  // namespace zv::fixture
