// The staging folder of an intake: a fresh temporary folder inside the data folder
// (temporary_files.h). The archive is unpacked and converted in its "incoming" folder, so the
// data folder itself changes only when a whole, loadable data set is ready, and then only by
// renames within one file system, under the journal of install_journal.h: a crash at any moment
// leaves either the old or the new data set once the next start has recovered the folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/temporary_files.h"
#include "install_journal.h"

namespace zv::archive {

class StagingFolder {
public:
    // Creates the folder inside dataFolder. Throws zv::Error (Io) when it cannot.
    explicit StagingFolder(const std::filesystem::path& dataFolder);
    // Removes the folder with everything still in it, unless keep() was called.
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    const std::filesystem::path& root() const { return folder_.path(); }
    std::filesystem::path incoming() const { return root() / "incoming"; }
    std::filesystem::path previous() const { return root() / "previous"; }

    // Leaves the folder in place for the next start's recovery: it may hold the only copy of a file.
    void keep() { keep_ = true; }

private:
    TemporaryFolder folder_;
    bool keep_ = false;
};

struct InstallOutcome {
    std::vector<std::string> failures;  // one per failed step; empty on success
    bool restored = true;               // after a failure: the data folder is as it was
    bool ok() const { return failures.empty(); }
};

// Moves every file of staging.incoming() into dataFolder, replacing files of the same name. A
// same-name folder or read-only file stops the install before anything moves; every staged file
// is synced to the disk before it moves. When a move fails, the install rolls back. Not restored
// means the staging folder must be kept: the next start finishes the roll-back.
InstallOutcome installStagedFiles(const StagingFolder& staging, const std::filesystem::path& dataFolder,
                                  const RenameFn& rename = renameFile);

// Every program's first step with its data folder, to run while holding the folder's lock and
// before loading: finishes the installs that killed runs left (install_journal.h) and removes
// stale temporaries.
void recoverDataFolder(const std::filesystem::path& dataFolder);

}  // namespace zv::archive
