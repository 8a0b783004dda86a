// Lenient whole numbers, the engine's powers and rounding up, two-digit number texts.
#include <gtest/gtest.h>

#include <climits>

#include "data/numbers.h"

namespace zv {
namespace {

TEST(Numbers, IntOrZeroNeverFails) {
    struct Case {
        const char* text;
        int expected;
    };
    constexpr Case kCases[] = {
        {"0", 0},
        {"12", 12},
        {"007", 7},
        {"  42", 42},
        {"-3", -3},
        {"+5", 5},
        {"", 0},
        {"  ", 0},
        {"1 ", 0},
        {"1a", 0},
        {"abc", 0},
        {"-", 0},
        {"1.5", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", 0},
        {"99999999999", 0},
    };
    for (const Case& c : kCases) EXPECT_EQ(toIntOrZero(c.text), c.expected) << '"' << c.text << '"';
}

struct RoundCase {
    int places;
    double x;
    double expected;
};

TEST(Numbers, RoundsUpAboveTheTolerance) {
    constexpr RoundCase kCases[] = {
        {1, 12.3, 13},    {1, 12.0, 12},      {1, 12.00005, 12}, {1, 12.00009, 12}, {1, 12.00011, 13},
        {1, 12.9999, 13}, {1, 0, 0},          {1, 0.00009, 0},   {1, 0.5, 1},       {2, 2.53, 2.6},
        {2, 2.5, 2.5},    {2, 2.500005, 2.5}, {2, 2.50002, 2.6}, {2, -2.57, -2.5},  {2, -0.05, 0},
        {1, -12.7, -12},  {3, 1.234, 1.24},   {3, 1.23, 1.23},   {2, 99.99, 100},   {2, 52.631, 52.7},
    };
    for (const RoundCase& c : kCases) {
        EXPECT_NEAR(roundUp(c.places, c.x), c.expected, 1e-9) << "roundUp(" << c.places << ", " << c.x << ")";
    }
}

TEST(Numbers, PowerIsTwoToTheLogarithm) {
    EXPECT_EQ(power(0, 3), 0);
    EXPECT_EQ(power(10, 0), 1);
    EXPECT_NEAR(power(10, 1), 10, 1e-12);
    EXPECT_NEAR(power(10, 2), 100, 1e-12);
    EXPECT_NEAR(power(10, -1), 0.1, 1e-15);
}

TEST(Numbers, TwoDigitNumbersGetABlankInFront) {
    struct Case {
        int n;
        const char* expected;
    };
    constexpr Case kCases[] = {{0, " 0"}, {7, " 7"}, {9, " 9"}, {10, "10"}, {18, "18"}, {123, "123"}, {-3, " -3"}};
    for (const Case& c : kCases) EXPECT_EQ(padNumber2(c.n), c.expected) << c.n;
}

}  // namespace
}  // namespace zv
