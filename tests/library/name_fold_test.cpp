#include "library/name_fold.h"

#include <gtest/gtest.h>

namespace zv::library {
namespace {

TEST(NameFoldTest, WidthsAndKanaFoldAlike) {
    const struct {
        const char* a;
        const char* b;
    } same[] = {
        {"ｷﾀｻﾝﾌﾞﾗｯｸ", "キタサンブラック"},         // half-width katakana, voiced marks joined
        {"きたさんぶらっく", "キタサンブラック"},  // hiragana
        {"ﾊﾟﾝﾊﾟﾝ", "ぱんぱん"},
        {"ＡＢＣ１２", "abc12"},  // full-width letters and digits, any case
        {"Ｔｈｅ Ｏｎｅ", "THE ONE"},
        {"ゔ", "ｳﾞ"},  // a hiragana that CP932 lacks
    };
    for (const auto& c : same) EXPECT_EQ(foldName(c.a), foldName(c.b)) << c.a << " / " << c.b;
    EXPECT_NE(foldName("キタサン"), foldName("キタザン"));
    EXPECT_NE(foldName("ア"), foldName("ァ"));
}

}  // namespace
}  // namespace zv::library
