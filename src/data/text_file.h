// Writing the program's files: CP932 lines ended by CR LF, written under a temporary name in the
// same folder and renamed over the target, so a reader never sees a half-written file and a
// failed write leaves the old file as it was. Every step goes through the file sink (file_sink.h).
// What the user set on a target stays: a symbolic link stays a link and the file it points to
// gets the content, a replaced file keeps its mode, and a read-only file is refused.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Every line followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

enum class FileDurability {
    // Flushed to the disk before the rename: the file holds what cannot be made again.
    Synced,
    // Left to the system's write-back: an export the loaded day can give again. Syncing would
    // cost several times the whole export.
    Regenerable,
};

// Replaces path with bytes through a temporary file (temporary_files.h) and a rename, removing
// stale temporaries of earlier runs from the folder first. Throws zv::Error (Io) when the file is
// read-only or cannot be written; the temporary file is removed then.
void writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        FileDurability durability = FileDurability::Synced);

}  // namespace zv
