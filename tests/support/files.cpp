#include "files.h"

#include <fstream>
#include <iterator>

namespace zv::fixture {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace zv::fixture
