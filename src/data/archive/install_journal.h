// What makes an install all-or-nothing across a crash. Inside the staging folder (staging.h):
//   incoming/   the new files, complete and on the disk
//   previous/   a hard link to every data folder file an incoming one replaces
//   journal     the names to install, one a line; written whole or not at all, after the two
//               folders are complete and before the first rename
//   rollback    present once an install that failed has begun to undo itself
// Installing is one rename per name, incoming/name over the data folder's name. A staging folder
// that a killed run left is finished by the next start: with a journal and without "rollback"
// every file still in incoming moves in (roll forward); with "rollback" every moved file goes back
// and its previous file returns (roll back); without a journal nothing had moved. Both directions
// can be cut short and run again any number of times.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace zv::archive {

// Renames one file; the seam through which tests make a move fail or stop.
using RenameFn = std::function<std::error_code(const std::filesystem::path& from, const std::filesystem::path& to)>;
std::error_code renameFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Puts a file's or folder's content on the disk.
std::error_code syncToDisk(const std::filesystem::path& path);

// Writes the journal of root (names of incoming files) whole and on the disk. Throws zv::Error.
void writeJournal(const std::filesystem::path& root, const std::vector<std::filesystem::path>& names);
// The names of root's journal; nullopt when there is none.
std::optional<std::vector<std::filesystem::path>> readJournal(const std::filesystem::path& root);

// Marks root as rolling back, on the disk. Throws zv::Error.
void markRollback(const std::filesystem::path& root);

// The two directions, each returning its failures as texts (empty on success).
std::vector<std::string> rollForward(const std::filesystem::path& root, const std::filesystem::path& dataFolder,
                                     const std::vector<std::filesystem::path>& names, const RenameFn& rename);
std::vector<std::string> rollBack(const std::filesystem::path& root, const std::filesystem::path& dataFolder,
                                  const std::vector<std::filesystem::path>& names, const RenameFn& rename);

// Finishes the staging folder root that a killed run left in dataFolder and removes it. A folder
// whose finishing fails stays for the next start.
void recoverStagingFolder(const std::filesystem::path& root, const std::filesystem::path& dataFolder);

}  // namespace zv::archive
