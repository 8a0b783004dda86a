#include "sjis.h"

#include <iconv.h>

#include <cerrno>
#include <utility>

#include "cp932_tables.h"

namespace zv {
namespace {

// One iconv descriptor per direction and thread, opened on first use: opening one costs more than
// converting a name.
class Descriptor {
public:
    Descriptor(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Descriptor() {
        if (opened()) iconv_close(cd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    bool opened() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // The descriptor in its initial state.
    iconv_t fresh() {
        if (!opened()) throw ConverterMissing();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

private:
    iconv_t cd_;
};

// Converts; an unconvertible or invalid sequence is replaced and its first byte skipped, so
// conversion always finishes.
enum class Direction { ToUtf8, FromUtf8, Utf8Checked };

std::string convert(std::string_view in, Direction direction, std::string_view replacement) {
    thread_local Descriptor toUtf8Descriptor("UTF-8", "CP932"), fromUtf8Descriptor("CP932", "UTF-8"),
        checkedDescriptor("UTF-8", "UTF-8");
    const bool fromUtf8 = direction != Direction::ToUtf8;
    Descriptor& descriptor = direction == Direction::ToUtf8     ? toUtf8Descriptor
                             : direction == Direction::FromUtf8 ? fromUtf8Descriptor
                                                                : checkedDescriptor;
    iconv_t cd = descriptor.fresh();
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
            if (fromUtf8) {
                while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
            }
            src += skip;
            srcLeft -= skip;
        }
    }
    return out;
}

}  // namespace

ConverterMissing::ConverterMissing()
    : std::runtime_error(
          "文字コードを変換できません: iconv が CP932 を扱えません (glibc の gconv モジュールが必要です)") {}

std::string toUtf8(std::string_view cp932) {
    if (std::optional<std::string> fast = tableToUtf8(cp932)) return std::move(*fast);
    return converterToUtf8(cp932);
}

std::string fromUtf8(std::string_view utf8) {
    if (std::optional<std::string> fast = tableFromUtf8(utf8)) return std::move(*fast);
    return converterFromUtf8(utf8);
}

std::string converterToUtf8(std::string_view cp932) { return convert(cp932, Direction::ToUtf8, "\xEF\xBF\xBD"); }

std::string converterFromUtf8(std::string_view utf8) { return convert(utf8, Direction::FromUtf8, "?"); }

std::optional<std::string> fromUtf8Exactly(std::string_view utf8) {
    std::string cp932 = fromUtf8(utf8);
    // "?" stood in for a character when the text does not come back whole.
    if (toUtf8(cp932) != utf8) return std::nullopt;
    return cp932;
}

std::string validUtf8(std::string_view bytes) { return convert(bytes, Direction::Utf8Checked, "\xEF\xBF\xBD"); }

std::string notCp932Message(std::string_view field) {
    return std::string(field) + "に使用できない文字が含まれています。\nShift_JISで表せる文字で入力し直してください。";
}

}  // namespace zv
