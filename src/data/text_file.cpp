#include "text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "error.h"
#include "file_sink.h"
#include "temporary_files.h"

namespace zv {
namespace {

Error writeError(const std::filesystem::path& path, int err) {
    return Error(ErrorKind::Io, "ファイルを書き込めません: " + pathText(path) + " (" + errnoText(err) + ")");
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

void writeFileReplacing(const std::filesystem::path& path, std::string_view bytes, FileDurability durability) {
    // A link stays in place: the file it points to is the one replaced.
    struct stat entry {};
    std::filesystem::path target = path;
    if (::lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode)) {
        std::error_code ec;
        target = std::filesystem::weakly_canonical(path, ec);
        if (ec) throw writeError(path, ec.value());
    }
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && (existing.st_mode & S_IWUSR) == 0) {
        throw Error(ErrorKind::Io, "読み取り専用のファイルには書き込めません: " + pathText(path));
    }
    removeStaleTemporaries(target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path());

    std::optional<TemporaryFile> temp;
    try {
        temp.emplace(target);
    } catch (const std::system_error& e) {
        throw writeError(path, e.code().value());
    }
    FileSink& sink = fileSink();
    bool ok = (!replacing || ::fchmod(temp->fd(), existing.st_mode & 07777) == 0) && sink.write(temp->fd(), bytes) &&
              (durability == FileDurability::Regenerable || sink.sync(temp->fd()));
    if (!ok) throw writeError(path, errno);
    if (std::error_code moved = temp->moveOver(target)) throw writeError(path, moved.value());
}

}  // namespace zv
