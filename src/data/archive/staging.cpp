#include "staging.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "data/error.h"
#include "data/sjis.h"

namespace zv::archive {
namespace fs = std::filesystem;
namespace {

std::string nameText(const fs::path& name) { return fromUtf8(name.string()); }

std::string failureText(const char* what, const fs::path& name, const std::error_code& ec) {
    return sj(what) + nameText(name) + " (" + fromUtf8(ec.message()) + ")";
}

// Puts a file's or folder's content on the disk, so that a rename never publishes a file whose
// data a power cut could still lose.
std::error_code syncToDisk(const fs::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {errno, std::generic_category()};
    std::error_code ec;
    if (::fsync(fd) != 0) ec = {errno, std::generic_category()};
    ::close(fd);
    return ec;
}

// A same-name entry of the data folder the install may not replace, as a failure text.
std::optional<std::string> blockedTarget(const fs::path& target) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(target, ec);
    if (ec || !fs::exists(status) || fs::is_symlink(status)) return std::nullopt;
    if (!fs::is_regular_file(status)) return sj("同じ名前のフォルダがあるため置き換えられません: ") + nameText(target.filename());
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return sj("同じ名前の読み取り専用ファイルがあるため置き換えられません: ") + nameText(target.filename());
    }
    return std::nullopt;
}

struct Step {
    fs::path name;
    bool replaced;  // an older file of that name was moved aside first
};

}  // namespace

StagingFolder::StagingFolder(const fs::path& dataFolder) {
    std::string pattern = (dataFolder / ".zv-intake-XXXXXX").string();
    std::error_code ec;
    if (!::mkdtemp(pattern.data())) {
        throw Error(ErrorKind::Io, sj("作業フォルダを作成できません: ") + fromUtf8(pattern));
    }
    root_ = pattern;
    fs::create_directory(incoming(), ec);
    if (!ec) fs::create_directory(previous(), ec);
    if (ec) {
        fs::remove_all(root_, ec);
        throw Error(ErrorKind::Io, sj("作業フォルダを作成できません: ") + fromUtf8(root_.string()));
    }
}

StagingFolder::~StagingFolder() {
    if (keep_) return;
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::error_code renameFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
}

InstallOutcome installStagedFiles(const StagingFolder& staging, const fs::path& dataFolder, const RenameFn& rename) {
    InstallOutcome outcome;
    std::vector<fs::path> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(staging.incoming(), ec)) {
        names.push_back(entry.path().filename());
    }
    if (ec) {
        outcome.failures.push_back(failureText("作業フォルダを読み込めません: ", staging.incoming(), ec));
        return outcome;
    }
    for (const fs::path& name : names) {
        if (auto blocked = blockedTarget(dataFolder / name)) outcome.failures.push_back(*blocked);
    }
    for (const fs::path& name : names) {
        if (std::error_code synced = syncToDisk(staging.incoming() / name)) {
            outcome.failures.push_back(failureText("ファイルを書き込めません: ", name, synced));
        }
    }
    if (!outcome.ok()) return outcome;

    std::vector<Step> done;
    for (const fs::path& name : names) {
        fs::path target = dataFolder / name;
        bool replaced = fs::exists(fs::symlink_status(target, ec));
        if (replaced) {
            if (std::error_code moved = rename(target, staging.previous() / name)) {
                outcome.failures.push_back(failureText("古いファイルを移動できません: ", name, moved));
                break;
            }
        }
        if (std::error_code moved = rename(staging.incoming() / name, target)) {
            outcome.failures.push_back(failureText("ファイルを移動できません: ", name, moved));
            if (replaced) {
                if (std::error_code back = rename(staging.previous() / name, target)) {
                    outcome.failures.push_back(failureText("元のファイルに戻せません: ", name, back));
                    outcome.restored = false;
                }
            }
            break;
        }
        done.push_back({name, replaced});
    }
    if (outcome.ok()) {
        syncToDisk(dataFolder);  // the renames themselves; a failure here changes nothing that was done
        return outcome;
    }

    for (auto step = done.rbegin(); step != done.rend(); ++step) {
        fs::path target = dataFolder / step->name;
        if (std::error_code back = rename(target, staging.incoming() / step->name)) {
            outcome.failures.push_back(failureText("ファイルを戻せません: ", step->name, back));
            outcome.restored = false;
            continue;
        }
        if (step->replaced) {
            if (std::error_code back = rename(staging.previous() / step->name, target)) {
                outcome.failures.push_back(failureText("元のファイルに戻せません: ", step->name, back));
                outcome.restored = false;
            }
        }
    }
    return outcome;
}

}  // namespace zv::archive
