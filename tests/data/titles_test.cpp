// Race titles built from header lines, the race-name shortening and the race name copy text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/error.h"
#include "demo/record_builder.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/titles.h"

namespace zv {
namespace {

// A race header; texts in UTF-8. The defaults describe a named open handicap on turf.
struct Header {
    const char* racecourse = "05";
    const char* raceNumber = "11";
    const char* year = "2010";
    const char* month = "03";
    const char* day = "21";
    const char* weekday = "02";
    const char* jump = "0";
    const char* name = "スプリングステークス";
    const char* grade = "1";
    const char* weightRule = "02";
    const char* raceType = "3";
    const char* raceClass = "00004";
    const char* turf = "1";
    const char* distance = "1800";
    const char* postTime = "15:45";
    const char* runners = "16";
    const char* jpn = "0";
};

std::string headerLine(const Header& h) {
    return RecordBuilder(kHeaderLineLength)
        .set(den1::racecourse_code, h.racecourse)
        .set(den1::race_number, h.raceNumber)
        .set(den1::race_year, h.year)
        .set(den1::race_month, h.month)
        .set(den1::race_day, h.day)
        .set(den1::weekday_code, h.weekday)
        .set(den1::jump_flag, h.jump)
        .set(den1::race_name, sj(h.name))
        .set(den1::grade_code, h.grade)
        .set(den1::weight_rule_code, h.weightRule)
        .set(den1::race_type_code, h.raceType)
        .set(den1::race_class_code, h.raceClass)
        .set(den1::turf_flag, h.turf)
        .set(den1::distance, h.distance)
        .set(den1::post_time, h.postTime)
        .set(den1::runner_count, h.runners)
        .set(den1::jpn_grade_flag, h.jpn)
        .line();
}

// A store holding the header lines with their titles built as loading builds them.
RaceDataStore storeWithLines(const std::vector<std::string>& lines) {
    RaceDataStore store;
    for (const std::string& line : lines) store.den1Lines.push_back(line);
    store.raceCount = static_cast<int>(lines.size());
    for (auto* texts : {&store.raceDateText, &store.runnerCountText, &store.titleLine1, &store.titleLine2,
                        &store.menuTitle, &store.gradeText, &store.raceNumberText, &store.distanceText,
                        &store.courseText, &store.jpnFlag}) {
        texts->resize(lines.size());
    }
    for (int i = 0; i < store.raceCount; ++i) {
        store.runnerCountText[i] = std::string(field(store.den1Lines[i], den1::runner_count));
        buildRaceTitles(store, store.den1Lines[i], i);
    }
    return store;
}

RaceDataStore storeWith(const std::vector<Header>& headers) {
    std::vector<std::string> lines;
    for (const Header& h : headers) lines.push_back(headerLine(h));
    return storeWithLines(lines);
}

TEST(RaceTitles, BuildsEveryTextOfARace) {
    RaceDataStore store = storeWith({Header{}});
    EXPECT_EQ(toUtf8(store.raceDateText[0]), "2010/03/21(日)");
    EXPECT_EQ(toUtf8(store.courseText[0]), "芝");
    EXPECT_EQ(store.jpnFlag[0], "0");
    EXPECT_EQ(store.distanceText[0], "1800");
    EXPECT_EQ(store.raceNumberText[0], "11");
    EXPECT_EQ(toUtf8(store.gradeText[0]), "G2");
    EXPECT_EQ(toUtf8(store.titleLine1[0]), "2010/03/21(日) 発走15:45 16頭  芝1800M");
    EXPECT_EQ(toUtf8(store.titleLine2[0]), "中山11R サラ3歳以上 オープン ハンデ スプリングＳ G2 ");
    EXPECT_EQ(toUtf8(store.menuTitle[0]), "中山11R サラ3歳以上 オープン スプリングステークス G2 ");
}

struct TitleCase {
    Header header;
    const char* gradeText;
    const char* titleLine2;
    const char* menuTitle;
};

TEST(RaceTitles, GradeSuffixes) {
    const TitleCase kCases[] = {
        {{.name = "皐月賞", .grade = "0", .weightRule = "03", .raceType = "2"},
         "G1", "中山11R サラ3歳 オープン 定量 皐月賞 G1 ", "中山11R サラ3歳 オープン 皐月賞 G1 "},
        {{.name = "スプリングステークス", .grade = "2"},
         "G3", "中山11R サラ3歳以上 オープン ハンデ スプリングＳ G3 ",
         "中山11R サラ3歳以上 オープン スプリングステークス G3 "},
        {{.racecourse = "10", .name = "帝王賞", .grade = "0", .jpn = "1"},
         "Jpn(G1)", "大井11R サラ3歳以上 オープン ハンデ 帝王賞 Jpn(G1) ",
         "大井11R サラ3歳以上 オープン 帝王賞 Jpn(G1) "},
        {{.name = "かしわ記念", .grade = "1", .jpn = "1"},
         "Jpn(G2)", "中山11R サラ3歳以上 オープン ハンデ かしわ記念 Jpn(G2) ",
         "中山11R サラ3歳以上 オープン かしわ記念 Jpn(G2) "},
        {{.name = "東京盃", .grade = "2", .jpn = "1"},
         "Jpn(G3)", "中山11R サラ3歳以上 オープン ハンデ 東京盃 Jpn(G3) ",
         "中山11R サラ3歳以上 オープン 東京盃 Jpn(G3) "},
        // Jump grades and ungraded races show the class instead, with no suffix.
        {{.jump = "1", .name = "中山大障害", .grade = "3", .weightRule = "01", .raceType = "8"},
         "オープン", "中山11R サラ障害3歳以上 オープン 馬齢 中山大障害 ", "中山11R サラ障害3歳以上 オープン 中山大障害 "},
        {{.name = "東京ハイジャンプ", .grade = "4", .raceType = "9"},
         "オープン", "中山11R サラ障害4歳以上 オープン ハンデ 東京ハイジャンプ ",
         "中山11R サラ障害4歳以上 オープン 東京ハイジャンプ "},
        {{.name = "小倉サマージャンプ", .grade = "5", .jpn = "1"},
         "オープン", "中山11R サラ3歳以上 オープン ハンデ 小倉サマージャンプ ",
         "中山11R サラ3歳以上 オープン 小倉サマージャンプ "},
        {{.name = "早春ステークス", .grade = " ", .raceClass = "16000"},
         "1600万", "中山11R サラ3歳以上 1600万 ハンデ 早春Ｓ ", "中山11R サラ3歳以上 1600万 早春ステークス "},
        {{.racecourse = "04", .raceNumber = "10", .name = "ジャパンカップ", .grade = "0", .weightRule = "03"},
         "G1", "東京10R サラ3歳以上 オープン 定量 ジャパンＣ G1 ", "東京10R サラ3歳以上 オープン ジャパンカップ G1 "},
        // A race without a name keeps both blanks around the missing piece.
        {{.raceNumber = "01", .name = "", .grade = " ", .weightRule = "01", .raceType = "2", .raceClass = "00003"},
         "未勝利", "中山01R サラ3歳 未勝利 馬齢  ", "中山01R サラ3歳 未勝利  "},
        // Blanks around a name go; a full-width blank inside it stays.
        {{.name = "  春　特別 ", .grade = " ", .weightRule = "99", .raceClass = "05000"},
         "500万", "中山11R サラ3歳以上 500万  春　特別 ", "中山11R サラ3歳以上 500万 春　特別 "},
    };
    for (const TitleCase& c : kCases) {
        RaceDataStore store = storeWith({c.header});
        EXPECT_EQ(toUtf8(store.gradeText[0]), c.gradeText) << c.header.name;
        EXPECT_EQ(toUtf8(store.titleLine2[0]), c.titleLine2) << c.header.name;
        EXPECT_EQ(toUtf8(store.menuTitle[0]), c.menuTitle) << c.header.name;
    }
}

TEST(RaceTitles, BadDigitsDoNotStopTheTitles) {
    RaceDataStore store = storeWith({{.raceNumber = "x1", .year = "20a0", .month = "  ", .weekday = "99",
                                      .distance = "abcd", .runners = "?"}});
    EXPECT_EQ(toUtf8(store.titleLine1[0]), "20a0/  /21(祝) 発走15:45 ? 頭  芝abcdM");
    EXPECT_EQ(toUtf8(store.menuTitle[0]), "中山x1R サラ3歳以上 オープン スプリングステークス G2 ");
}

TEST(RaceTitles, ShortLineGivesShortTexts) {
    RaceDataStore store = storeWithLines({"05"});
    EXPECT_EQ(toUtf8(store.titleLine1[0]), "//(祝) 発走 頭  ダM");
    EXPECT_EQ(toUtf8(store.titleLine2[0]), "中山R  0万   ");
    EXPECT_EQ(toUtf8(store.menuTitle[0]), "中山R  0万  ");
}

struct ShortenCase {
    const char* name;
    const char* expected;
};

TEST(RaceTitles, ShortensStockWords) {
    constexpr ShortenCase kCases[] = {
        {"", ""},
        {"皐月賞", "皐月賞"},
        {"スプリングステークス", "スプリングＳ"},
        {"ジャパンカップ", "ジャパンＣ"},
        {"ロイヤルカップ", "ＲＣ"},
        {"阪神ジュベナイルＦ", "阪神ＪＦ"},
        {"阪神ジュベナイルフィリーズ", "阪神ジュベナイルフィリーズ"},
        {"チャンピオンＳ", "ＣＳ"},
        {"チャンピオンステークス", "チャンピオンＳ"},  // ステークス is shortened after チャンピオンＳ
        {"チャレンジカップ", "ＣＣ"},
        {"レーシングプログラム", "Ｒプログラム"},
        {"セントウルステークス", "セントウルＳ"},
        {"京王杯トロフィー", "京王杯Ｔ"},
        {"カップカップ", "ＣＣ"},
    };
    for (const ShortenCase& c : kCases) EXPECT_EQ(shortenRaceName(sj(c.name)), sj(c.expected)) << c.name;
}

TEST(RaceTitles, ShorteningNeverStartsOnATrailByte) {
    // 0x89 0x83 is one character; byte-wise, its trail byte 0x83 and the "J" after it would read
    // as カ (0x83 0x4A) and the text would hold カップ.
    std::string name = std::string("\x89\x83") + "J" + sj("ップ");
    EXPECT_EQ(shortenRaceName(name), name);
    std::string before = std::string("\x89\x83") + sj("カップ");
    EXPECT_EQ(shortenRaceName(before), std::string("\x89\x83") + sj("Ｃ"));
}

struct CopyCase {
    Header header;
    const char* expected;
};

TEST(RaceNameCopy, ComposesTheName) {
    const CopyCase kCases[] = {
        {{}, "スプリングＳ（Ｇ２）  中山・日曜11Ｒ 芝1800ｍ"},
        {{.racecourse = "06", .raceNumber = "01", .day = "20", .weekday = "01", .name = "", .grade = " ",
          .raceType = "2", .raceClass = "00003", .turf = "0", .distance = "1150"},
         "３歳未勝利  福島・土曜１Ｒ ダ1150ｍ"},
        {{.raceNumber = "09", .name = "", .grade = " ", .raceClass = "05000"}, "３歳上500万下  中山・日曜９Ｒ 芝1800ｍ"},
        {{.name = "", .grade = " ", .raceType = "4", .raceClass = "10000"}, "４歳上1000万下  中山・日曜11Ｒ 芝1800ｍ"},
        {{.name = "", .grade = " ", .raceType = "1", .raceClass = "00001"}, "２歳新馬  中山・日曜11Ｒ 芝1800ｍ"},
        {{.jump = "1", .name = "", .grade = " ", .raceType = "0", .raceClass = "00004", .distance = "3200"},
         "サラ障害オープン  中山・日曜11Ｒ 障3200ｍ"},
        {{.racecourse = "12", .raceNumber = "10", .month = "05", .day = "05", .name = "かしわ記念", .grade = "0",
          .turf = "0", .distance = "1600", .jpn = "1"},
         "かしわ記念（Jpn（Ｇ１）)   船橋・水曜10Ｒ ダ1600ｍ"},
        {{.day = "20", .jump = "1", .name = "中山大障害", .grade = "3", .distance = "4100"},
         "中山大障害（ＪＧ１）  中山・土曜11Ｒ 障4100ｍ"},
        {{.name = "早春ステークス", .grade = " "}, "早春Ｓ  中山・日曜11Ｒ 芝1800ｍ"},
        // The weekday comes from the calendar, not from the weekday code.
        {{.raceNumber = "12", .month = "03", .day = "22", .weekday = "08", .name = "春分特別", .grade = " "},
         "春分特別  中山・月曜12Ｒ 芝1800ｍ"},
    };
    for (const CopyCase& c : kCases) {
        RaceDataStore store = storeWith({c.header});
        EXPECT_EQ(toUtf8(raceNameCopyText(store, 0)), c.expected);
    }
}

TEST(RaceNameCopy, PicksTheRaceByIndex) {
    RaceDataStore store = storeWith({{.raceNumber = "01", .name = "一"}, {.raceNumber = "02", .name = "二"}});
    EXPECT_EQ(toUtf8(raceNameCopyText(store, 1)), "二（Ｇ２）  中山・日曜２Ｒ 芝1800ｍ");
}

struct BadCopyCase {
    Header header;
    const char* why;
};

TEST(RaceNameCopy, RefusesABadDateOrRaceNumber) {
    const BadCopyCase kCases[] = {
        {{.month = "02", .day = "30"}, "no such day"},
        {{.month = "13"}, "no such month"},
        {{.day = "00"}, "day zero"},
        {{.year = "0000"}, "year zero"},
        {{.year = "20x0"}, "year not digits"},
        {{.raceNumber = "ab"}, "race number not digits"},
        {{.raceNumber = "  "}, "race number blank"},
    };
    for (const BadCopyCase& c : kCases) {
        RaceDataStore store = storeWith({c.header});
        try {
            raceNameCopyText(store, 0);
            ADD_FAILURE() << c.why << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion) << c.why;
        }
    }
}

TEST(RaceNameCopy, RefusesARaceOutOfRange) {
    RaceDataStore store = storeWith({Header{}});
    EXPECT_THROW(raceNameCopyText(store, 1), Error);
    EXPECT_THROW(raceNameCopyText(store, -1), Error);
}

TEST(RacePlace, NamesTheRacecourseAndNumberAndCountsTheRacesFromOne) {
    RaceDataStore store = storeWith({{.raceNumber = "01", .name = "一"}, {.raceNumber = "11", .name = "二"}});
    EXPECT_EQ(toUtf8(racePlaceText(store, 0)), "中山01R (1/2)");
    EXPECT_EQ(toUtf8(racePlaceText(store, 1)), "中山11R (2/2)");
}

}  // namespace
}  // namespace zv
