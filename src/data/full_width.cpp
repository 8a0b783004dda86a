#include "full_width.h"

#include <array>
#include <cstdint>

#include "sjis_chars.h"

namespace zv {
namespace {

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ
constexpr int kKanaRow = 0x25;
constexpr int kAlphanumericRow = 0x23;
constexpr int kSymbolRow = 0x21;
constexpr int kFullVoicedMarkCell = 0x2B;      // ゛
constexpr int kFullSemiVoicedMarkCell = 0x2C;  // ゜

// Appends the CP932 bytes of JIS X 0208 code (row, cell).
void appendJis(std::string& out, int row, int cell) {
    int lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
    int trail = row % 2 == 1 ? cell + 0x1F + (cell >= 0x60 ? 1 : 0) : cell + 0x7E;
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

// Full-width katakana cells (row 0x25) of the half-width katakana bytes 0xA6..0xDD; 0 for
// 0xB0 (the long vowel mark, a symbol).
constexpr std::array<uint8_t, 0xDE - 0xA6> kKanaCells = {
    0x72, 0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,  // ｦ ｧ ｨ ｩ ｪ ｫ ｬ ｭ ｮ ｯ
    0x00, 0x22, 0x24, 0x26, 0x28, 0x2A,                          // ｰ ｱ ｲ ｳ ｴ ｵ
    0x2B, 0x2D, 0x2F, 0x31, 0x33, 0x35, 0x37, 0x39, 0x3B, 0x3D,  // ｶ .. ｿ
    0x3F, 0x41, 0x44, 0x46, 0x48,                                // ﾀ ﾁ ﾂ ﾃ ﾄ
    0x4A, 0x4B, 0x4C, 0x4D, 0x4E,                                // ﾅ .. ﾉ
    0x4F, 0x52, 0x55, 0x58, 0x5B,                                // ﾊ ﾋ ﾌ ﾍ ﾎ
    0x5E, 0x5F, 0x60, 0x61, 0x62, 0x64, 0x66, 0x68,              // ﾏ ﾐ ﾑ ﾒ ﾓ ﾔ ﾕ ﾖ
    0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6F, 0x73,                    // ﾗ ﾘ ﾙ ﾚ ﾛ ﾜ ﾝ
};

bool isKana(unsigned char b) { return b >= 0xA6 && b <= 0xDD && b != 0xB0; }
bool takesVoicedMark(unsigned char b) { return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE); }
bool takesSemiVoicedMark(unsigned char b) { return b >= 0xCA && b <= 0xCE; }  // ﾊ .. ﾎ only

struct Symbol {
    unsigned char in;
    uint16_t out;  // CP932 code
};

constexpr Symbol kSymbols[] = {
    {' ', 0x8140},  {'!', 0x8149}, {'"', 0x8168}, {'#', 0x8194},  {'$', 0x8190},  {'%', 0x8193},  {'&', 0x8195},
    {'\'', 0x8166}, {'(', 0x8169}, {')', 0x816A}, {'+', 0x817B},  {'}', 0x8170},  {0xB0, 0x815B}, {'=', 0x8181},
    {'`', 0x8165},  {'|', 0x8162}, {'-', 0x817C}, {'^', 0x814F},  {'\\', 0x818F}, {'~', 0x8150},  {'{', 0x816F},
    {'@', 0x8197},  {'[', 0x8175}, {'*', 0x8196}, {';', 0x8147},  {':', 0x8146},  {']', 0x8176},  {'<', 0x8183},
    {'>', 0x8184},  {'?', 0x8148}, {'_', 0x8151}, {0xA4, 0x8141}, {0xA1, 0x8142}, {0xA5, 0x8145}, {',', 0x8143},
    {'.', 0x8144},  {'/', 0x815E},
};

const Symbol* findSymbol(unsigned char b) {
    for (const Symbol& s : kSymbols) {
        if (s.in == b) return &s;
    }
    return nullptr;
}

bool isAlphanumeric(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// Converts the kana at text[pos] and a mark after it; returns the bytes consumed.
size_t appendKana(std::string& out, std::string_view text, size_t pos) {
    unsigned char kana = static_cast<unsigned char>(text[pos]);
    int cell = kKanaCells[kana - 0xA6];
    unsigned char next = pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
    if (next == kVoicedMark && takesVoicedMark(kana)) {
        appendJis(out, kKanaRow, cell + 1);
    } else if (next == kSemiVoicedMark && takesSemiVoicedMark(kana)) {
        appendJis(out, kKanaRow, cell + 2);
    } else if (next == kVoicedMark || next == kSemiVoicedMark) {
        appendJis(out, kKanaRow, cell);
        appendJis(out, kSymbolRow, next == kVoicedMark ? kFullVoicedMarkCell : kFullSemiVoicedMarkCell);
    } else {
        appendJis(out, kKanaRow, cell);
        return 1;
    }
    return 2;
}

}  // namespace

std::string toFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    size_t pos = 0;
    while (pos < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[pos]);
        if (isSjisLeadByte(b)) {
            size_t len = sjisCharLength(text, pos);
            out += text.substr(pos, len);
            pos += len;
        } else if (isAlphanumeric(b)) {
            appendJis(out, kAlphanumericRow, b);
            ++pos;
        } else if (isKana(b)) {
            pos += appendKana(out, text, pos);
        } else if (const Symbol* s = findSymbol(b)) {
            out += static_cast<char>(s->out >> 8);
            out += static_cast<char>(s->out & 0xFF);
            ++pos;
        } else {
            out += static_cast<char>(b);  // a lone ﾞ or ﾟ, control bytes and the rest
            ++pos;
        }
    }
    return out;
}

}  // namespace zv
