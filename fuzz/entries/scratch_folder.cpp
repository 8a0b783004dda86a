#include "scratch_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace zv::fuzz {
namespace {

const std::filesystem::path& processFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path made =
            std::filesystem::temp_directory_path() / ("zv-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(made);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(processFolder(), ignored);
        });
        return made;
    }();
    return folder;
}

}  // namespace

std::filesystem::path freshScratchFolder(const char* sub) {
    std::filesystem::path folder = processFolder() / sub;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

bool holdsAnything(const std::filesystem::path& folder) {
    return std::filesystem::directory_iterator(folder) != std::filesystem::directory_iterator();
}

}  // namespace zv::fuzz
