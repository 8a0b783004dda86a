// Where the program keeps its data files (unpacked record files, zv.csv, kakin.log, settei.txt,
// ZV.chm): --data-dir, else $ZELVORA_DATA_DIR, else the per-user data folder
// ($XDG_DATA_HOME/Zelvora or ~/.local/share/Zelvora).
#pragma once

#include <filesystem>
#include <optional>

namespace zv {

// The data folder for an optional --data-dir value; created when missing. Throws zv::Error when
// it cannot be created.
std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& override);

}  // namespace zv
