#include "number_text.h"

namespace zv {
namespace {

std::string fixedText(int64_t value, int64_t scale, int decimals, bool omitZeroUnits) {
    bool negative = value < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    uint64_t units = magnitude / static_cast<uint64_t>(scale);
    std::string fraction = std::to_string(magnitude % static_cast<uint64_t>(scale));
    fraction.insert(0, decimals - fraction.size(), '0');
    std::string text = negative ? "-" : "";
    if (!(omitZeroUnits && units == 0)) text += std::to_string(units);
    return text + "." + fraction;
}

}  // namespace

std::string tenthsText(int64_t tenths) { return fixedText(tenths, 10, 1, false); }

std::string hundredthsText(int64_t hundredths, bool omitZeroUnits) {
    return fixedText(hundredths, 100, 2, omitZeroUnits);
}

int64_t roundedQuotient(int64_t numerator, int64_t denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

}  // namespace zv
