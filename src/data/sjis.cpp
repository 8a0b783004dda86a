#include "sjis.h"

#include <iconv.h>

#include <cerrno>

namespace zv {
namespace {

// Converts with one iconv descriptor per call; an unconvertible or invalid sequence is
// replaced and its first byte skipped, so conversion always finishes.
std::string convert(std::string_view in, const char* to, const char* from, std::string_view replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            out.append(replacement);
            // Skip one input unit: a whole UTF-8 sequence or a single CP932 byte.
            size_t skip = 1;
            if (std::string_view(from) == "UTF-8") {
                while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
            }
            src += skip;
            srcLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string toUtf8(std::string_view cp932) { return convert(cp932, "UTF-8", "CP932", "\xEF\xBF\xBD"); }

std::string fromUtf8(std::string_view utf8) { return convert(utf8, "CP932", "UTF-8", "?"); }

}  // namespace zv
