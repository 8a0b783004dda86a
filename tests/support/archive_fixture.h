// Archives for the intake tests: real ones packed by jlha from files of a folder, crafted ones
// (lha_crafting.h), day data sets in the version-2, version-3 and replacement file forms, and a
// snapshot of a folder to show that it did not change.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/lha_crafting.h"

namespace zv::fixture {

// Packs the named files of folder into archive with jlha; options as jlha takes them ("-a2o7q").
void packWithJlha(const std::filesystem::path& folder, const std::filesystem::path& archive, const std::string& options,
                  const std::vector<std::string>& names);

// A day of two races (2 and 3 runners) in the version-2 files.
struct Day {
    std::vector<std::string> headers;  // version-2 header lines
    std::vector<std::string> runners;
    std::vector<std::string> horses;
};
Day sampleDay(int firstRaceNumber = 1, bool jpnGradeFlag = false);

// Version-3 lines that the conversion turns back into the given version-2 lines; the dropped
// bytes are filled with fill.
std::string toVersion3Header(const std::string& v2, char fill = '#');
std::string toVersion3Runner(const std::string& v2, char fill = '#');

// Writes the day's files into folder under the names of one archive form.
enum class DayForm { Version2, Version3, Replacement };
std::vector<std::string> writeDay(const std::filesystem::path& folder, const Day& day, DayForm form);

// Every entry below folder: relative path -> kind, permissions and content (or link target).
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot snapshot(const std::filesystem::path& folder);

}  // namespace zv::fixture
