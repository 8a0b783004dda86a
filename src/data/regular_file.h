// Opening a file the program reads whole (a record file, a version-3 file). Only a regular file
// is read: a named pipe, a device, a socket or a folder under that name is refused with a message
// that says what it is, and it is opened without waiting for a writer, so nothing hangs on it. A
// file larger than the caller's limit is refused before anything is read.
#pragma once

#include <cstdint>
#include <filesystem>

namespace zv {

class RegularFile {
public:
    // Throws zv::Error: Io when the file cannot be opened or is not a regular file, Capacity when
    // it is larger than maxBytes.
    RegularFile(const std::filesystem::path& path, uintmax_t maxBytes);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    int fd() const { return fd_; }
    size_t size() const { return size_; }

private:
    int fd_ = -1;
    size_t size_ = 0;
};

}  // namespace zv
