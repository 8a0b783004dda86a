#include "install_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "data/error.h"
#include "data/line_cutter.h"
#include "data/regular_file.h"
#include "data/text_file.h"

namespace zv::archive {
namespace fs = std::filesystem;
namespace {

constexpr const char* kJournalName = "journal";
constexpr const char* kRollbackName = "rollback";
// A journal lists the members of one archive; a longer one is not this program's.
constexpr uintmax_t kMaxJournalBytes = 1u << 20;

std::string failureText(const char* what, const fs::path& name, const std::error_code& ec) {
    return what + pathText(name) + " (" + errorCodeText(ec) + ")";
}

bool entryExists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

std::string readAll(const fs::path& path) {
    const RegularFile file(path, kMaxJournalBytes);
    std::string bytes(file.size(), '\0');
    size_t filled = 0;
    while (filled < bytes.size()) {
        ssize_t got = ::read(file.fd(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) throw Error(ErrorKind::Io, "ファイルを読み込めません: " + pathText(path));
        filled += static_cast<size_t>(got);
    }
    return bytes;
}

}  // namespace

std::error_code renameFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
}

std::error_code syncToDisk(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {errno, std::generic_category()};
    std::error_code ec;
    if (::fsync(fd) != 0) ec = {errno, std::generic_category()};
    ::close(fd);
    return ec;
}

void writeJournal(const fs::path& root, const std::vector<fs::path>& names) {
    std::vector<std::string> lines;
    lines.reserve(names.size());
    for (const fs::path& name : names) lines.push_back(name.string());
    writeFileReplacing(root / kJournalName, joinCrLf(lines));
    syncToDisk(root);
}

std::optional<std::vector<fs::path>> readJournal(const fs::path& root) {
    if (!entryExists(root / kJournalName)) return std::nullopt;
    std::vector<fs::path> names;
    const std::string content = readAll(root / kJournalName);
    for (std::string_view line : splitLines(content)) {
        // Only plain names: a journal never sends a file outside the two folders.
        if (!line.empty() && line.find('/') == std::string_view::npos && line != "." && line != "..") {
            names.emplace_back(std::string(line));
        }
    }
    return names;
}

void markRollback(const fs::path& root) {
    writeFileReplacing(root / kRollbackName, "");
    syncToDisk(root);
}

std::vector<std::string> rollForward(const fs::path& root, const fs::path& dataFolder,
                                     const std::vector<fs::path>& names, const RenameFn& rename) {
    std::vector<std::string> failures;
    for (const fs::path& name : names) {
        if (!entryExists(root / "incoming" / name)) continue;  // moved in already
        if (std::error_code ec = rename(root / "incoming" / name, dataFolder / name)) {
            failures.push_back(failureText("ファイルを移動できません: ", name, ec));
            break;
        }
    }
    return failures;
}

std::vector<std::string> rollBack(const fs::path& root, const fs::path& dataFolder, const std::vector<fs::path>& names,
                                  const RenameFn& rename) {
    std::vector<std::string> failures;
    for (const fs::path& name : names) {
        const fs::path incoming = root / "incoming" / name, previous = root / "previous" / name,
                       target = dataFolder / name;
        // A moved file goes back out first, then the file it replaced returns: cut short between
        // the two, the next run finds the new file out and the old one still waiting.
        if (!entryExists(incoming) && entryExists(target)) {
            if (std::error_code ec = rename(target, incoming)) {
                failures.push_back(failureText("ファイルを戻せません: ", name, ec));
                continue;
            }
        }
        if (entryExists(previous) && !entryExists(target)) {
            if (std::error_code ec = rename(previous, target)) {
                failures.push_back(failureText("元のファイルに戻せません: ", name, ec));
            }
        }
    }
    return failures;
}

void recoverStagingFolder(const fs::path& root, const fs::path& dataFolder) {
    try {
        if (std::optional<std::vector<fs::path>> names = readJournal(root)) {
            std::vector<std::string> failures = entryExists(root / kRollbackName)
                                                    ? rollBack(root, dataFolder, *names, renameFile)
                                                    : rollForward(root, dataFolder, *names, renameFile);
            if (!failures.empty()) return;
            syncToDisk(dataFolder);
        }
    } catch (const Error&) {
        return;  // an unreadable journal: the folder stays as it is, never half undone
    }
    std::error_code ec;
    fs::remove_all(root, ec);
}

}  // namespace zv::archive
