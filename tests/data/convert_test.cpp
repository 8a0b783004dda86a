#include "data/convert.h"

#include <gtest/gtest.h>

#include "data/error.h"

namespace zv {
namespace {

TEST(ParseInt, AcceptsWholeNumbersWithLeadingBlanksAndSign) {
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    };
    const Case cases[] = {
        {"09", 9},
        {"  12", 12},
        {"-3", -3},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"12 ", std::nullopt},
        {"1a", std::nullopt},
        {"-", std::nullopt},
        {"\x82\x50", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(StrictInt, ErrorNamesFieldAndText) {
    try {
        strictInt("1x", "runner_count");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        EXPECT_EQ(e.field(), "runner_count");
        EXPECT_EQ(e.text(), "1x");
        EXPECT_NE(e.message().find("runner_count"), std::string::npos);
    }
}

TEST(StrictReal, ReadsWeightsAndRejectsBlanks) {
    EXPECT_DOUBLE_EQ(strictReal("570", "weight_carried") / 10, 57.0);
    EXPECT_DOUBLE_EQ(strictReal("57.5", "x"), 57.5);
    EXPECT_THROW(strictReal("   ", "weight_carried"), Error);
    EXPECT_THROW(strictReal("5 7", "weight_carried"), Error);
}

}  // namespace
}  // namespace zv
