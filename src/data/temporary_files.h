// The program's own temporary files and folders, and the removal of those a killed run left.
// Every temporary is hidden and named "." + what it stands for + ".zv-" + process id + "-" + six
// random letters and digits (".race.kmi.zv-4711-a8Zq0c", ".intake.zv-4711-Qx81bb"). Its writer
// holds an advisory lock on it while it lives. A temporary is stale when nobody holds its lock and
// either its process no longer exists or it has not changed for a minute. Every writer removes
// the stale temporary files of the folder it writes in, and nothing else there; stale temporary
// folders (the intake's staging folders) are finished and removed by the data folder's recovery.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace zv {

// A temporary file beside a target, removed again unless it was moved over the target.
class TemporaryFile {
public:
    // Creates the file in target's folder, with the mode a new file gets under the umask, and
    // takes its lock. Throws std::system_error when it cannot.
    explicit TemporaryFile(const std::filesystem::path& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }

    // Renames the file over target; the temporary is gone afterwards whatever happened.
    std::error_code moveOver(const std::filesystem::path& target);

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// A temporary folder inside folder, named for what (e.g. "intake"), locked while it lives. The
// caller removes it; its lock ends with the object. Throws std::system_error when it cannot be made.
class TemporaryFolder {
public:
    TemporaryFolder(const std::filesystem::path& folder, const std::string& what);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// Whether name is one of the program's temporaries.
bool isTemporaryName(const std::string& name);

// Whether path is one of the program's temporaries and nobody holds its lock: its writer has
// ended or let it go.
bool isAbandonedTemporary(const std::filesystem::path& path);
// Whether the temporary at path is stale: abandoned, and its process gone or a minute unchanged.
bool isStaleTemporary(const std::filesystem::path& path);

// Removes the stale temporary files in folder. Failures are ignored: what cannot be removed now
// is tried again by the next run.
void removeStaleTemporaries(const std::filesystem::path& folder);

}  // namespace zv
