// Reading a whole file in a test.
#pragma once

#include <filesystem>
#include <string>

namespace zv::fixture {

// The file's bytes as they are; empty when it cannot be read.
std::string readFile(const std::filesystem::path& file);

}  // namespace zv::fixture
