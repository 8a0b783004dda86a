#include "temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "file_sink.h"

namespace zv {
namespace fs = std::filesystem;
namespace {

constexpr const char* kMarker = ".zv-";
constexpr size_t kRandomLength = 6;
constexpr auto kStaleAfter = std::chrono::minutes(1);

// The pattern of a temporary named for what inside folder; its "XXXXXX" is made unique on creation.
std::string temporaryPattern(const fs::path& folder, const std::string& what) {
    return (folder / ("." + what + kMarker + std::to_string(::getpid()) + "-XXXXXX")).string();
}

std::system_error createError(const fs::path& folder, int err) {
    return std::system_error(err, std::generic_category(), "cannot create a temporary in " + folder.string());
}

// The process id inside a temporary's name, or 0 when name is not one.
pid_t processOf(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return 0;
    const size_t dash = name.size() - kRandomLength - 1;
    if (name.size() <= kRandomLength + 1 || name[dash] != '-') return 0;
    for (size_t i = dash + 1; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return 0;
    }
    const size_t marker = name.rfind(kMarker, dash);
    if (marker == std::string::npos || marker == 0) return 0;
    const size_t digits = marker + std::strlen(kMarker);
    if (digits == dash) return 0;
    pid_t pid = 0;
    for (size_t i = digits; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9' || pid > 100000000) return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

bool processExists(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

TemporaryFile::TemporaryFile(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string pattern = temporaryPattern(folder, target.filename().string());
    // 0666 less the umask: the mode any new file of the user gets.
    fd_ = fileSink().create(pattern, 0666);
    if (fd_ < 0) throw createError(folder, errno);
    path_ = pattern;
    ::flock(fd_, LOCK_EX | LOCK_NB);
}

TemporaryFile::~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
    if (fd_ >= 0) ::close(fd_);
}

std::error_code TemporaryFile::moveOver(const fs::path& target) {
    std::error_code ec;
    // A failing close can be the first news of a write that did not reach the disk.
    if (::close(fd_) != 0) ec = {errno, std::generic_category()};
    fd_ = -1;
    if (!ec && !fileSink().rename(path_, target)) ec = {errno, std::generic_category()};
    if (ec) ::unlink(path_.c_str());
    path_.clear();
    return ec;
}

TemporaryFolder::TemporaryFolder(const fs::path& folder, const std::string& what) {
    std::string pattern = temporaryPattern(folder, what);
    if (!::mkdtemp(pattern.data())) throw createError(folder, errno);
    path_ = pattern;
    fd_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX | LOCK_NB);
}

TemporaryFolder::~TemporaryFolder() {
    if (fd_ >= 0) ::close(fd_);
}

bool isTemporaryName(const std::string& name) { return processOf(name) != 0; }

namespace {

// The status of an unlocked temporary at path, or nullopt when it is not one or is held.
std::optional<struct stat> unlockedTemporary(const fs::path& path) {
    if (processOf(path.filename().string()) == 0) return std::nullopt;
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    bool unlocked =
        ::fstat(fd, &st) == 0 && (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return unlocked ? std::optional<struct stat>(st) : std::nullopt;
}

}  // namespace

bool isAbandonedTemporary(const fs::path& path) { return unlockedTemporary(path).has_value(); }

bool isStaleTemporary(const fs::path& path) {
    std::optional<struct stat> st = unlockedTemporary(path);
    if (!st) return false;
    if (!processExists(processOf(path.filename().string()))) return true;
    const auto changed = std::chrono::system_clock::from_time_t(st->st_mtim.tv_sec);
    return std::chrono::system_clock::now() - changed > kStaleAfter;
}

void removeStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        std::error_code kind;
        if (entry.is_regular_file(kind) && !entry.is_symlink(kind) && isStaleTemporary(entry.path())) {
            ::unlink(entry.path().c_str());
        }
    }
}

}  // namespace zv
