// Version-3 race card files rewritten in the version-2 layout. A version-2 line is the
// concatenation of byte ranges of the version-3 line (1-based, inclusive):
//   header "bvo_den1.bv3": 1-73, 75-350, 419-426, 74, 428-846  (777 bytes; byte 74 becomes 358)
//   runner "bvo_den2.bv3": 1-255, 257-694, 728-742, 844-855, 856-876  (741 bytes)
// A range reaching past the end of a short line gives only the bytes there are.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zv::archive {

enum class Version3Kind { Header, Runner };

std::string convertVersion3Line(std::string_view line, Version3Kind kind);

// Lines of a version-3 file: a line ends at CR LF, LF or CR; a final line end gives no extra line.
std::vector<std::string> splitVersion3Lines(std::string_view content);

// Rewrites "bvo_den1.bv3" or "bvo_den2.bv3" as the ".bv2" file of the same base name (CR LF line
// ends, replacing an existing one) and deletes the version-3 file. Throws zv::Error: Format for
// any other file name, Io when the file cannot be read, written or deleted.
void convertVersion3File(const std::filesystem::path& path);

}  // namespace zv::archive
