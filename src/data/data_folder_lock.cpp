#include "data_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "error.h"
#include "store.h"

namespace zv {
namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

}  // namespace

std::string dataFolderBusyMessage() {
    return "他の Zelvora がこのデータフォルダで作業中です。\r\n\r\nその作業が終わってから、もう一度お試しください。";
}

DataFolderLock::DataFolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait) {
    const std::filesystem::path path = folder / kDataFolderLockFile;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        // Nobody can write in a folder where the lock file cannot be made: nothing to keep apart.
        if (errno == EACCES || errno == EROFS || errno == EPERM || errno == ENOENT) return;
        throw Error(ErrorKind::Io,
                    "データフォルダをロックできません: " + pathText(path) + " (" + errnoText(errno) + ")");
    }
    const auto giveUp = std::chrono::steady_clock::now() + wait;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const bool held = errno == EWOULDBLOCK;
        if (!held || std::chrono::steady_clock::now() >= giveUp) {
            ::close(fd_);
            fd_ = -1;
            // A file system without locks cannot keep writers apart; the work goes on without.
            if (!held) return;
            throw Error(ErrorKind::Io, dataFolderBusyMessage());
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::optional<DataFolderLock> lockWhenInDataFolder(const std::filesystem::path& target,
                                                   std::chrono::milliseconds wait) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile}) {
        if (std::filesystem::exists(folder / name, ec))
            return std::optional<DataFolderLock>(std::in_place, folder, wait);
    }
    return std::nullopt;
}

void writeExportFile(const std::filesystem::path& path, std::string_view bytes, FileDurability durability) {
    const std::optional<DataFolderLock> lock = lockWhenInDataFolder(path);
    writeFileReplacing(path, bytes, durability);
}

DataFolderLock::~DataFolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace zv
