// Taking in a data archive, one at a time per data folder (data_folder_lock.h); an install that a
// killed run left is finished first. The members are listed and checked for a data set, unpacked into a
// staging folder inside the data folder, brought into the version-2 names and layouts there and
// loaded into a fresh store; only then are the files moved into the data folder and the store
// replaced. Whatever fails on the way leaves the data folder and the store as they were.
#pragma once

#include <filesystem>
#include <string>

#include "data/data_folder_lock.h"
#include "data/outcome.h"
#include "data/store.h"
#include "extract.h"

namespace zv {

// The step at which an intake stopped.
enum class IntakeStatus {
    NoDataSet,      // not an archive, unreadable, or without a complete data set
    ExtractFailed,  // the archive could not be unpacked whole
    ConvertFailed,  // a file could not be converted or renamed into the version-2 form
    LoadFailed,     // the unpacked data set does not load
    InstallFailed,  // the files could not be moved into the data folder
    Busy,           // another writer kept the data folder's lock
};

// The races of the data set taken in, or why the intake stopped.
using IntakeResult = Outcome<int, IntakeStatus>;

using archive::ProgressFn;

// Takes archive into dataFolder and store. The caller shows the failure's message, else race 0.
IntakeResult openArchive(const std::filesystem::path& archive, const std::filesystem::path& dataFolder,
                         RaceDataStore& store, const ProgressFn& progress,
                         std::chrono::milliseconds lockWait = kDataFolderLockWait);

// Unpacks archive into folder (the caller's, empty) and loads its data set into store, with the
// checks and messages of openArchive; nothing is synced or installed: for a caller that keeps the
// records elsewhere and removes the folder.
IntakeResult unpackArchive(const std::filesystem::path& archive, const std::filesystem::path& folder,
                           RaceDataStore& store, const ProgressFn& progress);

// Loads the data set of dataFolder as every program does before its first load: under the
// folder's lock, after finishing what a killed run left there (staging.h). False when a record
// file is missing; throws zv::Error as loadDataSet does, or when another writer keeps the lock.
bool loadDataFolder(RaceDataStore& store, const std::filesystem::path& dataFolder,
                    FileAccess access = FileAccess::Read);

// Brings the unpacked files of folder into the version-2 form, each step only when its file is
// there: bvo_den1.bv3 and bvo_den2.bv3 converted, bvo_uma.bv3 renamed to bvo_uma.bv2, then
// bvo_tok1.bv2 and bvo_tok2.bv2 renamed to bvo_den1.bv2 and bvo_den2.bv2, replacing what is there.
// Throws zv::Error when a file cannot be converted or renamed.
void normaliseDataFiles(const std::filesystem::path& folder);

}  // namespace zv
