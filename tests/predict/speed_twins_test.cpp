// The engine's speed tricks against their plain twins, on the same inputs.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "data/code_tables.h"
#include "predict/code_memo.h"
#include "predict/text_builder.h"

namespace zv {
namespace {

// Feeds the same pieces to any builder.
template <class Builder>
std::string build(const std::vector<std::string>& pieces, const std::vector<long long>& numbers) {
    Builder builder;
    for (size_t i = 0; i < pieces.size(); ++i) {
        builder << std::string_view(pieces[i]) << '|';
        if (i < numbers.size()) builder << numbers[i] << static_cast<int>(numbers[i] % 1000);
    }
    return builder.str();
}

TEST(TextBuilder, GivesWhatPlainAppendingGivesAlsoPastItsBuffer) {
    struct Case {
        const char* what;
        std::vector<std::string> pieces;
        std::vector<long long> numbers;
    };
    const std::string cellPiece = "\x82\xA0<BR><P ALIGN=\"center\">";
    const Case cases[] = {
        {"nothing", {}, {}},
        {"empty pieces", {"", "", ""}, {}},
        {"a cell", {cellPiece, "TR", "\x93\x8C\x8B\x9E"}, {0, -7, 1234}},
        {"number limits", {"a", "b"}, {LLONG_MIN, LLONG_MAX}},
        {"exactly the buffer", {std::string(239, 'x')}, {}},  // 239 bytes and a '|'
        {"one past the buffer", {std::string(240, 'x')}, {}},
        {"spilled, then more", {std::string(200, 'y'), std::string(100, 'z'), "tail"}, {42, -42, 9}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(build<TextBuilder>(c.pieces, c.numbers), build<PlainTextBuilder>(c.pieces, c.numbers)) << c.what;
    }
}

// Every two-byte code, and codes of other lengths, give what the table's own lookup gives.
TEST(TwoByteCodeMemo, AnswersAsTheLookupItRemembers) {
    for (TwoByteCodeMemo::Lookup lookup : {&coatColourName, &cornerMark, &racecourseName}) {
        const TwoByteCodeMemo memo(lookup);
        std::vector<std::string> codes = {"", "0", " ", "012", "1 2", "\x82\xA0\x82"};
        for (int a = 0; a < 256; ++a) {
            for (int b = 0; b < 256; ++b) codes.push_back({static_cast<char>(a), static_cast<char>(b)});
        }
        for (const std::string& code : codes) {
            const std::string expected = lookup(code);
            ASSERT_EQ(memo(code), expected) << testing::PrintToString(code);
            if (const std::string* known = memo.find(code)) {
                ASSERT_EQ(*known, expected);
            }
            PlainTextBuilder appended;
            memo.appendTo(appended, code);
            ASSERT_EQ(appended.str(), expected) << testing::PrintToString(code);
        }
    }
}

}  // namespace
}  // namespace zv
