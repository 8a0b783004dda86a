// The race name shortened, composed for the clipboard and placed in the day.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/error.h"
#include "data/race_name.h"
#include "data/sjis.h"
#include "data/store.h"
#include "race_header_line.h"

namespace zv {
namespace {

using fixture::Header;
using fixture::headerLine;

// A store holding the header lines, read as loading reads them.
RaceDataStore storeWith(const std::vector<Header>& headers) {
    RaceDataStore store;
    for (const Header& h : headers) store.headerLines.push_back(headerLine(h));
    store.raceCount = static_cast<int>(headers.size());
    store.headers = readRaceHeaders(store.headerLines);
    return store;
}

struct ShortenCase {
    const char* name;
    const char* expected;
};

TEST(RaceName, ShortensStockWords) {
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

TEST(RaceName, ShorteningNeverStartsOnATrailByte) {
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
        {{.racecourse = "06",
          .raceNumber = "01",
          .day = "20",
          .weekday = "01",
          .name = "",
          .grade = " ",
          .raceType = "2",
          .raceClass = "00003",
          .turf = "0",
          .distance = "1150"},
         "３歳未勝利  福島・土曜１Ｒ ダ1150ｍ"},
        {{.raceNumber = "09", .name = "", .grade = " ", .raceClass = "05000"},
         "３歳上500万下  中山・日曜９Ｒ 芝1800ｍ"},
        {{.name = "", .grade = " ", .raceType = "4", .raceClass = "10000"}, "４歳上1000万下  中山・日曜11Ｒ 芝1800ｍ"},
        {{.name = "", .grade = " ", .raceType = "1", .raceClass = "00001"}, "２歳新馬  中山・日曜11Ｒ 芝1800ｍ"},
        {{.jump = "1", .name = "", .grade = " ", .raceType = "0", .raceClass = "00004", .distance = "3200"},
         "サラ障害オープン  中山・日曜11Ｒ 障3200ｍ"},
        {{.racecourse = "12",
          .raceNumber = "10",
          .month = "05",
          .day = "05",
          .name = "かしわ記念",
          .grade = "0",
          .turf = "0",
          .distance = "1600",
          .jpn = "1"},
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
