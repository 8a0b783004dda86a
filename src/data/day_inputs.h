// What the commands that read many meeting days share: telling day folders and archives apart, and
// a private scratch folder into which archives are taken in.
#pragma once

#include <filesystem>
#include <string>

namespace zv {

// A folder holding at least one of the three record files.
bool holdsRecordFile(const std::filesystem::path& folder);

// A file named as an LHA archive (.lzh or .lha, in any case).
bool looksLikeArchive(const std::filesystem::path& file);

// A private folder (mode 0700) in the system's temporary folder, removed with everything in it when
// the object ends.
class ScratchFolder {
public:
    // prefix names the folder ("zelvora-report"). Throws zv::Error (Io) when it cannot be made.
    explicit ScratchFolder(const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // A fresh sub-folder name for the next archive.
    std::filesystem::path next() { return path_ / std::to_string(++count_); }

private:
    std::filesystem::path path_;
    int count_ = 0;
};

}  // namespace zv
