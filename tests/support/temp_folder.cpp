#include "temp_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zv::fixture {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zv-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    // A test may have left a folder read-only; give the owner its rights back so all of it goes.
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

}  // namespace zv::fixture
