// A temporary folder for the entry points that must go through files: one private folder per
// process, emptied before each input and removed when the process ends.
#pragma once

#include <filesystem>

namespace zv::fuzz {

// An empty folder named sub inside the process's scratch folder.
std::filesystem::path freshScratchFolder(const char* sub);

}  // namespace zv::fuzz
