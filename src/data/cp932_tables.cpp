#include "cp932_tables.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <vector>

#include "sjis.h"

namespace zv {
namespace {

// A character's UTF-8 (at most three bytes: CP932 maps into the BMP) packed with its length in
// the top byte; 0 for none.
using PackedUtf8 = uint32_t;

PackedUtf8 pack(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > 3) return 0;
    PackedUtf8 packed = static_cast<PackedUtf8>(utf8.size()) << 24;
    for (size_t i = 0; i < utf8.size(); ++i) packed |= PackedUtf8{static_cast<unsigned char>(utf8[i])} << (8 * i);
    return packed;
}

// A character's CP932 (one or two bytes) packed with its length in bits 16 and up; 0 for none.
using PackedCp932 = uint32_t;

PackedCp932 packCp932(std::string_view cp932) {
    if (cp932.empty() || cp932.size() > 2) return 0;
    PackedCp932 packed = static_cast<PackedCp932>(cp932.size()) << 16;
    for (size_t i = 0; i < cp932.size(); ++i) packed |= PackedCp932{static_cast<unsigned char>(cp932[i])} << (8 * i);
    return packed;
}

void appendPacked(std::string& out, PackedUtf8 packed) {
    const size_t size = packed >> 24;
    for (size_t i = 0; i < size; ++i) out.push_back(static_cast<char>((packed >> (8 * i)) & 0xFF));
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw ConverterMissing();
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The whole of in converted as one character, or nothing.
    std::optional<std::string> whole(std::string_view in) {
        char buffer[16];
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0) return std::nullopt;
        return std::string(buffer, static_cast<size_t>(dst - buffer));
    }

private:
    iconv_t cd_;
};

struct Tables {
    std::array<PackedUtf8, 256> single{};                                          // one-byte characters
    std::array<bool, 256> lead{};                                                  // first bytes of two-byte characters
    std::vector<PackedUtf8> pairs = std::vector<PackedUtf8>(size_t{256} * 256);    // lead * 256 + trail
    std::vector<PackedCp932> reverse = std::vector<PackedCp932>(size_t{0x10000});  // code point -> CP932
    std::array<bool, 256> singleBack{};                                            // the byte comes back
    std::vector<bool> pairsBack = std::vector<bool>(size_t{256} * 256);            // the pair comes back
    bool asciiAsIs = true;  // every byte below 0x80 is the same character in UTF-8 and comes back

    Tables() {
        Converter toUtf8("UTF-8", "CP932"), toCp932("CP932", "UTF-8");
        auto learn = [&](std::string_view cp932, PackedUtf8& slot) {
            std::optional<std::string> utf8 = toUtf8.whole(cp932);
            if (!utf8) return false;
            slot = pack(*utf8);
            if (slot == 0) return true;
            std::optional<std::string> back = toCp932.whole(*utf8);
            PackedCp932& known = reverse[codePoint(*utf8)];
            if (back && known == 0) known = packCp932(*back);
            return true;
        };
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            if (learn(std::string_view(&byte, 1), single[b])) continue;
            for (int t = 0; t < 256; ++t) {
                const char two[2] = {byte, static_cast<char>(t)};
                if (learn(std::string_view(two, 2), pairs[static_cast<size_t>(b) * 256 + t])) lead[b] = true;
            }
        }
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            singleBack[b] = comesBack(single[b], std::string_view(&byte, 1));
            for (int t = 0; lead[b] && t < 256; ++t) {
                const char two[2] = {byte, static_cast<char>(t)};
                const size_t at = static_cast<size_t>(b) * 256 + t;
                pairsBack[at] = comesBack(pairs[at], std::string_view(two, 2));
            }
            if (b < 0x80) asciiAsIs = asciiAsIs && singleBack[b] && single[b] == pack(std::string_view(&byte, 1));
        }
    }

    bool comesBack(PackedUtf8 packed, std::string_view cp932) const {
        if (packed == 0) return false;
        std::string utf8;
        appendPacked(utf8, packed);
        return reverse[codePoint(utf8)] == packCp932(cp932);
    }

    static uint32_t codePoint(std::string_view utf8) {
        const auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(utf8[i])); };
        switch (utf8.size()) {
            case 1: return byte(0);
            case 2: return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
            case 3: return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
            default: return 0xFFFFFFFF;
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

}  // namespace

std::optional<std::string> tableToUtf8(std::string_view cp932, bool* roundTrips) {
    const Tables& t = tables();
    bool back = true;
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    for (size_t i = 0; i < cp932.size(); ++i) {
        if (t.asciiAsIs) {
            size_t end = i;
            while (end < cp932.size() && static_cast<unsigned char>(cp932[end]) < 0x80) ++end;
            out.append(cp932.substr(i, end - i));
            i = end;
            if (i == cp932.size()) break;
        }
        const auto b = static_cast<unsigned char>(cp932[i]);
        if (t.single[b] != 0) {
            appendPacked(out, t.single[b]);
            back = back && t.singleBack[b];
        } else if (t.lead[b] && i + 1 < cp932.size()) {
            const size_t at = size_t{b} * 256 + static_cast<unsigned char>(cp932[i + 1]);
            if (t.pairs[at] == 0) return std::nullopt;
            appendPacked(out, t.pairs[at]);
            back = back && t.pairsBack[at];
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (roundTrips) *roundTrips = back;
    return out;
}

std::optional<std::string> tableFromUtf8(std::string_view utf8) {
    const Tables& t = tables();
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        size_t size = 1;
        if (b >= 0xE0 && b < 0xF0)
            size = 3;
        else if (b >= 0xC2 && b < 0xE0)
            size = 2;
        else if (b >= 0x80)
            return std::nullopt;
        if (i + size > utf8.size()) return std::nullopt;
        for (size_t k = 1; k < size; ++k) {
            if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) return std::nullopt;
        }
        const std::string_view character = utf8.substr(i, size);
        const uint32_t code = Tables::codePoint(character);
        if ((size == 3 && code < 0x800) || (code >= 0xD800 && code < 0xE000)) return std::nullopt;
        const PackedCp932 packed = t.reverse[code];
        if (packed == 0) return std::nullopt;
        out.push_back(static_cast<char>(packed & 0xFF));
        if (packed >> 16 == 2) out.push_back(static_cast<char>((packed >> 8) & 0xFF));
        i += size;
    }
    return out;
}

}  // namespace zv
