// A race header line read into its texts, runner count and first runner.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/error.h"
#include "data/race_header.h"
#include "data/sjis.h"
#include "data/store.h"
#include "race_header_line.h"

namespace zv {
namespace {

using fixture::Header;
using fixture::headerLine;

TEST(RaceHeaderTexts, ComposesEveryTextOfTheRace) {
    RaceHeader h = raceHeaderTexts(headerLine(Header{}));
    EXPECT_EQ(toUtf8(h.raceDateText), "2010/03/21(日)");
    EXPECT_EQ(toUtf8(h.courseText), "芝");
    EXPECT_EQ(h.jpnFlag, "0");
    EXPECT_EQ(h.distanceText, "1800");
    EXPECT_EQ(h.raceNumberText, "11");
    EXPECT_EQ(toUtf8(h.titleLine1), "2010/03/21(日) 発走15:45 16頭  芝1800M");
    EXPECT_EQ(toUtf8(h.titleLine2), "中山11R サラ3歳以上 オープン ハンデ スプリングＳ G2 ");
    EXPECT_EQ(toUtf8(h.menuTitle), "中山11R サラ3歳以上 オープン スプリングステークス G2 ");
    EXPECT_EQ(h.runnerCount, 0);
    EXPECT_EQ(h.firstRunner, 0);
}

struct TitleCase {
    Header header;
    const char* titleLine2;
    const char* menuTitle;
};

TEST(RaceHeaderTexts, FlatGradesFollowTheNameOtherRacesShowNone) {
    const TitleCase kCases[] = {
        {{.name = "皐月賞", .grade = "0", .weightRule = "03", .raceType = "2"},
         "中山11R サラ3歳 オープン 定量 皐月賞 G1 ",
         "中山11R サラ3歳 オープン 皐月賞 G1 "},
        {{.name = "スプリングステークス", .grade = "2"},
         "中山11R サラ3歳以上 オープン ハンデ スプリングＳ G3 ",
         "中山11R サラ3歳以上 オープン スプリングステークス G3 "},
        {{.racecourse = "10", .name = "帝王賞", .grade = "0", .jpn = "1"},
         "大井11R サラ3歳以上 オープン ハンデ 帝王賞 Jpn(G1) ",
         "大井11R サラ3歳以上 オープン 帝王賞 Jpn(G1) "},
        {{.name = "かしわ記念", .grade = "1", .jpn = "1"},
         "中山11R サラ3歳以上 オープン ハンデ かしわ記念 Jpn(G2) ",
         "中山11R サラ3歳以上 オープン かしわ記念 Jpn(G2) "},
        {{.name = "東京盃", .grade = "2", .jpn = "1"},
         "中山11R サラ3歳以上 オープン ハンデ 東京盃 Jpn(G3) ",
         "中山11R サラ3歳以上 オープン 東京盃 Jpn(G3) "},
        // Jump grades and ungraded races have no grade after the name.
        {{.jump = "1", .name = "中山大障害", .grade = "3", .weightRule = "01", .raceType = "8"},
         "中山11R サラ障害3歳以上 オープン 馬齢 中山大障害 ",
         "中山11R サラ障害3歳以上 オープン 中山大障害 "},
        {{.name = "東京ハイジャンプ", .grade = "4", .raceType = "9"},
         "中山11R サラ障害4歳以上 オープン ハンデ 東京ハイジャンプ ",
         "中山11R サラ障害4歳以上 オープン 東京ハイジャンプ "},
        {{.name = "小倉サマージャンプ", .grade = "5", .jpn = "1"},
         "中山11R サラ3歳以上 オープン ハンデ 小倉サマージャンプ ",
         "中山11R サラ3歳以上 オープン 小倉サマージャンプ "},
        {{.name = "早春ステークス", .grade = " ", .raceClass = "16000"},
         "中山11R サラ3歳以上 1600万 ハンデ 早春Ｓ ",
         "中山11R サラ3歳以上 1600万 早春ステークス "},
        {{.racecourse = "04", .raceNumber = "10", .name = "ジャパンカップ", .grade = "0", .weightRule = "03"},
         "東京10R サラ3歳以上 オープン 定量 ジャパンＣ G1 ",
         "東京10R サラ3歳以上 オープン ジャパンカップ G1 "},
        // A race without a name keeps both blanks around the missing piece.
        {{.raceNumber = "01", .name = "", .grade = " ", .weightRule = "01", .raceType = "2", .raceClass = "00003"},
         "中山01R サラ3歳 未勝利 馬齢  ",
         "中山01R サラ3歳 未勝利  "},
        // Blanks around a name go; a full-width blank inside it stays.
        {{.name = "  春　特別 ", .grade = " ", .weightRule = "99", .raceClass = "05000"},
         "中山11R サラ3歳以上 500万  春　特別 ",
         "中山11R サラ3歳以上 500万 春　特別 "},
    };
    for (const TitleCase& c : kCases) {
        RaceHeader h = raceHeaderTexts(headerLine(c.header));
        EXPECT_EQ(toUtf8(h.titleLine2), c.titleLine2) << c.header.name;
        EXPECT_EQ(toUtf8(h.menuTitle), c.menuTitle) << c.header.name;
    }
}

TEST(RaceHeaderTexts, BadDigitsDoNotStopTheTitles) {
    RaceHeader h = raceHeaderTexts(headerLine(
        {.raceNumber = "x1", .year = "20a0", .month = "  ", .weekday = "99", .distance = "abcd", .runners = "?"}));
    EXPECT_EQ(toUtf8(h.titleLine1), "20a0/  /21(祝) 発走15:45 ? 頭  芝abcdM");
    EXPECT_EQ(toUtf8(h.menuTitle), "中山x1R サラ3歳以上 オープン スプリングステークス G2 ");
}

TEST(RaceHeaderTexts, ShortLineGivesShortTexts) {
    RaceHeader h = raceHeaderTexts("05");
    EXPECT_EQ(toUtf8(h.titleLine1), "//(祝) 発走 頭  ダM");
    EXPECT_EQ(toUtf8(h.titleLine2), "中山R  0万   ");
    EXPECT_EQ(toUtf8(h.menuTitle), "中山R  0万  ");
}

TEST(ReadRaceHeaders, ReadsEachCountAndSumsTheFirstRunners) {
    RecordLines lines{headerLine({.runners = "16"}), headerLine({.runners = "09"}), headerLine({.runners = "00"}),
                      headerLine({.runners = " 3"})};
    std::vector<RaceHeader> headers = readRaceHeaders(lines);
    ASSERT_EQ(headers.size(), 4u);
    const int counts[] = {16, 9, 0, 3}, firsts[] = {0, 16, 25, 25};
    for (size_t i = 0; i < headers.size(); ++i) {
        EXPECT_EQ(headers[i].runnerCount, counts[i]) << i;
        EXPECT_EQ(headers[i].firstRunner, firsts[i]) << i;
        EXPECT_EQ(headers[i].titleLine2, raceHeaderTexts(lines[i]).titleLine2) << i;
    }
}

TEST(ReadRaceHeaders, RefusesACountThatIsNoNumberOrOutOfRange) {
    struct Case {
        const char* runners;
        ErrorKind kind;
    };
    constexpr Case kCases[] = {
        {"4x", ErrorKind::Conversion},
        {"  ", ErrorKind::Conversion},
        {"51", ErrorKind::Capacity},
        {"-1", ErrorKind::Capacity},
    };
    for (const Case& c : kCases) {
        RecordLines lines{headerLine({.runners = "01"}), headerLine({.runners = c.runners})};
        try {
            readRaceHeaders(lines);
            ADD_FAILURE() << c.runners << ": read";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.runners;
            EXPECT_NE(e.message().find(" の 2行目: "), std::string::npos) << c.runners;
        }
    }
}

}  // namespace
}  // namespace zv
