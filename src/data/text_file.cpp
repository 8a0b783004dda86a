#include "text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "error.h"
#include "file_sink.h"
#include "sjis.h"

namespace zv {
namespace {

Error writeError(const std::filesystem::path& path, int err) {
    return Error(ErrorKind::Io, sj("ファイルを書き込めません: ") + fromUtf8(path.string()) + " (" +
                                    fromUtf8(std::strerror(err)) + ")");
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
    FileSink& sink = fileSink();
    std::string temp = temporaryPatternFor(path);
    int fd = sink.create(temp, 0600);
    if (fd < 0) throw writeError(path, errno);
    // Readable by its owner only while it is written; data files are ordinary files.
    bool ok = ::fchmod(fd, 0644) == 0 && sink.write(fd, bytes) &&
              (durability == FileDurability::Regenerable || sink.sync(fd));
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && !sink.rename(temp, path)) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw writeError(path, err);
    }
}

}  // namespace zv
