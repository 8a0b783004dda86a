#include "data/sjis.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zv {
namespace {

TEST(Sjis, TypedTextConvertsOnlyWhenCp932HoldsAllOfIt) {
    struct Case {
        const char* utf8;
        bool holds;
    };
    const Case cases[] = {
        {"", true},
        {"member-01", true},
        {"東京優駿①", true},                  // ① exists only in CP932, not in plain Shift_JIS
        {"ﾄｳｷｮｳ", true},                      // half-width katakana
        {"\xED\x95\x9C", false},              // Hangul
        {"pass\xF0\x9F\x90\x8Eword", false},  // an emoji inside
        {"?", true},                          // a real question mark is no stand-in
    };
    for (const Case& c : cases) {
        std::optional<std::string> cp932 = fromUtf8Exactly(c.utf8);
        EXPECT_EQ(cp932.has_value(), c.holds) << c.utf8;
        if (cp932) {
            EXPECT_EQ(toUtf8(*cp932), c.utf8);
        }
    }
    EXPECT_EQ(fromUtf8("a\xED\x95\x9C"), "a?");  // the program's own texts still convert
}

TEST(Sjis, BytesThatAreNoUtf8BecomeReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"東京.txt", "東京.txt"},
        {"a\xFF"
         "b",
         "a\uFFFD"
         "b"},
        {sj("東") + ".txt", "\uFFFD.txt"},  // a CP932 name on disk
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(validUtf8(c.bytes), c.utf8) << c.bytes;
}

}  // namespace
}  // namespace zv
