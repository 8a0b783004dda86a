#include "scratch_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zv::fuzz {
namespace {

// The process's private folder: made by mkdtemp (a fresh name, mode 0700, no link followed) and
// removed with everything in it when the process ends.
class ProcessFolder {
public:
    ProcessFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zv-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    ~ProcessFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProcessFolder(const ProcessFolder&) = delete;
    ProcessFolder& operator=(const ProcessFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& processFolder() {
    static const ProcessFolder folder;
    return folder.path();
}

}  // namespace

std::filesystem::path freshScratchFolder(const char* sub) {
    std::filesystem::path folder = processFolder() / sub;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace zv::fuzz
