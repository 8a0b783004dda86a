// The numeric, text-fill and field helpers shared by the record readers.
#include "bvo_hen.h"

#include <cmath>

#include "convert.h"
#include "field.h"
#include "sjis_chars.h"

namespace zv {

double Power(double base, double exponent) {
    if (base == 0) return 0;
    return std::exp2(exponent * std::log2(base));
}

double RoundUp(int places, double x) {
    constexpr double kTolerance = 0.0001;
    double scaled = x * Power(10, places - 1);
    double whole = 0;
    double fraction = std::modf(scaled, &whole);  // carries the sign of scaled
    if (fraction > kTolerance) whole += 1;
    return whole * Power(10, 1 - places);
}

std::string PadNumber2(int n) { return n < 10 ? " " + std::to_string(n) : std::to_string(n); }

namespace {

std::string padFront(std::string_view text, int width, char fill) {
    std::string out;
    if (width > 0 && text.size() < static_cast<size_t>(width)) out.assign(width - text.size(), fill);
    out += text;
    return out;
}

}  // namespace

std::string PadLeft(std::string_view text, int width) { return padFront(text, width, ' '); }

std::string ZeroPad(std::string_view text, int width) { return padFront(text, width, '0'); }

std::string PadRight(std::string_view text, int width) {
    std::string out(text);
    if (width > 0 && out.size() < static_cast<size_t>(width)) out.resize(width, ' ');
    return out;
}

std::string DropLast(std::string_view text, int n) {
    if (n <= 0) return std::string(text);
    if (text.size() <= static_cast<size_t>(n)) return {};
    return std::string(text.substr(0, text.size() - n));
}

std::string GetField(std::string_view delimiter, std::string_view text, int index) {
    std::string collapsed;
    if (delimiter == ",") {
        for (char c : text) {
            if (c == ',' && !collapsed.empty() && collapsed.back() == ',') continue;
            collapsed += c;
        }
        text = collapsed;
    }
    std::string_view rest = trimmed(text);
    std::string_view found;
    for (int i = 0; i <= index; ++i) {
        size_t at = findSjis(rest, delimiter);
        if (at == std::string_view::npos) {
            found = rest;  // every later field is this same remaining text
            break;
        }
        found = rest.substr(0, at);
        rest = rest.substr(at + delimiter.size());
    }
    return std::string(found);
}

}  // namespace zv
