// The conversion tables answer as the system converter does: for every one- and two-byte
// sequence, for texts of random bytes, and for every character of the basic plane.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "data/cp932_tables.h"
#include "data/sjis.h"

namespace zv {
namespace {

std::string utf8Of(uint32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

TEST(Cp932Tables, EveryOneAndTwoByteSequenceReadsAsTheConverterReadsIt) {
    int answered = 0;
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            std::string bytes(1, static_cast<char>(a));
            if (b >= 0) bytes += static_cast<char>(b);
            bool roundTrips = false;
            if (std::optional<std::string> fast = tableToUtf8(bytes, &roundTrips)) {
                ++answered;
                ASSERT_EQ(*fast, converterToUtf8(bytes)) << a << " " << b;
                ASSERT_EQ(roundTrips, converterFromUtf8(*fast) == bytes) << a << " " << b;
            }
            ASSERT_EQ(toUtf8(bytes), converterToUtf8(bytes)) << a << " " << b;
        }
    }
    EXPECT_GT(answered, 20000);  // every JIS character and the ASCII pairs
}

TEST(Cp932Tables, RandomBytesReadAsTheConverterReadsThem) {
    std::mt19937 random(7);
    for (int n = 0; n < 20000; ++n) {
        std::string bytes(random() % 12, '\0');
        for (char& c : bytes) c = static_cast<char>(random() % 4 == 0 ? random() % 0x80 : 0x80 + random() % 0x80);
        ASSERT_EQ(toUtf8(bytes), converterToUtf8(bytes));
    }
}

TEST(Cp932Tables, EveryCharacterOfTheBasicPlaneWritesAsTheConverterWritesIt) {
    int answered = 0;
    for (uint32_t code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code < 0xE000) continue;
        const std::string text = "a" + utf8Of(code) + "b";
        if (std::optional<std::string> fast = tableFromUtf8(text)) {
            ++answered;
            ASSERT_EQ(*fast, converterFromUtf8(text)) << code;
        }
        ASSERT_EQ(fromUtf8(text), converterFromUtf8(text)) << code;
    }
    EXPECT_GT(answered, 7000);
}

TEST(Cp932Tables, MalformedUtf8IsLeftToTheConverter) {
    for (std::string text : {std::string("\x80"), std::string("\xE3\x81"), std::string("\xC0\xAF"),
                             std::string("\xED\xA0\x80"), std::string("\xF0\x9F\x98\x80"), std::string("a\xFF")}) {
        EXPECT_FALSE(tableFromUtf8(text)) << text;
        EXPECT_EQ(fromUtf8(text), converterFromUtf8(text));
    }
}

}  // namespace
}  // namespace zv
