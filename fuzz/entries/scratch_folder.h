// A temporary folder for the entry points that must go through files: one per process, emptied
// before each input and removed when the process ends.
#pragma once

#include <filesystem>

namespace zv::fuzz {

// An empty folder named sub inside the process's scratch folder.
std::filesystem::path freshScratchFolder(const char* sub);

// Whether folder holds anything.
bool holdsAnything(const std::filesystem::path& folder);

}  // namespace zv::fuzz
