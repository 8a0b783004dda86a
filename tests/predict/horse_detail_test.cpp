#include "predict/horse_detail.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "data/error.h"
#include "data/record_builder.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "support/past_race_record.h"

namespace zv {
namespace {

using PastRace = fixture::PastRaceRecord;
using fixture::setPastRaceRecord;

void setCounters(RecordBuilder& b, int group, std::array<int, 4> counts) {
    for (int c = 0; c < 4; ++c) b.setNumber(horse_line::recordCounter(group, c), counts[c]);
}

// A horse with a full profile and two past races (groups 0 and 1); groups 2 to 4 are blank.
RecordBuilder profileHorse() {
    RecordBuilder b(kHorseLineLength);
    b.set(horse_line::horse_name, sj("テストホース"))
        .set(horse_line::coat_colour_code, "03")
        .set(horse_line::birthplace_code, "002")
        .set(horse_line::horse_marker_code, "01")
        .set(horse_line::sire_name, sj("チチウマ"))
        .set(horse_line::dam_name, sj("ハハウマ"))
        .set(horse_line::dam_sire_name, sj("ハハチチ"))
        .set(horse_line::dam_dam_name, sj("ハハハハ"))
        .set(horse_line::owner_name, sj("馬主太郎"))
        .set(horse_line::breeder_name, sj("牧場"))
        .set(horse_line::trainer_name, sj("調教師"))
        .set(horse_line::trainer_centre_code, "50")
        .setNumber(horse_line::main_prize, 12345678)
        .setNumber(horse_line::total_prize_part1, 20000000)
        .setNumber(horse_line::total_prize_part2, 5000000)
        .setNumber(horse_line::record_firsts, 3)
        .setNumber(horse_line::record_seconds, 1)
        .setNumber(horse_line::record_thirds, 0)
        .setNumber(horse_line::record_unplaced, 5);
    for (int g = 0; g < horse_line::kRecordGroups; ++g) setCounters(b, g, {0, 0, 0, 0});
    setCounters(b, horse_line::kGroupRunningStyle, {1, 0, 2, 0});
    setCounters(b, horse_line::kGroupTurfRight, {1, 2, 3, 4});
    setCounters(b, horse_line::kGroupTurfLeft, {10, 0, 1, 12});
    setCounters(b, horse_line::kGroupTurfHeavyA, {1, 1, 0, 0});
    setCounters(b, horse_line::kGroupTurfHeavyB, {0, 1, 1, 0});
    setCounters(b, horse_line::kGroupTurfDistance + 7, {0, 0, 0, 9});
    setCounters(b, horse_line::kGroupDirtDistance, {2, 0, 0, 0});
    setPastRaceRecord(b, 0, PastRace{});
    PastRace older;
    older.racecourse = "04";
    older.finish = "01";
    older.margin = "003";
    older.classCode = "00004";
    older.grade = "0";
    setPastRaceRecord(b, 1, older);
    return b;
}

const std::string kSexAgeCoat = sj("牡4   鹿毛  ");

HorseDetail detailOf(const std::string& horseLine) {
    return buildHorseDetail(kSexAgeCoat, decodeHorseRecord(Cp932View(horseLine)));
}

TEST(HorseDetail, FieldsShowTheProfileAndRecord) {
    HorseDetail d = detailOf(profileHorse().line());
    struct Case {
        DetailField field;
        const char* text;
    };
    using F = DetailField;
    const Case cases[] = {
        {F::SexAgeCoat, "牡4   鹿毛  "},
        {F::HorseMarker, "(抽)"},
        {F::Birthplace, "様似  "},
        {F::Breeder, "牧場"},
        {F::Owner, "馬主太郎"},
        {F::Trainer, "調教師 (栗)"},
        {F::Sire, "チチウマ"},
        {F::Dam, "ハハウマ"},
        {F::DamSire, "ハハチチ"},
        {F::DamDam, "ハハハハ"},
        {F::TotalPrize, "2500万円"},
        {F::MainPrize, "1234万円"},
        {F::CareerRecord, "  3  1  0  5"},
        {F::TurfRecord, " 11  2  4 16"},
        {F::DirtRecord, "  0  0  0  0"},
        {F::TurfHeavyRecord, "  1  2  1  0"},
        {F::TurfRightRecord, "  1  2  3  4"},
        {F::TurfLeftRecord, " 10  0  1 12"},
        {F::StraightRecord, "  0  0  0  0"},
        {F::TurfOver2200m, "  0  0  0  9"},
        {F::DirtTo1000m, "  2  0  0  0"},
        {F::RunningStyle, "逃1 先0 差2 追0"},
    };
    for (const Case& c : cases) EXPECT_EQ(toUtf8(d.text(c.field)), c.text) << detailField(c.field).name;
}

TEST(HorseDetail, EveryFieldHasOneEnglishNameAndACaption) {
    std::set<std::string_view> names;
    for (size_t i = 0; i < kDetailFieldCount; ++i) {
        const DetailFieldName& f = detailFields()[i];
        EXPECT_EQ(static_cast<size_t>(f.field), i);
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        EXPECT_FALSE(f.caption.empty()) << f.name;
        EXPECT_TRUE(std::all_of(f.name.begin(), f.name.end(), [](char c) { return std::isalnum(uint8_t(c)); }))
            << f.name;
    }
    EXPECT_EQ(detailField(DetailField::MainPrize).caption, "本賞金");
    EXPECT_EQ(detailField(DetailField::RunningStyle).name, "runningStyle");
}

TEST(HorseDetail, PrizeMoneyIsShownInTenThousandYenAndSummedIn64Bits) {
    struct Case {
        int64_t part1, part2;
        const char* total;
    };
    const Case cases[] = {
        {9999, 0, "0万円"},
        {0, 0, "0万円"},
        {12345678, 0, "1234万円"},
        {5000, 5000, "1万円"},
        {2000000000, 2000000000, "400000万円"},
        {2147483647, 2147483647, "429496万円"},
    };
    for (const Case& c : cases) {
        RecordBuilder b = profileHorse();
        b.setNumber(horse_line::total_prize_part1, c.part1).setNumber(horse_line::total_prize_part2, c.part2);
        EXPECT_EQ(toUtf8(detailOf(b.line()).text(DetailField::TotalPrize)), c.total) << c.part1;
    }
}

TEST(HorseDetail, BadPrizeOrRunningStyleRaisesConversionErrorNamingTheField) {
    struct Case {
        FieldDef field;
        const char* text;
    };
    const Case cases[] = {
        {horse_line::main_prize, "          "},  {horse_line::total_prize_part1, "2147483648"},
        {horse_line::total_prize_part2, "12a4"}, {horse_line::style_front_runner, "  "},
        {horse_line::style_closer, "x1"},
    };
    for (const Case& c : cases) {
        RecordBuilder b = profileHorse();
        b.set(c.field, c.text);
        try {
            detailOf(b.line());
            ADD_FAILURE() << c.field.name << " accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
            EXPECT_EQ(e.field(), c.field.name);
        }
    }
}

TEST(HorseDetail, GridHasHeadingsAndTheLastRaceAtTheBottom) {
    HorseDetail d = detailOf(profileHorse().line());
    EXPECT_EQ(toUtf8(d.grid[0][1]), "開催日");
    EXPECT_EQ(toUtf8(d.grid[0][13]), "体重　");
    EXPECT_EQ(toUtf8(d.grid[0][16]), "1（2）着馬");
    EXPECT_EQ(d.grid[0][0], "");
    EXPECT_EQ(toUtf8(d.grid[1][0]), "5走前");
    EXPECT_EQ(toUtf8(d.grid[5][0]), "1走前");

    const char* lastRace[] = {"1走前", "中山08/05/25", "      ", "500万",    "芝1600M良", "1.34.5",
                              "16頭",  " 3人",         " 2着",   "ヨコヤマ", "56.0",      "M35.2-34.8",
                              "③③②①",  "480k",         " 7番",   "0.3",      "ライバル"};
    for (int c = 0; c < kDetailGridColumns; ++c) EXPECT_EQ(toUtf8(d.grid[5][c]), lastRace[c]) << "column " << c;
    EXPECT_EQ(toUtf8(d.grid[4][1]), "東京08/05/25");
    EXPECT_EQ(toUtf8(d.grid[4][3]), "G1");
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c < kDetailGridColumns; ++c) EXPECT_EQ(d.grid[r][c], "") << r << "," << c;
    }
}

// One past race changed from the default, and what its row shows.
struct RowCase {
    const char* what;
    PastRace race;
    int column;
    const char* cell;
    PastRowState state;
};

PastRace with(void (*change)(PastRace&)) {
    PastRace p;
    change(p);
    return p;
}

TEST(HorseDetail, PastRaceCellsAndRowStates) {
    const RowCase cases[] = {
        {"winner's margin to the second is negative", with([](PastRace& p) { p.finish = "01"; }), 15, "-0.3",
         PastRowState::Central},
        {"no margin", with([](PastRace& p) { p.margin = "998"; }), 15, "0.0", PastRowState::Central},
        {"long margin", with([](PastRace& p) { p.margin = "125"; }), 15, "12.5", PastRowState::Central},
        {"scratched", with([](PastRace& p) {
             p.finish = "34";
             p.time = "    ";
         }),
         8, "取消", PastRowState::NoTime},
        {"no time, no margin", with([](PastRace& p) { p.time = "    "; }), 15, "", PastRowState::NoTime},
        {"fell", with([](PastRace& p) { p.finish = "31"; }), 8, "落馬", PastRowState::Central},
        {"excluded popularity", with([](PastRace& p) { p.popularity = "35"; }), 7, "除外", PastRowState::Central},
        {"no popularity", with([](PastRace& p) { p.popularity = "  "; }), 7, "", PastRowState::Central},
        {"no field size", with([](PastRace& p) { p.fieldSize = "00"; }), 6, "", PastRowState::Central},
        {"local racecourse", with([](PastRace& p) { p.racecourse = "10"; }), 1, "大井08/05/25",
         PastRowState::NotCentral},
        {"local racecourse without time", with([](PastRace& p) {
             p.racecourse = "10";
             p.time = "    ";
         }),
         5, "", PastRowState::NotCentral},
        {"steeplechase", with([](PastRace& p) {
             p.jump = "1";
             p.distance = "3000";
         }),
         4, "障3000M良", PastRowState::Steeplechase},
        {"dirt, heavy going", with([](PastRace& p) {
             p.turf = "0";
             p.going = "2";
         }),
         4, "ダ1600M重", PastRowState::Central},
        {"race under a minute", with([](PastRace& p) { p.time = "0583"; }), 5, "0.58.3", PastRowState::Central},
        {"blank class code", with([](PastRace& p) { p.classCode = "     "; }), 3, "", PastRowState::Central},
        {"open race with grade 3", with([](PastRace& p) {
             p.classCode = "00004";
             p.grade = "2";
         }),
         3, "G3", PastRowState::Central},
        {"handicap", with([](PastRace& p) { p.weightRule = "02"; }), 10, "H56.0", PastRowState::Central},
        {"no weight", with([](PastRace& p) {
             p.weightRule = "02";
             p.weight = "   ";
         }),
         10, "", PastRowState::Central},
        {"no early time", with([](PastRace& p) { p.first3f = "   "; }), 11, "M34.8", PastRowState::Central},
        {"no furlong times, no pace", with([](PastRace& p) {
             p.first3f = "   ";
             p.last3f = "   ";
             p.pace = " ";
         }),
         11, "", PastRowState::Central},
        {"corner codes", with([](PastRace& p) {
             p.corners[0] = "45";
             p.corners[1] = "00";
             p.corners[2] = "40";
         }),
         12, "⑤　  ①", PastRowState::Central},
        {"no body weight", with([](PastRace& p) { p.bodyWeight = "   "; }), 13, "", PastRowState::Central},
        {"no horse number", with([](PastRace& p) { p.horseNumber = "  "; }), 14, "", PastRowState::Central},
        {"race short name kept as stored", with([](PastRace& p) { p.shortName = "皐月賞"; }), 2, "皐月賞",
         PastRowState::Central},
    };
    for (const RowCase& c : cases) {
        RecordBuilder b = profileHorse();
        setPastRaceRecord(b, 0, c.race);
        HorseDetail d = detailOf(b.line());
        EXPECT_EQ(toUtf8(d.grid[5][c.column]), c.cell) << c.what;
        EXPECT_EQ(d.rowState[5], c.state) << c.what;
    }
}

TEST(HorseDetail, UnknownRacecourseLeavesTheRowEmpty) {
    RecordBuilder b = profileHorse();
    PastRace noRace;
    noRace.racecourse = "80";
    setPastRaceRecord(b, 1, noRace);
    HorseDetail d = detailOf(b.line());
    for (int c = 1; c < kDetailGridColumns; ++c) EXPECT_EQ(d.grid[4][c], "") << c;
    EXPECT_EQ(d.rowState[4], PastRowState::Central);
    EXPECT_EQ(toUtf8(d.grid[4][0]), "2走前");
}

TEST(HorseDetail, ShortHorseLineGivesEmptyTextsWithoutFailingOnLenientFields) {
    RecordBuilder b(680);
    b.setNumber(horse_line::main_prize, 0)
        .setNumber(horse_line::total_prize_part1, 0)
        .setNumber(horse_line::total_prize_part2, 0);
    setCounters(b, horse_line::kGroupRunningStyle, {0, 0, 0, 0});
    HorseDetail d = detailOf(b.line());
    EXPECT_EQ(toUtf8(d.text(DetailField::TotalPrize)), "0万円");
    EXPECT_EQ(d.text(DetailField::Sire), "");
    EXPECT_EQ(d.text(DetailField::DirtOver2200m), "  0  0  0  0");
    for (int r = 1; r < kDetailGridRows; ++r) EXPECT_EQ(d.grid[r][1], "");
}

TEST(HorseDetailPaint, RowStateColoursAndCellAlignment) {
    EXPECT_EQ(pastRowTextColour(PastRowState::Central), std::nullopt);
    EXPECT_EQ(pastRowTextColour(PastRowState::NotCentral), 0x800000u);
    EXPECT_EQ(pastRowTextColour(PastRowState::NoTime), 0x808080u);
    EXPECT_EQ(pastRowTextColour(PastRowState::Steeplechase), std::nullopt);

    struct Case {
        int row, column;
        DetailCellAlignment alignment;
    };
    const Case cases[] = {
        {0, 5, DetailCellAlignment::Centre}, {3, 0, DetailCellAlignment::Centre}, {1, 1, DetailCellAlignment::Left},
        {1, 4, DetailCellAlignment::Left},   {1, 5, DetailCellAlignment::Right},  {5, 8, DetailCellAlignment::Right},
        {2, 9, DetailCellAlignment::Left},   {2, 10, DetailCellAlignment::Right}, {5, 15, DetailCellAlignment::Right},
        {5, 16, DetailCellAlignment::Left},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detailCellAlignment(c.row, c.column), c.alignment) << c.row << "," << c.column;
}

TEST(HorseDetail, StoreRunnerIsFoundThroughTheRaceAndRejectedOutOfRange) {
    RaceDataStore store;
    store.raceCount = 2;
    store.headers.resize(2);
    store.headers[0].runnerCount = 1;
    store.headers[1].runnerCount = 2;
    store.headers[1].firstRunner = 1;
    RecordBuilder runner(kRunnerLineLength);
    runner.set(runner_line::sex_code, "1").set(runner_line::age, "03");
    store.runnerLines = {runner.line(), runner.line(), runner.line()};
    RecordBuilder other = profileHorse();
    other.set(horse_line::owner_name, sj("別の馬主"));
    store.horseLines = {profileHorse().line(), profileHorse().line(), other.line()};

    HorseDetail d = buildHorseDetail(store, 1, 1);
    EXPECT_EQ(toUtf8(d.text(DetailField::Owner)), "別の馬主");
    EXPECT_EQ(toUtf8(d.text(DetailField::SexAgeCoat)), "牝3   鹿毛  ");
    EXPECT_THROW(buildHorseDetail(store, 1, 2), Error);
    EXPECT_THROW(buildHorseDetail(store, 2, 0), Error);
    EXPECT_THROW(buildHorseDetail(store, 0, -1), Error);
}

}  // namespace
}  // namespace zv
