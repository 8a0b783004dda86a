// The shared numeric, text-fill and field helpers.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "data/numbers.h"
#include "data/text_fill.h"
#include "data/delimited_field.h"
#include "data/sjis.h"

namespace zv {
namespace {

struct IntCase {
    const char* text;
    int expected;
};

TEST(BvoHelpers, StrToIntOrZeroNeverFails) {
    constexpr IntCase kCases[] = {
        {"0", 0},         {"12", 12},       {"007", 7},   {"  42", 42},          {"-3", -3},
        {"+5", 5},        {"", 0},          {"  ", 0},    {"1 ", 0},             {"1a", 0},
        {"abc", 0},       {"-", 0},         {"1.5", 0},   {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"2147483648", 0}, {"99999999999", 0},
    };
    for (const IntCase& c : kCases) EXPECT_EQ(toIntOrZero(c.text), c.expected) << '"' << c.text << '"';
}

struct RoundCase {
    int places;
    double x;
    double expected;
};

TEST(BvoHelpers, RoundUpBoundaries) {
    constexpr RoundCase kCases[] = {
        {1, 12.3, 13},     {1, 12.0, 12},     {1, 12.00005, 12},  {1, 12.00009, 12},  {1, 12.00011, 13},
        {1, 12.9999, 13},  {1, 0, 0},         {1, 0.00009, 0},    {1, 0.5, 1},       {2, 2.53, 2.6},
        {2, 2.5, 2.5},     {2, 2.500005, 2.5}, {2, 2.50002, 2.6},   {2, -2.57, -2.5},  {2, -0.05, 0},
        {1, -12.7, -12},   {3, 1.234, 1.24},  {3, 1.23, 1.23},    {2, 99.99, 100},   {2, 52.631, 52.7},
    };
    for (const RoundCase& c : kCases) {
        EXPECT_NEAR(roundUp(c.places, c.x), c.expected, 1e-9) << "roundUp(" << c.places << ", " << c.x << ")";
    }
}

TEST(BvoHelpers, PowerIsTwoToTheLogarithm) {
    EXPECT_EQ(power(0, 3), 0);
    EXPECT_EQ(power(10, 0), 1);
    EXPECT_NEAR(power(10, 1), 10, 1e-12);
    EXPECT_NEAR(power(10, 2), 100, 1e-12);
    EXPECT_NEAR(power(10, -1), 0.1, 1e-15);
}

struct PadCase {
    std::string (*pad)(std::string_view, int);
    const char* text;
    int width;
    const char* expected;
};

TEST(BvoHelpers, TextFillCountsBytes) {
    const PadCase kCases[] = {
        {padLeft, "7", 3, "  7"},  {padLeft, "123", 3, "123"}, {padLeft, "1234", 3, "1234"},
        {padLeft, "", 2, "  "},    {padLeft, "ab", 0, "ab"},   {padLeft, "ab", -1, "ab"},
        {padRight, "7", 3, "7  "}, {padRight, "123", 2, "123"}, {padRight, "", 1, " "},
        {zeroPad, "5", 2, "05"},   {zeroPad, "12", 2, "12"},   {zeroPad, "", 3, "000"},
    };
    for (const PadCase& c : kCases) EXPECT_EQ(c.pad(c.text, c.width), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(padRight(sj("牡"), 4), sj("牡") + "  ");
    EXPECT_EQ(padLeft(sj("牡"), 3), " " + sj("牡"));
}

TEST(BvoHelpers, DropLastRemovesBytes) {
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

TEST(BvoHelpers, padNumber2) {
    struct Case {
        int n;
        const char* expected;
    };
    constexpr Case kCases[] = {{0, " 0"}, {7, " 7"}, {9, " 9"}, {10, "10"}, {18, "18"}, {123, "123"}, {-3, " -3"}};
    for (const Case& c : kCases) EXPECT_EQ(padNumber2(c.n), c.expected) << c.n;
}

struct FieldCase {
    const char* delimiter;
    const char* text;
    int index;
    const char* expected;
};

TEST(BvoHelpers, delimitedField) {
    constexpr FieldCase kCases[] = {
        {",", "a,,b,c", 1, "b"},  {",", "a,b", 5, "b"},      {",", "a,b", 0, "a"},       {",", "a,b,c", 2, "c"},
        {",", " a,b \r\n", 1, "b"}, {",", ",a,b", 0, ""},    {",", ",,a,b", 1, "a"},     {",", "", 0, ""},
        {",", "abc", 3, "abc"},   {"=", "key=value", 1, "value"}, {"=", "k==v", 1, ""},  {"=", "k==v", 2, "v"},
        {"::", "a::b::c", 2, "c"}, {"\t", "a\t\tb", 2, "b"}, {",", "a,b", -1, ""},       {",", "a,b", INT_MAX, "b"},
        {"", "a,b", 0, "a,b"},
    };
    for (const FieldCase& c : kCases) {
        EXPECT_EQ(delimitedField(c.delimiter, c.text, c.index), c.expected)
            << "delimitedField(\"" << c.delimiter << "\", \"" << c.text << "\", " << c.index << ")";
    }
}

TEST(BvoHelpers, GetFieldNeverSplitsATwoByteCharacter) {
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C: their second byte is a backslash.
    std::string text = sj("表") + "\\" + sj("ソ") + "\\x";
    EXPECT_EQ(delimitedField("\\", text, 0), sj("表"));
    EXPECT_EQ(delimitedField("\\", text, 1), sj("ソ"));
    EXPECT_EQ(delimitedField("\\", text, 2), "x");
}

}  // namespace
}  // namespace zv
