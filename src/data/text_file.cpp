#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "error.h"
#include "sjis.h"

namespace zv {
namespace {

Error writeError(const std::filesystem::path& path, int err) {
    return Error(ErrorKind::Io, sj("ファイルを書き込めません: ") + fromUtf8(path.string()) + " (" +
                                    fromUtf8(std::strerror(err)) + ")");
}

bool writeAll(int fd, std::string_view bytes) {
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

}  // namespace

std::string joinCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string temporaryPatternFor(const std::filesystem::path& path) {
    std::string name = ".";
    name += path.filename().string();
    name += ".XXXXXX";
    return (path.parent_path() / name).string();
}

void writeFileReplacing(const std::filesystem::path& path, std::string_view bytes, FileDurability durability) {
    std::string temp = temporaryPatternFor(path);
    int fd = ::mkstemp(temp.data());
    if (fd < 0) throw writeError(path, errno);
    // mkstemp creates the file readable by its owner only; data files are ordinary files.
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes) &&
              (durability == FileDurability::Regenerable || ::fsync(fd) == 0);
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw writeError(path, err);
    }
}

}  // namespace zv
