#include "intake.h"

#include <optional>

#include "data/data_folder_lock.h"
#include "data/error.h"
#include "staging.h"
#include "version3.h"

namespace zv {
namespace fs = std::filesystem;
namespace {

const std::string& noDataMessage() {
    static const std::string text =
        "指定した書庫ファイルにデータは含まれておりません。\r\n\r\n正しいBVOデータをご利用ください。";
    return text;
}

std::string extractFailedMessage(const std::vector<archive::ExtractError>& errors) {
    static const std::string head = "データの展開でエラーが発生しました。\r\n", tail = "開発元にお問い合わせください。";
    std::string message = head;
    for (const archive::ExtractError& e : errors) message += "\r\n" + std::to_string(e.code) + " : " + e.text;
    return message + "\r\n\r\n" + tail;
}

std::string installFailedMessage(const archive::InstallOutcome& outcome, const fs::path& staging) {
    static const std::string head = "データファイルを入れ替えられませんでした。\r\n",
                             restored = "データフォルダは元のままです。",
                             broken =
                                 "データフォルダを元に戻せませんでした。元のファイルは次のフォルダに残っています: ";
    std::string message = head;
    for (const std::string& line : outcome.failures) message += "\r\n" + line;
    return message + "\r\n\r\n" + (outcome.restored ? restored : broken + pathText(staging));
}

IntakeResult failed(IntakeStatus status, std::string message) {
    return Failure<IntakeStatus>{status, std::move(message)};
}

bool isDataFileName(const std::string& name) {
    for (const char* dataName : {"bvo_den1.bv2", "bvo_den2.bv2", "bvo_uma.bv2", "bvo_den1.bv3", "bvo_den2.bv3",
                                 "bvo_uma.bv3", "bvo_tok1.bv2", "bvo_tok2.bv2"}) {
        if (name == dataName) return true;
    }
    return false;
}

// The data members larger than a record file may be, as errors: refused before anything is
// unpacked, so no conversion or load ever meets them.
std::vector<archive::ExtractError> oversizedDataMembers(const archive::ArchiveListing& listing) {
    std::vector<archive::ExtractError> errors;
    for (const archive::ArchiveMember& m : listing.members) {
        if (m.isFile && isDataFileName(m.fileName) && m.length > kMaxRecordFileBytes) {
            errors.push_back({static_cast<int>(archive::ExtractErrorCode::TooLarge),
                              "データファイルが大きすぎます: " + m.fileName + " (" + std::to_string(m.length) +
                                  " バイト、上限 " + std::to_string(kMaxRecordFileBytes) + " バイト)"});
        }
    }
    return errors;
}

bool holdsDataSet(const archive::ArchiveListing& listing) {
    for (const archive::ArchiveMember& m : listing.members) {
        if (m.isFile && (m.fileName == "bvo_uma.bv2" || m.fileName == "bvo_uma.bv3")) return true;
    }
    return false;
}

void renameReplacing(const fs::path& folder, const char* from, const char* to) {
    std::error_code ec;
    fs::rename(folder / from, folder / to, ec);
    if (ec) {
        throw Error(ErrorKind::Io,
                    std::string("ファイル名を変更できません: ") + from + " -> " + to + " (" + errorCodeText(ec) + ")");
    }
}

bool isFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

bool completeDataSet(const fs::path& folder) {
    return isFile(folder / kHeaderFile) && isFile(folder / kRunnerFile) && isFile(folder / kHorseFile);
}

// Why an archive so listed is refused before anything is unpacked, or nothing.
std::optional<IntakeResult> refusalOf(const archive::ArchiveListing& listing) {
    if (!holdsDataSet(listing)) return failed(IntakeStatus::NoDataSet, noDataMessage());
    if (!listing.intact) {
        return failed(IntakeStatus::ExtractFailed,
                      extractFailedMessage(
                          {{static_cast<int>(archive::ExtractErrorCode::Damaged), "書庫ファイルが壊れています"}}));
    }
    if (std::vector<archive::ExtractError> oversized = oversizedDataMembers(listing); !oversized.empty()) {
        return failed(IntakeStatus::ExtractFailed, extractFailedMessage(oversized));
    }
    return std::nullopt;
}

// Unpacks a listed archive into folder, brings its files into the version-2 form and loads them
// into store.
IntakeResult unpackListed(const fs::path& archive, const archive::ArchiveListing& listing, const fs::path& folder,
                          RaceDataStore& store, const ProgressFn& progress) {
    std::vector<archive::ExtractError> errors = archive::extractArchive(archive, listing, folder, progress);
    if (!errors.empty()) return failed(IntakeStatus::ExtractFailed, extractFailedMessage(errors));
    try {
        normaliseDataFiles(folder);
    } catch (const Error& e) {
        return failed(IntakeStatus::ConvertFailed, e.message());
    }
    if (!completeDataSet(folder)) return failed(IntakeStatus::NoDataSet, noDataMessage());
    try {
        if (!loadDataSet(store, folder)) return failed(IntakeStatus::NoDataSet, noDataMessage());
    } catch (const Error& e) {
        return failed(IntakeStatus::LoadFailed, e.message());
    }
    return store.raceCount;
}

}  // namespace

void normaliseDataFiles(const fs::path& folder) {
    if (isFile(folder / "bvo_den1.bv3")) archive::convertVersion3File(folder / "bvo_den1.bv3");
    if (isFile(folder / "bvo_den2.bv3")) archive::convertVersion3File(folder / "bvo_den2.bv3");
    if (isFile(folder / "bvo_uma.bv3")) renameReplacing(folder, "bvo_uma.bv3", kHorseFile);
    if (isFile(folder / "bvo_tok1.bv2")) renameReplacing(folder, "bvo_tok1.bv2", kHeaderFile);
    if (isFile(folder / "bvo_tok2.bv2")) renameReplacing(folder, "bvo_tok2.bv2", kRunnerFile);
}

bool loadDataFolder(RaceDataStore& store, const fs::path& dataFolder, FileAccess access) {
    const DataFolderLock lock(dataFolder);
    archive::recoverDataFolder(dataFolder);
    return loadDataSet(store, dataFolder, access);
}

IntakeResult openArchive(const fs::path& archive, const fs::path& dataFolder, RaceDataStore& store,
                         const ProgressFn& progress, std::chrono::milliseconds lockWait) {
    std::optional<DataFolderLock> lock;
    try {
        lock.emplace(dataFolder, lockWait);
    } catch (const Error& e) {
        return failed(IntakeStatus::Busy, e.message());
    }
    archive::recoverDataFolder(dataFolder);

    archive::ArchiveListing listing = archive::listArchive(archive);
    if (std::optional<IntakeResult> refused = refusalOf(listing)) return *refused;

    std::optional<archive::StagingFolder> staging;
    try {
        staging.emplace(dataFolder);
    } catch (const Error& e) {
        return failed(IntakeStatus::ExtractFailed,
                      extractFailedMessage({{static_cast<int>(archive::ExtractErrorCode::WriteFailed), e.message()}}));
    }
    // Loaded before anything moves: a data set that does not load never reaches the data folder.
    RaceDataStore fresh;
    if (IntakeResult unpacked = unpackListed(archive, listing, staging->incoming(), fresh, progress); !unpacked)
        return unpacked;

    archive::InstallOutcome outcome = archive::installStagedFiles(*staging, dataFolder);
    if (!outcome.ok()) {
        if (!outcome.restored) staging->keep();
        return failed(IntakeStatus::InstallFailed, installFailedMessage(outcome, staging->root()));
    }
    store = std::move(fresh);
    return store.raceCount;
}

IntakeResult unpackArchive(const fs::path& archive, const fs::path& folder, RaceDataStore& store,
                           const ProgressFn& progress) {
    const archive::ArchiveListing listing = archive::listArchive(archive);
    if (std::optional<IntakeResult> refused = refusalOf(listing)) return *refused;
    return unpackListed(archive, listing, folder, store, progress);
}

}  // namespace zv
