#include "data/line_break_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zv {
namespace {

std::vector<ScanPath> availablePaths() {
    std::vector<ScanPath> paths;
    for (ScanPath path : {ScanPath::Plain, ScanPath::Sse2, ScanPath::Avx2}) {
        if (scanPathAvailable(path)) paths.push_back(path);
    }
    return paths;
}

TEST(LineBreakScan, EveryPathFindsBreaksBeforeInsideAndAfterTheVectorBlocks) {
    for (ScanPath path : availablePaths()) {
        for (size_t at : {0u, 1u, 15u, 16u, 31u, 32u, 63u, 64u, 65u, 127u, 200u, 259u}) {
            for (char byte : {'\n', '\r', kCtrlZ}) {
                std::string content(260, '\x82');
                content[at] = byte;
                if (at + 3 < content.size()) content[at + 3] = '\x05';  // a low byte that is no break
                const int id = static_cast<int>(path);
                EXPECT_EQ(findLineBreakBy(path, content, 0), at) << "path " << id << " at " << at;
                EXPECT_EQ(findLineBreakBy(path, content, at + 1), content.size()) << "path " << id << " at " << at;
            }
        }
    }
}

// Random bytes, with breaks and other low bytes sown thinly, from every start position.
TEST(LineBreakScan, VectorPathsAgreeWithThePlainLoop) {
    uint32_t x = 12345;
    auto next = [&x] { return x = x * 1103515245u + 12345u; };
    for (size_t size : {0u, 1u, 17u, 64u, 100u, 300u, 1000u}) {
        std::string content(size, '\0');
        for (char& c : content) {
            const uint32_t r = next() >> 16;
            c = r % 97 == 0 ? "\n\r\x1A\x01\x19\x1B"[r % 6] : static_cast<char>(0x20 + r % 0xDF);
        }
        for (ScanPath path : availablePaths()) {
            for (size_t from = 0; from <= size; ++from) {
                ASSERT_EQ(findLineBreakBy(path, content, from), findLineBreakBy(ScanPath::Plain, content, from))
                    << "path " << static_cast<int>(path) << " size " << size << " from " << from;
            }
        }
    }
    EXPECT_TRUE(scanPathAvailable(ScanPath::Plain));
}

}  // namespace
}  // namespace zv
