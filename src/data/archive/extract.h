// Listing and unpacking an LHA archive. Every member is written into the target folder under its
// safe file name (any folders in the stored name dropped); folder and symbolic link entries are
// skipped, so nothing is followed or created outside the folder, members that would replace a
// file the user keeps are skipped too (member_name.h), and a member whose data fail their check
// is removed again. Errors are collected, one per member, as the user sees them.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "lha_walker.h"

namespace zv::archive {

// Error codes of the unpacking, shown before each error text.
enum class ExtractErrorCode : int {
    Damaged = 1,        // the archive is cut short or its structure is broken
    UnknownMethod = 2,  // a compression method the library cannot decode
    DataCorrupt = 3,    // a member's data do not match their size or CRC
    WriteFailed = 4,    // a file could not be written (disk full, file too large, no permission)
    NoSpace = 5,        // the members do not fit on the disk
    Unreadable = 6,     // the archive file cannot be read
    TooLarge = 7,       // a data file larger than any data set's
};

struct ExtractError {
    int code;
    std::string text;
};

// Whole-archive progress from 0 to 100; called again with 0 when the unpacking ends.
using ProgressFn = std::function<void(int percent)>;

struct ArchiveListing {
    std::vector<ArchiveMember> members;
    bool opened = false;  // the file could be opened
    bool intact = false;  // every header was read and the archive ends where its last member ends

    // Uncompressed size of the members that are written.
    uint64_t writtenLength() const;
};

ArchiveListing listArchive(const std::filesystem::path& archive);

// Unpacks every member of archive into folder, replacing files of the same name. listing is the
// archive's listing (for the space check and the progress). Returns the errors, empty on success.
std::vector<ExtractError> extractArchive(const std::filesystem::path& archive, const ArchiveListing& listing,
                                         const std::filesystem::path& folder, const ProgressFn& progress);

}  // namespace zv::archive
