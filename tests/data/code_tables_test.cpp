// The code tables: their structure (one width of codes, no code twice, texts CP932 can hold, filled
// texts that fit), a few keys of each, the default for codes outside them, and the odd codes
// (blanks, short or long codes, keys that look alike).
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "data/code_tables.h"
#include "data/record_codec.h"
#include "data/sjis.h"

namespace zv {
namespace {

struct TableCase {
    const char* code;
    const char* expected;  // UTF-8
};

constexpr TableCase kRacecourses[] = {
    {"00", "京都"}, {"04", "東京"}, {"05", "中山"}, {"40", "中(地)"}, {"44", "小林"}, {"65", "ＵＡＥ"}, {"47", ""},
    {"59", ""},     {"72", "----"}, {"99", "----"}, {"  ", "----"},   {"4", "----"},  {"", "----"},     {"004", "----"},
};

constexpr TableCase kWeekdays[] = {
    {"01", "(土)"}, {"02", "(日)"}, {"03", "(月)"}, {"04", "(火)"}, {"05", "(水)"}, {"06", "(木)"},
    {"07", "(金)"}, {"", "(祝)"},   {"1", "(祝)"},  {"00", "(祝)"}, {"08", "(祝)"}, {"  ", "(祝)"},
};

constexpr TableCase kRaceTypes[] = {
    {"0", "サラ障害"},
    {"1", "サラ2歳"},
    {"2", "サラ3歳"},
    {"3", "サラ3歳以上"},
    {"4", "サラ4歳以上"},
    {"5", "アラブ2歳"},
    {"6", "アラブ3歳"},
    {"7", "アラブ3歳以上"},
    {"8", "サラ障害3歳以上"},
    {"9", "サラ障害4歳以上"},
    {"A", "アラブ4歳以上"},
    {"B", "サラ4歳"},
    {"C", "アラブ4歳"},
    {"D", ""},
    {"a", ""},
    {" ", ""},
    {"", ""},
    {"00", ""},
};

constexpr TableCase kCoatColours[] = {
    {"01", "栗毛"}, {"04", "黒鹿毛"}, {"13", "粕"},   {"35", "黒鹿毛"}, {"00", "鹿毛"},
    {"14", "鹿毛"}, {"36", "鹿毛"},   {"  ", "鹿毛"}, {"1", "鹿毛"},
};

constexpr TableCase kHorseMarkers[] = {
    {"00", ""}, {"01", "(抽)"}, {"02", "[抽]"}, {"12", "(父)(市)(地)"}, {"27", "(父)[外]"}, {"13", ""}, {"14", ""},
    {"28", ""}, {"  ", ""},     {"1", ""},
};

constexpr TableCase kBirthplaces[] = {
    {"000", "北檜山"}, {"002", "様似  "}, {"055", "森    "}, {"112", "木古内"}, {"200", "アルジ"},
    {"228", "      "}, {"255", "ロシア"}, {"113", ""},       {"199", ""},       {"256", ""},
    {"   ", ""},       {"02", ""},        {"0002", ""},
};

constexpr TableCase kLongClassesWithoutGrade[] = {
    {"00000", "未受"}, {"00001", "新馬"},     {"00004", "オープン"}, {"00009", "オーブン，牝馬，アラブ混合"},
    {"00044", "D4"},   {"00094", "能力試験"}, {"05000", "500万"},    {"16000", "1600万"},
    {"     ", "0万"},  {"00095", "9万"},
};

constexpr TableCase kGrades[] = {
    {"0", "G1 "},  {"1", "G2 "}, {"2", "G3 "}, {"3", "JG1 "}, {"4", "JG2 "},
    {"5", "JG3 "}, {"6", ""},    {" ", ""},    {"", ""},      {"00", ""},
};
constexpr TableCase kWeightRules[] = {
    {"00", "別定"}, {"01", "馬齢"}, {"02", "ハンデ"}, {"03", "定量"}, {"90", "規定"},
    {"04", ""},     {"2", ""},      {"  ", ""},       {"", ""},
};
constexpr TableCase kShortClasses[] = {
    {"00001", "新馬"}, {"00002", "未出走"}, {"00003", "未勝利"}, {"00004", "オープン"},
    {"00000", "0万"},  {"05000", "500万"},  {"16000", "1600万"}, {"     ", "0万"},
    {"0001", "1万"},   {"", "0万"},         {"ab", "0万"},       {"00005", "0万"},
};
constexpr TableCase kSexes[] = {{"0", "牡"}, {"1", "牝"}, {"2", "セン"}, {"3", ""}, {" ", ""}, {"", ""}};
constexpr TableCase kTrainerCentres[] = {
    {"50", " (栗)"}, {"51", " (南)"}, {"52", " (北)"}, {"53", ""}, {"  ", ""}, {"", ""},
};
constexpr TableCase kGoings[] = {{"0", "良"}, {"1", "稍"}, {"2", "重"}, {"3", "不"}, {"4", ""}, {" ", ""}};
constexpr TableCase kPaces[] = {{"0", "H"}, {"1", "M"}, {"2", "S"}, {"3", ""}, {" ", ""}, {"", ""}};
constexpr TableCase kHandicaps[] = {{"02", "H"}, {"2", ""}, {"00", ""}, {"03", ""}, {"  ", ""}};
constexpr TableCase kCorners[] = {
    {"00", "　"}, {"  ", "　"}, {"31", "落"}, {"35", "除"}, {"01", "①"},  {"18", "⑱"},
    {"40", "  "}, {"41", "①"},  {"58", "⑱"},  {"59", "  "}, {"19", "  "}, {"30", "  "},
    {"36", "  "}, {"1", "  "},  {" 5", "  "}, {"", "  "},   {"ab", "  "}, {"0", "  "},
};

struct Table {
    const char* name;
    std::string (*lookup)(std::string_view);
    std::span<const TableCase> cases;
};

std::string classWithoutGrade(std::string_view code) { return raceClassLong(code, " "); }

const Table kTables[] = {
    {"racecourseName", racecourseName, kRacecourses},
    {"weekdayName", weekdayName, kWeekdays},
    {"raceTypeName", raceTypeName, kRaceTypes},
    {"gradeMark", gradeMark, kGrades},
    {"weightRuleName", weightRuleName, kWeightRules},
    {"raceClassShort", raceClassShort, kShortClasses},
    {"raceClassLong", classWithoutGrade, kLongClassesWithoutGrade},
    {"sexName", sexName, kSexes},
    {"coatColourName", coatColourName, kCoatColours},
    {"horseMarkerName", horseMarkerName, kHorseMarkers},
    {"birthplaceName", birthplaceName, kBirthplaces},
    {"trainerCentreMark", trainerCentreMark, kTrainerCentres},
    {"goingName", goingName, kGoings},
    {"paceLetter", paceLetter, kPaces},
    {"handicapMark", handicapMark, kHandicaps},
    {"cornerMark", cornerMark, kCorners},
};

TEST(CodeTables, EveryTableIsSound) {
    for (const CodeTableSource& table : codeTableSources()) {
        ASSERT_FALSE(table.entries.empty()) << table.name;
        std::set<std::string_view> codes;
        for (const CodeEntry& entry : table.entries) {
            EXPECT_TRUE(codes.insert(entry.code).second) << table.name << ": " << entry.code << " twice";
            EXPECT_EQ(entry.code.size(), table.entries[0].code.size()) << table.name << ": " << entry.code;
            EXPECT_EQ(entry.code.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string_view::npos)
                << table.name << ": " << entry.code;
            const std::optional<std::string> text = fromUtf8Exactly(entry.text);
            ASSERT_TRUE(text) << table.name << ": " << entry.code << " has a text CP932 cannot hold";
            if (table.fillWidth > 0) {
                EXPECT_LE(text->size(), static_cast<size_t>(table.fillWidth)) << table.name << ": " << entry.code;
            }
        }
        EXPECT_TRUE(fromUtf8Exactly(table.otherText)) << table.name;
    }
}

TEST(CodeTables, KeysDefaultsAndOddCodes) {
    for (const Table& table : kTables) {
        for (const TableCase& c : table.cases) {
            EXPECT_EQ(toUtf8(table.lookup(c.code)), c.expected) << table.name << "(\"" << c.code << "\")";
            EXPECT_EQ(table.lookup(c.code), sj(c.expected)) << table.name << "(\"" << c.code << "\")";
        }
    }
}

TEST(CodeTables, BirthplacesAreSixBytes) {
    for (const TableCase& c : kBirthplaces) {
        std::string name = birthplaceName(c.code);
        if (!name.empty()) {
            EXPECT_EQ(name.size(), 6u) << c.code;
        }
    }
    EXPECT_EQ(birthplaceName("002"), sj("様似") + "  ");
    EXPECT_EQ(birthplaceName("055"), sj("森") + "    ");
    EXPECT_EQ(birthplaceName("228"), "      ");
}

struct SurfaceCase {
    const char* jump;
    const char* turf;
    const char* expected;
};

TEST(CodeTables, SurfaceRule) {
    constexpr SurfaceCase kCases[] = {
        {"1", "1", "障"}, {"1", "0", "障"}, {"0", "1", "芝"}, {" ", "1", "芝"},
        {"0", "0", "ダ"}, {"", "", "ダ"},   {"2", "2", "ダ"}, {"0", " ", "ダ"},
    };
    for (const SurfaceCase& c : kCases) {
        const Surface surface = surfaceOf(codeOfText<Flag>(c.jump), codeOfText<Flag>(c.turf));
        EXPECT_EQ(surfaceName(surface), sj(c.expected)) << c.jump << c.turf;
    }
}

struct LongClassCase {
    const char* code;
    const char* grade;
    const char* expected;
};

TEST(CodeTables, OpenRaceShowsItsGrade) {
    constexpr LongClassCase kCases[] = {
        {"00004", "0", "G1"},           {"00004", "1", "G2"},
        {"00004", "2", "G3"},           {"00004", "3", "J.G1"},
        {"00004", "4", "J.G2"},         {"00004", "5", "J.G3"},
        {"00004", "6", "オープン"},     {"00004", " ", "オープン"},
        {"00004", "", "オープン"},      {"00005", "0", "オープン，牝馬"},
        {"00007", "0", "勝入オープン"}, {"00003", "0", "未勝利"},
        {"05000", "0", "500万"},        {"00009", "2", "オーブン，牝馬，アラブ混合"},
    };
    for (const LongClassCase& c : kCases) {
        EXPECT_EQ(raceClassLong(c.code, c.grade), sj(c.expected)) << c.code << " / " << c.grade;
    }
}

}  // namespace
}  // namespace zv
