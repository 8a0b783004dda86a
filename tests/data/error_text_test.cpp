// The reason of a failed file operation: in Japanese for the common cases, then the system's text.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "data/error.h"
#include "data/sjis.h"
#include "data/text_file.h"
#include "support/temp_folder.h"

namespace zv {
namespace {

TEST(ErrorText, TheCommonReasonsAreJapaneseWithTheSystemsTextAfter) {
    struct Case {
        int error;
        const char* japanese;
    };
    const Case cases[] = {
        {ENOENT, "ファイルやフォルダがありません"},
        {EACCES, "アクセスが許可されていません"},
        {EISDIR, "フォルダです"},
        {ENOSPC, "ディスクの空きがありません"},
        {EROFS, "読み取り専用のファイルシステムです"},
        {EMLINK, "リンクが多すぎます"},
        {EIO, "入出力エラーが起きました"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errnoText(c.error), std::string(c.japanese) + ": " + std::strerror(c.error)) << c.error;
        EXPECT_EQ(errorCodeText(std::error_code(c.error, std::generic_category())), errnoText(c.error));
    }
    // Others keep the system's text alone.
    EXPECT_EQ(errnoText(EBADF), std::strerror(EBADF));
}

TEST(ErrorText, AConversionErrorQuotesTheFieldsBytesAsText) {
    const Error e = conversionError("race_date", Cp932View(sj("東x")));
    EXPECT_STREQ(e.what(), "数値に変換できません: race_date = '東x'");
    EXPECT_EQ(e.message(), e.what());
    EXPECT_EQ(e.field(), "race_date");
    EXPECT_EQ(e.text(), "東x");
}

TEST(ErrorText, AFileNameThatIsNoUtf8StillMakesAMessage) {
    EXPECT_EQ(pathText(std::filesystem::path("a") / "b\xFF.txt"), "a/b\uFFFD.txt");
}

TEST(ErrorText, AFailedWriteSaysWhyInJapanese) {
    fixture::TempFolder folder;
    try {
        writeFileReplacing(folder.path() / "missing" / "out.txt", "x", FileDurability::Regenerable);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("ファイルやフォルダがありません: "), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace zv
