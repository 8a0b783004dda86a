// Version-3 race card files rewritten in the version-2 layout. A version-2 line is the
// concatenation of byte ranges of the version-3 line (1-based, inclusive):
//   header "bvo_den1.bv3": 1-73, 75-350, 419-426, 74, 428-846  (777 bytes; byte 74 becomes 358)
//   runner "bvo_den2.bv3": 1-255, 257-694, 728-742, 844-855, 856-876  (741 bytes)
// A range reaching past the end of a short line gives only the bytes there are.
// A file is converted while it is read, piece by piece, keeping only the bytes of a line that the
// version-2 line takes, so whatever an archive holds, the memory used stays within what a day's
// version-2 file needs.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zv::archive {

enum class Version3Kind { Header, Runner };

std::string convertVersion3Line(std::string_view line, Version3Kind kind);

// The bytes of a version-3 line beyond which no version-2 line takes any.
inline constexpr size_t kVersion3LineBytesUsed = 876;

// Cuts a version-3 file into lines as its pieces arrive: a line ends at CR LF, LF or CR; a final
// line end gives no extra line. A line is handed on with at most kVersion3LineBytesUsed bytes.
class Version3LineSplitter {
public:
    using Take = std::function<void(std::string_view line)>;
    void feed(std::string_view piece, const Take& take);
    void finish(const Take& take);

private:
    std::string line_;
    bool inLine_ = false;   // bytes of an unfinished line have arrived
    bool afterCr_ = false;  // the last byte was a CR: an LF right after it belongs to that line end
};

// Rewrites "bvo_den1.bv3" or "bvo_den2.bv3" as the ".bv2" file of the same base name (CR LF line
// ends, replacing an existing one) and deletes the version-3 file. Empty lines at the end of the
// file are not records and are not written. Throws zv::Error: Format for any other file name, Io
// when the file cannot be read, written or deleted or is not a regular file, Capacity when it is
// larger than a record file may be or holds more lines than the store takes (39 races, 1000
// runners); nothing is written then.
void convertVersion3File(const std::filesystem::path& path);

}  // namespace zv::archive
