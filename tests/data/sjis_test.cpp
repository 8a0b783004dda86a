#include "data/sjis.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "data/error.h"

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

TEST(Sjis, ErrorReadsAsUtf8WhileItsMessageStaysCp932) {
    const Error error(ErrorKind::Io, sj("ファイルを開けません: 東京.txt"));
    EXPECT_STREQ(error.what(), "ファイルを開けません: 東京.txt");
    EXPECT_EQ(error.message(), sj("ファイルを開けません: 東京.txt"));
}

}  // namespace
}  // namespace zv
