// Whole numbers read leniently from record fields, and the power and rounding the engine uses.
#pragma once

#include <string>
#include <string_view>

#include "convert.h"

namespace zv {

// Lenient whole number: a signed 32-bit decimal (leading blanks and a sign allowed); 0 otherwise.
inline int toIntOrZero(std::string_view text) { return parseInt(text).value_or(0); }
// base to the power exponent, as 2^(exponent * log2(base)); 0 for base 0.
double power(double base, double exponent);
// x rounded up (away from zero for positive x, toward zero for negative x) to places - 1
// decimals; a fraction of 0.0001 or less (after scaling) is taken as none.
double roundUp(int places, double x);
// The decimal text of n, with one blank in front when n is below 10 (" 7").
std::string padNumber2(int n);

}  // namespace zv
