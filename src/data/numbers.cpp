// Whole numbers read leniently, powers and rounding as the engine computes them.
#include "numbers.h"

#include <cmath>

namespace zv {

double power(double base, double exponent) {
    if (base == 0) return 0;
    return std::exp2(exponent * std::log2(base));
}

double roundUp(int places, double x) {
    constexpr double kTolerance = 0.0001;
    double scaled = x * power(10, places - 1);
    double whole = 0;
    double fraction = std::modf(scaled, &whole);  // carries the sign of scaled
    if (fraction > kTolerance) whole += 1;
    return whole * power(10, 1 - places);
}

std::string padNumber2(int n) { return n < 10 ? " " + std::to_string(n) : std::to_string(n); }

}  // namespace zv
