#include "file_sink.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <random>

namespace zv {
namespace {

constexpr std::string_view kUniquePart = "XXXXXX";
constexpr int kCreateTries = 100;

DiskFileSink disk;
std::atomic<FileSink*> current{&disk};

// open() with O_EXCL instead of mkstemp, which would fix the mode at 0600 whatever the umask.
void fillUniquePart(std::string& pattern) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    for (size_t i = pattern.size() - kUniquePart.size(); i < pattern.size(); ++i) pattern[i] = kLetters[pick(random)];
}

}  // namespace

int DiskFileSink::create(std::string& pattern, mode_t mode) {
    if (!pattern.ends_with(kUniquePart)) {
        errno = EINVAL;
        return -1;
    }
    for (int attempt = 0; attempt < kCreateTries; ++attempt) {
        fillUniquePart(pattern);
        int fd = ::open(pattern.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool DiskFileSink::write(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool DiskFileSink::sync(int fd) { return ::fsync(fd) == 0; }

bool DiskFileSink::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

FileSink& fileSink() { return *current.load(); }

FileSinkOverride::FileSinkOverride(FileSink& sink) : previous_(current.exchange(&sink)) {}

FileSinkOverride::~FileSinkOverride() { current.store(previous_); }

}  // namespace zv
