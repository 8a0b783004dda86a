// Fields of a delimited text.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "data/delimited_field.h"
#include "data/sjis.h"

namespace zv {
namespace {

struct FieldCase {
    const char* delimiter;
    const char* text;
    int index;
    const char* expected;
};

TEST(DelimitedField, PicksTheFieldAndCollapsesCommaRuns) {
    constexpr FieldCase kCases[] = {
        {",", "a,,b,c", 1, "b"},    {",", "a,b", 5, "b"},           {",", "a,b", 0, "a"},   {",", "a,b,c", 2, "c"},
        {",", " a,b \r\n", 1, "b"}, {",", ",a,b", 0, ""},           {",", ",,a,b", 1, "a"}, {",", "", 0, ""},
        {",", "abc", 3, "abc"},     {"=", "key=value", 1, "value"}, {"=", "k==v", 1, ""},   {"=", "k==v", 2, "v"},
        {"::", "a::b::c", 2, "c"},  {"\t", "a\t\tb", 2, "b"},       {",", "a,b", -1, ""},   {",", "a,b", INT_MAX, "b"},
        {"", "a,b", 0, "a,b"},
    };
    for (const FieldCase& c : kCases) {
        EXPECT_EQ(delimitedField(c.delimiter, c.text, c.index), c.expected)
            << "delimitedField(\"" << c.delimiter << "\", \"" << c.text << "\", " << c.index << ")";
    }
}

TEST(DelimitedField, NeverSplitsATwoByteCharacter) {
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C: their second byte is a backslash.
    std::string text = sj("表") + "\\" + sj("ソ") + "\\x";
    EXPECT_EQ(delimitedField("\\", text, 0), sj("表"));
    EXPECT_EQ(delimitedField("\\", text, 1), sj("ソ"));
    EXPECT_EQ(delimitedField("\\", text, 2), "x");
}

}  // namespace
}  // namespace zv
