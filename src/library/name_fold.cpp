#include "name_fold.h"

#include "data/full_width.h"
#include "data/sjis.h"

namespace zv::library {
namespace {

constexpr char32_t kHiraganaFirst = 0x3041;   // ぁ
constexpr char32_t kHiraganaLast = 0x3096;    // ゖ
constexpr char32_t kIterationFirst = 0x309D;  // ゝ ゞ
constexpr char32_t kIterationLast = 0x309E;
constexpr char32_t kToKatakana = 0x60;
constexpr char32_t kWideSmallA = 0xFF41;  // ａ
constexpr char32_t kWideSmallZ = 0xFF5A;
constexpr char32_t kToCapital = 0x20;

char32_t folded(char32_t c) {
    if ((c >= kHiraganaFirst && c <= kHiraganaLast) || (c >= kIterationFirst && c <= kIterationLast))
        return c + kToKatakana;
    if (c >= kWideSmallA && c <= kWideSmallZ) return c - kToCapital;
    return c;
}

// Only three-byte sequences hold the characters folded here; every other byte passes as it is.
std::string foldThreeByteCharacters(std::string text) {
    for (size_t i = 0; i + 2 < text.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if ((b0 & 0xF0) != 0xE0) continue;
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) continue;
        const char32_t c = (char32_t(b0 & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | char32_t(b2 & 0x3F);
        const char32_t f = folded(c);
        text[i] = static_cast<char>(0xE0 | (f >> 12));
        text[i + 1] = static_cast<char>(0x80 | ((f >> 6) & 0x3F));
        text[i + 2] = static_cast<char>(0x80 | (f & 0x3F));
        i += 2;
    }
    return text;
}

// The full-width conversion leaves ｳﾞ as two characters.
std::string joinVoicedU(std::string text) {
    static constexpr std::string_view kApart = "ウ゛", kJoined = "ヴ";
    for (size_t at = text.find(kApart); at != std::string::npos; at = text.find(kApart, at))
        text.replace(at, kApart.size(), kJoined);
    return text;
}

}  // namespace

// Kana first, as CP932 holds no hiragana ゔ; the Latin capitals once the letters are full-width.
std::string foldName(std::string_view utf8) {
    return joinVoicedU(
        foldThreeByteCharacters(toUtf8(toFullWidth(fromUtf8(foldThreeByteCharacters(std::string(utf8)))))));
}

}  // namespace zv::library
