#include <gtest/gtest.h>

#include "data/archive/crc16.h"

namespace zv::archive {
namespace {

TEST(Crc16, MatchesTheCheckValueAndTheBitwiseDefinitionAtEveryLength) {
    EXPECT_EQ(Crc16::of("123456789"), 0xBB3D);
    std::string bytes;
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(Crc16::of(bytes), crc16Bitwise(bytes)) << "length " << bytes.size();
        bytes += static_cast<char>(i * 37 + 11);
    }
}

TEST(Crc16, PiecewiseUpdatesGiveTheSameValue) {
    std::string bytes(1000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 % 251);
    for (size_t split : {0, 1, 7, 8, 9, 500, 999}) {
        Crc16 crc;
        crc.update(bytes.data(), split);
        crc.update(bytes.data() + split, bytes.size() - split);
        EXPECT_EQ(crc.value(), crc16Bitwise(bytes)) << "split at " << split;
    }
}

}  // namespace
}  // namespace zv::archive
