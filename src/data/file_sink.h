// Where the program's files are written: a new file made beside its target, filled, flushed and
// renamed over the target. The disk is the sink the program uses; a test puts another sink in its
// place to make one step fail as a refused folder or a full disk would, whoever runs the test
// (permissions do not bind the superuser).
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace zv {

class FileSink {
public:
    virtual ~FileSink() = default;
    // Creates a new file named by pattern with its trailing "XXXXXX" made unique (pattern is
    // changed to the name used), with mode less the umask, open for writing. The descriptor, or
    // -1 with errno set.
    virtual int create(std::string& pattern, mode_t mode) = 0;
    // All of bytes, or false with errno set.
    virtual bool write(int fd, std::string_view bytes) = 0;
    virtual bool sync(int fd) = 0;
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

// The real files; a test sink derives from it to pass the steps it does not refuse through.
class DiskFileSink : public FileSink {
public:
    int create(std::string& pattern, mode_t mode) override;
    bool write(int fd, std::string_view bytes) override;
    bool sync(int fd) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
};

// The sink every file write goes through: the disk, unless a test has put another in place.
FileSink& fileSink();

// Puts sink in place of the disk while the object lives (tests only).
class FileSinkOverride {
public:
    explicit FileSinkOverride(FileSink& sink);
    ~FileSinkOverride();
    FileSinkOverride(const FileSinkOverride&) = delete;
    FileSinkOverride& operator=(const FileSinkOverride&) = delete;

private:
    FileSink* previous_;
};

}  // namespace zv
