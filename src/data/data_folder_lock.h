// One writer at a time in the data folder: an advisory lock on the hidden file ".zelvora.lock"
// there, held by every intake, install, start-up recovery and export that writes into it.
// A second writer waits a little for the first one and then gives up with a message that says
// another copy is at work. The lock ends with the process, so a killed writer never blocks the
// next one. A folder where nobody may write needs no lock: then none is taken.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

#include "text_file.h"

namespace zv {

inline constexpr std::chrono::milliseconds kDataFolderLockWait{5000};
inline constexpr const char* kDataFolderLockFile = ".zelvora.lock";

class DataFolderLock {
public:
    // Takes the lock, waiting up to wait. Throws zv::Error (Io) with the message for the user when
    // another writer keeps it that long, or when the lock file cannot be opened.
    explicit DataFolderLock(const std::filesystem::path& folder, std::chrono::milliseconds wait = kDataFolderLockWait);
    ~DataFolderLock();
    DataFolderLock(DataFolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;
    DataFolderLock& operator=(DataFolderLock&&) = delete;

private:
    int fd_ = -1;
};

// The lock of the folder target is written into, when that folder holds a data set (any of the
// record files); nothing for any other folder, which gets no lock file either.
std::optional<DataFolderLock> lockWhenInDataFolder(const std::filesystem::path& target,
                                                   std::chrono::milliseconds wait = kDataFolderLockWait);

// Writes an export file (writeFileReplacing), holding the data folder's lock when it goes there.
void writeExportFile(const std::filesystem::path& path, std::string_view bytes, FileDurability durability);

// The message a writer gets when another one keeps the lock.
std::string dataFolderBusyMessage();

}  // namespace zv
