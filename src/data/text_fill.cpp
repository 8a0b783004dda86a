// Text filled to a width in bytes.
#include "text_fill.h"

namespace zv {
namespace {

std::string padFront(std::string_view text, int width, char fill) {
    std::string out;
    if (width > 0 && text.size() < static_cast<size_t>(width)) out.assign(width - text.size(), fill);
    out += text;
    return out;
}

}  // namespace

std::string padLeft(std::string_view text, int width) { return padFront(text, width, ' '); }

std::string zeroPad(std::string_view text, int width) { return padFront(text, width, '0'); }

std::string padRight(std::string_view text, int width) {
    std::string out(text);
    if (width > 0 && out.size() < static_cast<size_t>(width)) out.resize(width, ' ');
    return out;
}

std::string dropLast(std::string_view text, int n) {
    if (n <= 0) return std::string(text);
    if (text.size() <= static_cast<size_t>(n)) return {};
    return std::string(text.substr(0, text.size() - n));
}

}  // namespace zv
