// Half-width to full-width conversion. Inputs with half-width katakana are written as bytes
// (the source is UTF-8), expectations as readable UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "data/full_width.h"
#include "data/sjis.h"

namespace zv {
namespace {

struct Case {
    std::string input;     // CP932 bytes
    const char* expected;  // UTF-8
};

TEST(FullWidth, ConvertsHalfWidthCharacters) {
    const Case kCases[] = {
        {"G1", "Ｇ１"},
        {"0123456789", "０１２３４５６７８９"},
        {"ABCXYZ", "ＡＢＣＸＹＺ"},
        {"abcxyz", "ａｂｃｘｙｚ"},
        {"JG3", "ＪＧ３"},
        {"", ""},
        {sj("スプリングＳ"), "スプリングＳ"},  // already full-width: unchanged
        {sj("中山") + "11", "中山１１"},
        {"\xCA\xDF\xDD", "パン"},                // ﾊﾟﾝ
        {"\xB3\xDE", "ウ゛"},                    // ｳﾞ: ウ takes no mark, so it is added
        {"\xB6\xDE", "ガ"},                      // ｶﾞ
        {"\xC4\xDE", "ド"},                      // ﾄﾞ
        {"\xCA\xDE", "バ"},                      // ﾊﾞ
        {"\xCE\xDF", "ポ"},                      // ﾎﾟ
        {"\xCB\xDF\xCC\xDF\xCD\xDF", "ピプペ"},  // ﾋﾟﾌﾟﾍﾟ
        {"\xB6\xDF", "カ゜"},                    // ｶﾟ: only ﾊ..ﾎ take the semi-voiced mark
        {"\xC4\xDF", "ト゜"},                    // ﾄﾟ
        {"\xB1\xDF", "ア゜"},                    // ｱﾟ
        {"\xDD\xDE", "ン゛"},                    // ﾝﾞ
        {"\xDE", "\xEF\xBE\x9E"},                // a lone ﾞ stays half-width
        {"\xDF"
         "A",
         "\xEF\xBE\x9F"
         "Ａ"},                              // a lone ﾟ stays half-width
        {"\xB6\xDE\xDE", "ガ\xEF\xBE\x9E"},  // the second mark stands alone
        {"\xA6\xA7\xAF\xB0\xB1\xDC", "ヲァッーアワ"},
        {"\xB7\xB8\xB9\xBA\xBB\xBC\xBD\xBE\xBF", "キクケコサシスセソ"},
        {"\xC0\xC1\xC2\xC3\xC5\xC6\xC7\xC8\xC9", "タチツテナニヌネノ"},
        {"\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6", "マミムメモヤユヨ"},
        {"\xD7\xD8\xD9\xDA\xDB\xA8\xA9\xAA\xAB\xAC\xAD\xAE", "ラリルレロィゥェォャュョ"},
        {"\xB2\xB4\xB5", "イエオ"},
        {" !\"#$%&'()+}", "　！”＃＄％＆’（）＋｝"},
        {"=`|-^\\~{@[*;", "＝‘｜－＾￥￣｛＠「＊；"},
        {":]<>?_,./", "：」＜＞？＿，．／"},
        {"\xA4\xA1\xA5", "、。・"},  // ､｡･
        {"\t\r\n", "\t\r\n"},        // control bytes pass through
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(toUtf8(toFullWidth(c.input)), c.expected) << c.expected;
        EXPECT_EQ(toFullWidth(c.input), sj(c.expected)) << c.expected;
    }
}

TEST(FullWidth, PassesOtherBytesThrough) {
    // Half-width corner brackets, 0x80, 0xA0 and 0xFD..0xFF are not converted.
    const std::string bytes = "\xA2\xA3\x80\xA0\xFD\xFE\xFF";
    EXPECT_EQ(toFullWidth(bytes), bytes);
}

TEST(FullWidth, LeadByteAtTheEndIsCopiedAlone) {
    EXPECT_EQ(toFullWidth("1\x82"), sj("１") + "\x82");
    EXPECT_EQ(toFullWidth(std::string("\x82\x60", 2)), sj("Ａ"));  // a two-byte character, not "`"
}

}  // namespace
}  // namespace zv
