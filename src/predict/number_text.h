// Decimal texts of the engine's fixed-point numbers, built from integers so that no binary
// fraction can tip a rounding.
#pragma once

#include <cstdint>
#include <string>

namespace zv {

// Tenths as a number with one decimal: 352 -> "35.2", -3 -> "-0.3", 0 -> "0.0".
std::string tenthsText(int64_t tenths);

// Hundredths with two decimals: 125 -> "1.25"; with omitZeroUnits an integer part of 0 is left
// out (50 -> ".50").
std::string hundredthsText(int64_t hundredths, bool omitZeroUnits = false);

// numerator / denominator rounded to the nearest whole number, halves up (denominator > 0,
// numerator >= 0).
int64_t roundedQuotient(int64_t numerator, int64_t denominator);

}  // namespace zv
