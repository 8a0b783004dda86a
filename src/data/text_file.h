// Writing the program's files: CP932 lines ended by CR LF, written under a temporary name in the
// same folder and renamed over the target, so a reader never sees a half-written file and a
// failed write leaves the old file as it was. Every step goes through the file sink (file_sink.h).
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

// The mkstemp pattern of a hidden temporary file beside path: ".name.XXXXXX" in its folder.
std::string temporaryPatternFor(const std::filesystem::path& path);

// Replaces path with bytes through a temporary file and a rename. Throws zv::Error (Io) when the
// file cannot be written; the temporary file is removed then.
void writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        FileDurability durability = FileDurability::Synced);

}  // namespace zv
