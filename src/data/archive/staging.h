// The staging folder of an intake: a fresh folder inside the data folder. The archive is unpacked
// and converted in its "incoming" folder, so the data folder itself changes only when a whole,
// loadable data set is ready, and then only by renames within one file system. Files the install
// replaces wait in its "previous" folder until every move succeeded, so a failed move can be undone.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace zv::archive {

class StagingFolder {
public:
    // Creates the folder inside dataFolder. Throws zv::Error (Io) when it cannot.
    explicit StagingFolder(const std::filesystem::path& dataFolder);
    // Removes the folder with everything still in it, unless keep() was called.
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path incoming() const { return root_ / "incoming"; }
    std::filesystem::path previous() const { return root_ / "previous"; }

    // Leaves the folder in place: after a failed install it may hold the only copy of a file.
    void keep() { keep_ = true; }

private:
    std::filesystem::path root_;
    bool keep_ = false;
};

// Renames one file; the seam through which tests make a move fail.
using RenameFn = std::function<std::error_code(const std::filesystem::path& from, const std::filesystem::path& to)>;
std::error_code renameFile(const std::filesystem::path& from, const std::filesystem::path& to);

struct InstallOutcome {
    std::vector<std::string> failures;  // CP932, one per failed step; empty on success
    bool restored = true;               // after a failure: the data folder is as it was
    bool ok() const { return failures.empty(); }
};

// Moves every file of staging.incoming() into dataFolder, replacing files of the same name. A
// same-name folder or read-only file stops the install before anything moves; every staged file
// is synced to the disk before it moves. When a move fails, the files already moved go back and
// the replaced files return.
InstallOutcome installStagedFiles(const StagingFolder& staging, const std::filesystem::path& dataFolder,
                                  const RenameFn& rename = renameFile);

}  // namespace zv::archive
