// Filling texts to a width in bytes.
#include <gtest/gtest.h>

#include <string>

#include "data/sjis.h"
#include "data/text_fill.h"

namespace zv {
namespace {

struct PadCase {
    std::string (*pad)(std::string_view, int);
    const char* text;
    int width;
    const char* expected;
};

TEST(TextFill, WidthsCountBytes) {
    const PadCase kCases[] = {
        {padLeft, "7", 3, "  7"}, {padLeft, "123", 3, "123"}, {padLeft, "1234", 3, "1234"}, {padLeft, "", 2, "  "},
        {padLeft, "ab", 0, "ab"}, {padLeft, "ab", -1, "ab"},  {padRight, "7", 3, "7  "},    {padRight, "123", 2, "123"},
        {padRight, "", 1, " "},   {zeroPad, "5", 2, "05"},    {zeroPad, "12", 2, "12"},     {zeroPad, "", 3, "000"},
    };
    for (const PadCase& c : kCases) EXPECT_EQ(c.pad(c.text, c.width), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(padRight(sj("牡"), 4), sj("牡") + "  ");
    EXPECT_EQ(padLeft(sj("牡"), 3), " " + sj("牡"));
}

TEST(TextFill, DropLastRemovesBytes) {
    struct Case {
        const char* text;
        int n;
        const char* expected;
    };
    constexpr Case kCases[] = {
        {"12345678", 4, "1234"}, {"1234", 4, ""}, {"123", 4, ""}, {"", 4, ""}, {"12", 0, "12"}, {"12", -1, "12"},
    };
    for (const Case& c : kCases) EXPECT_EQ(dropLast(c.text, c.n), c.expected) << c.text << " " << c.n;
}

}  // namespace
}  // namespace zv
