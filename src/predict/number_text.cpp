#include "number_text.h"

#include <charconv>

namespace zv {
namespace {

std::string fixedText(int64_t value, uint64_t scale, int decimals, bool omitZeroUnits) {
    char buffer[32];
    char* p = buffer;
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    if (value < 0) *p++ = '-';
    uint64_t units = magnitude / scale;
    if (!(omitZeroUnits && units == 0)) p = std::to_chars(p, buffer + sizeof buffer, units).ptr;
    *p++ = '.';
    uint64_t fraction = magnitude % scale;
    for (int d = decimals - 1; d >= 0; --d) {
        p[d] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return std::string(buffer, p + decimals);
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
