#include "day_inputs.h"

#include <cstdlib>

#include "ascii_case.h"
#include "error.h"
#include "store.h"

namespace zv {

namespace fs = std::filesystem;

bool holdsRecordFile(const fs::path& folder) {
    std::error_code ec;
    for (const char* name : {kHeaderFile, kRunnerFile, kHorseFile})
        if (fs::is_regular_file(folder / name, ec)) return true;
    return false;
}

bool looksLikeArchive(const fs::path& file) {
    const std::string ext = file.extension().string();
    return equalsNoCase(ext, ".lzh") || equalsNoCase(ext, ".lha");
}

ScratchFolder::ScratchFolder(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw Error(ErrorKind::Io, "作業フォルダを作成できません");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace zv
