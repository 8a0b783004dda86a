// Where the program keeps its data files (unpacked record files, zv.csv, kakin.log, settei.txt,
// ZV.chm): --data-dir, else $ZELVORA_DATA_DIR, else the per-user data folder
// ($XDG_DATA_HOME/Zelvora or ~/.local/share/Zelvora).
#pragma once

#include <filesystem>
#include <optional>

namespace zv {

// The data folder for an optional --data-dir value, not created. Throws zv::Error when there is
// no home folder to put the per-user one in.
std::filesystem::path chosenDataFolder(const std::optional<std::filesystem::path>& override);

// The same, created when missing. Throws zv::Error when it cannot be created.
std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& override);

}  // namespace zv
