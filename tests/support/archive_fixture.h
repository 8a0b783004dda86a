// Archives for the intake tests: real ones packed by jlha from files of a folder, crafted ones
// built header field by header field for what jlha cannot make (names that climb out of the
// folder, unknown methods, broken checksums), day data sets in the version-2, version-3 and
// replacement file forms, and a snapshot of a folder to show that it did not change.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/files.h"

namespace zv::fixture {

// Packs the named files of folder into archive with jlha; options as jlha takes them ("-a2o7q").
void packWithJlha(const std::filesystem::path& folder, const std::filesystem::path& archive, const std::string& options,
                  const std::vector<std::string>& names);

struct CraftedMember {
    CraftedMember(std::string name, std::string data, std::string method = "-lh0-", int level = 0,
                  std::optional<uint32_t> declaredLength = std::nullopt,
                  std::optional<uint16_t> unixMode = std::nullopt)
        : name(std::move(name)),
          data(std::move(data)),
          method(std::move(method)),
          level(level),
          declaredLength(declaredLength),
          unixMode(unixMode) {}

    std::string name;  // stored name bytes, as they stand
    std::string data;  // stored as they are (the method field is not honoured)
    std::string method;
    int level;                               // 0 or 1
    std::optional<uint32_t> declaredLength;  // uncompressed size in the header; default data.size()
    std::optional<uint16_t> unixMode;        // level 1: a Unix mode extended header (0120777: a link)
};

// A level-1 symbolic link entry "name|target", as Unix LHA archivers store one.
CraftedMember symbolicLink(const std::string& name, const std::string& target);

// One level-0 or level-1 member header with its data; the header checksum and data CRC are right.
std::string craftMember(const CraftedMember& member);
// Members one after another, closed by the 0x00 end byte.
std::string craftArchive(const std::vector<CraftedMember>& members);
// Byte offset of the header checksum of the member header starting at offset.
inline constexpr size_t kHeaderChecksumOffset = 1;

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
