#include "staging.h"

#include <unistd.h>

#include <cerrno>
#include <optional>

#include "data/error.h"

namespace zv::archive {
namespace fs = std::filesystem;
namespace {

constexpr const char* kStagingName = "intake";

std::string failureText(const char* what, const fs::path& name, const std::error_code& ec) {
    return what + pathText(name) + " (" + errorCodeText(ec) + ")";
}

// What a file that is no regular file is, as the user knows it.
const char* kindName(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory: return "フォルダ";
        case fs::file_type::fifo: return "名前付きパイプ";
        case fs::file_type::socket: return "ソケット";
        case fs::file_type::block:
        case fs::file_type::character: return "デバイスファイル";
        default: return "通常のファイルではないもの";
    }
}

// A same-name entry of the data folder the install may not replace, as a failure text.
std::optional<std::string> blockedTarget(const fs::path& target) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(target, ec);
    if (ec || !fs::exists(status) || fs::is_symlink(status)) return std::nullopt;
    if (!fs::is_regular_file(status)) {
        return std::string("同じ名前の") + kindName(status.type()) +
               "があるため置き換えられません: " + pathText(target.filename());
    }
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return "同じ名前の読み取り専用ファイルがあるため置き換えられません: " + pathText(target.filename());
    }
    return std::nullopt;
}

// Links every data folder file that a staged file replaces into previous, so that a roll-back
// finds it there, and puts the links on the disk.
std::vector<std::string> keepPreviousFiles(const StagingFolder& staging, const fs::path& dataFolder,
                                           const std::vector<fs::path>& names) {
    std::vector<std::string> failures;
    for (const fs::path& name : names) {
        const fs::path target = dataFolder / name;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(target, ec))) continue;
        if (::link(target.c_str(), (staging.previous() / name).c_str()) != 0) {
            failures.push_back(failureText("古いファイルを保存できません: ", name, {errno, std::generic_category()}));
        }
    }
    if (std::error_code synced = syncToDisk(staging.previous())) {
        failures.push_back(failureText("ファイルを書き込めません: ", staging.previous(), synced));
    }
    return failures;
}

// The staging folder's own temporary folder; a failure is reported as the intake reports one.
TemporaryFolder madeIn(const fs::path& dataFolder) {
    try {
        return TemporaryFolder(dataFolder, kStagingName);
    } catch (const std::system_error& e) {
        throw Error(ErrorKind::Io,
                    "作業フォルダを作成できません: " + pathText(dataFolder) + " (" + errorCodeText(e.code()) + ")");
    }
}

}  // namespace

StagingFolder::StagingFolder(const fs::path& dataFolder) : folder_(madeIn(dataFolder)) {
    std::error_code ec;
    fs::create_directory(incoming(), ec);
    if (!ec) fs::create_directory(previous(), ec);
    if (ec) {
        fs::remove_all(root(), ec);
        throw Error(ErrorKind::Io, "作業フォルダを作成できません: " + pathText(root()));
    }
}

StagingFolder::~StagingFolder() {
    if (keep_) return;
    std::error_code ec;
    fs::remove_all(root(), ec);
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
    outcome.failures = keepPreviousFiles(staging, dataFolder, names);
    if (!outcome.ok()) return outcome;
    try {
        writeJournal(staging.root(), names);
    } catch (const Error& e) {
        outcome.failures.push_back(e.message());
        return outcome;
    }

    outcome.failures = rollForward(staging.root(), dataFolder, names, rename);
    if (outcome.ok()) {
        syncToDisk(dataFolder);  // the renames themselves; a failure here changes nothing that was done
        return outcome;
    }
    try {
        markRollback(staging.root());
    } catch (const Error& e) {
        // Without the mark a crash now would roll forward over a half-undone install: leave the
        // rest to the next start, which rolls forward.
        outcome.failures.push_back(e.message());
        outcome.restored = false;
        return outcome;
    }
    std::vector<std::string> undone = rollBack(staging.root(), dataFolder, names, rename);
    outcome.restored = undone.empty();
    outcome.failures.insert(outcome.failures.end(), undone.begin(), undone.end());
    return outcome;
}

void recoverDataFolder(const fs::path& dataFolder) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dataFolder, ec)) {
        std::error_code kind;
        // Every intake holds the folder's lock, as the caller does now: a staging folder whose own
        // lock nobody holds belongs to an intake that has ended.
        if (entry.is_directory(kind) && !entry.is_symlink(kind) && isAbandonedTemporary(entry.path())) {
            recoverStagingFolder(entry.path(), dataFolder);
        }
    }
    removeStaleTemporaries(dataFolder);
}

}  // namespace zv::archive
