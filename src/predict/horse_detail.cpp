#include "horse_detail.h"

#include <cstdint>

#include "data/code_tables.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/text_fill.h"
#include "detail_past_races.h"
#include "grid_cells.h"

namespace zv {
namespace {

using Counters = std::array<int, 4>;  // wins, seconds, thirds, fourth or worse

Counters recordGroup(const HorseRecord& h, int group) {
    Counters c{};
    for (size_t i = 0; i < 4; ++i) c[i] = static_cast<int>(h.recordTable[static_cast<size_t>(group)][i].value);
    return c;
}

Counters sum(const Counters& a, const Counters& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2], a[3] + b[3]}; }

// Four counters, each right-justified in 3 bytes, so the labels line up in a fixed-pitch font.
std::string recordText(const Counters& c) {
    std::string text;
    for (int n : c) text += padLeft(std::to_string(n), 3);
    return text;
}

// An amount in yen in units of 10,000 yen ("1234万円"); below 10,000 yen "0万円". The amounts are
// added in 64 bits: two large prize fields together exceed the 32-bit range.
std::string tenThousandYen(int64_t yen) {
    static const std::string unit = sj("万円");
    std::string units = dropLast(std::to_string(yen), 4);
    return (units.empty() ? "0" : units) + unit;
}

std::string runningStyleText(const HorseRecord& h) {
    const auto& style = h.recordTable[horse_line::kGroupRunningStyle];
    auto count = [&](size_t c, const FieldDef& f) { return std::to_string(strictNumber(h, style[c], f.name)); };
    std::string front = count(0, horse_line::style_front_runner), stalker = count(1, horse_line::style_stalker);
    std::string midPack = count(2, horse_line::style_mid_pack), closer = count(3, horse_line::style_closer);
    return sj("逃") + front + sj(" 先") + stalker + sj(" 差") + midPack + sj(" 追") + closer;
}

struct RecordGroups {
    DetailField field;
    int groupA;
    int groupB;  // -1: the field shows group A alone
};

// Records from the record table (the career record comes from its own fields).
constexpr RecordGroups kRecordGroups[] = {
    {DetailField::TurfRecord, horse_line::kGroupTurfRight, horse_line::kGroupTurfLeft},
    {DetailField::DirtRecord, horse_line::kGroupDirtRight, horse_line::kGroupDirtLeft},
    {DetailField::TurfHeavyRecord, horse_line::kGroupTurfHeavyA, horse_line::kGroupTurfHeavyB},
    {DetailField::DirtHeavyRecord, horse_line::kGroupDirtHeavyA, horse_line::kGroupDirtHeavyB},
    {DetailField::TurfRightRecord, horse_line::kGroupTurfRight, -1},
    {DetailField::TurfLeftRecord, horse_line::kGroupTurfLeft, -1},
    {DetailField::DirtRightRecord, horse_line::kGroupDirtRight, -1},
    {DetailField::DirtLeftRecord, horse_line::kGroupDirtLeft, -1},
    {DetailField::StraightRecord, horse_line::kGroupStraight, -1},
    {DetailField::TurfTo1000m, horse_line::kGroupTurfDistance + 0, -1},
    {DetailField::TurfTo1200m, horse_line::kGroupTurfDistance + 1, -1},
    {DetailField::TurfTo1400m, horse_line::kGroupTurfDistance + 2, -1},
    {DetailField::TurfTo1600m, horse_line::kGroupTurfDistance + 3, -1},
    {DetailField::TurfTo1800m, horse_line::kGroupTurfDistance + 4, -1},
    {DetailField::TurfTo2000m, horse_line::kGroupTurfDistance + 5, -1},
    {DetailField::TurfTo2200m, horse_line::kGroupTurfDistance + 6, -1},
    {DetailField::TurfOver2200m, horse_line::kGroupTurfDistance + 7, -1},
    {DetailField::DirtTo1000m, horse_line::kGroupDirtDistance + 0, -1},
    {DetailField::DirtTo1200m, horse_line::kGroupDirtDistance + 1, -1},
    {DetailField::DirtTo1400m, horse_line::kGroupDirtDistance + 2, -1},
    {DetailField::DirtTo1600m, horse_line::kGroupDirtDistance + 3, -1},
    {DetailField::DirtTo1800m, horse_line::kGroupDirtDistance + 4, -1},
    {DetailField::DirtTo2000m, horse_line::kGroupDirtDistance + 5, -1},
    {DetailField::DirtTo2200m, horse_line::kGroupDirtDistance + 6, -1},
    {DetailField::DirtOver2200m, horse_line::kGroupDirtDistance + 7, -1},
};

constexpr DetailFieldName kFields[] = {
    {DetailField::SexAgeCoat, "sexAgeCoat", "性齢・毛色"},
    {DetailField::HorseMarker, "horseMarker", "馬記号"},
    {DetailField::Birthplace, "birthplace", "産地"},
    {DetailField::Breeder, "breeder", "生産者"},
    {DetailField::Owner, "owner", "馬主"},
    {DetailField::Trainer, "trainer", "調教師"},
    {DetailField::Sire, "sire", "父"},
    {DetailField::Dam, "dam", "母"},
    {DetailField::DamSire, "damSire", "母父"},
    {DetailField::DamDam, "damDam", "母母"},
    {DetailField::TotalPrize, "totalPrize", "総賞金"},
    {DetailField::MainPrize, "mainPrize", "本賞金"},
    {DetailField::CareerRecord, "careerRecord", "全成績"},
    {DetailField::TurfRecord, "turfRecord", "全芝"},
    {DetailField::DirtRecord, "dirtRecord", "全ダート"},
    {DetailField::TurfHeavyRecord, "turfHeavyRecord", "芝重"},
    {DetailField::DirtHeavyRecord, "dirtHeavyRecord", "ダート重"},
    {DetailField::TurfRightRecord, "turfRightRecord", "芝右回り"},
    {DetailField::TurfLeftRecord, "turfLeftRecord", "芝左回り"},
    {DetailField::DirtRightRecord, "dirtRightRecord", "ダート右回り"},
    {DetailField::DirtLeftRecord, "dirtLeftRecord", "ダート左回り"},
    {DetailField::StraightRecord, "straightRecord", "直線成績"},
    {DetailField::TurfTo1000m, "turfTo1000m", "芝～1000m"},
    {DetailField::TurfTo1200m, "turfTo1200m", "芝～1200m"},
    {DetailField::TurfTo1400m, "turfTo1400m", "芝～1400m"},
    {DetailField::TurfTo1600m, "turfTo1600m", "芝～1600m"},
    {DetailField::TurfTo1800m, "turfTo1800m", "芝～1800m"},
    {DetailField::TurfTo2000m, "turfTo2000m", "芝～2000m"},
    {DetailField::TurfTo2200m, "turfTo2200m", "芝～2200m"},
    {DetailField::TurfOver2200m, "turfOver2200m", "芝2201m～"},
    {DetailField::DirtTo1000m, "dirtTo1000m", "ダ～1000m"},
    {DetailField::DirtTo1200m, "dirtTo1200m", "ダ～1200m"},
    {DetailField::DirtTo1400m, "dirtTo1400m", "ダ～1400m"},
    {DetailField::DirtTo1600m, "dirtTo1600m", "ダ～1600m"},
    {DetailField::DirtTo1800m, "dirtTo1800m", "ダ～1800m"},
    {DetailField::DirtTo2000m, "dirtTo2000m", "ダ～2000m"},
    {DetailField::DirtTo2200m, "dirtTo2200m", "ダ～2200m"},
    {DetailField::DirtOver2200m, "dirtOver2200m", "ダ2201m～"},
    {DetailField::RunningStyle, "runningStyle", "連対脚質"},
};
static_assert(std::size(kFields) == kDetailFieldCount);

}  // namespace

std::span<const DetailFieldName, kDetailFieldCount> detailFields() { return kFields; }

const DetailFieldName& detailField(DetailField field) { return kFields[static_cast<size_t>(field)]; }

HorseDetail buildHorseDetail(std::string_view sexAgeCoat, const HorseRecord& h) {
    // The strict conversions come first, so a bad field leaves nothing half built.
    int64_t totalPrize = int64_t{strictNumber(h, h.totalPrizePart1, horse_line::total_prize_part1.name)} +
                         strictNumber(h, h.totalPrizePart2, horse_line::total_prize_part2.name);
    int64_t mainPrize = strictNumber(h, h.mainPrize, horse_line::main_prize.name);
    std::string runningStyle = runningStyleText(h);

    HorseDetail d;
    auto set = [&](DetailField f, std::string text) { d.texts[static_cast<size_t>(f)] = std::move(text); };
    set(DetailField::SexAgeCoat, std::string(sexAgeCoat));
    set(DetailField::HorseMarker, horseMarkerName(codeKey(h, h.marker)));
    set(DetailField::Birthplace, birthplaceName(codeKey(h, h.birthplace)));
    set(DetailField::Breeder, storedText(h, h.breederName));
    set(DetailField::Owner, storedText(h, h.ownerName));
    set(DetailField::Trainer, storedText(h, h.trainerName) + trainerCentreMark(codeKey(h, h.trainerCentre)));
    set(DetailField::Sire, storedText(h, h.sireName));
    set(DetailField::Dam, storedText(h, h.damName));
    set(DetailField::DamSire, storedText(h, h.damSireName));
    set(DetailField::DamDam, storedText(h, h.damDamName));
    set(DetailField::TotalPrize, tenThousandYen(totalPrize));
    set(DetailField::MainPrize, tenThousandYen(mainPrize));

    Counters career{};
    for (size_t i = 0; i < 4; ++i) career[i] = static_cast<int>(h.record[i].value);
    set(DetailField::CareerRecord, recordText(career));
    for (const RecordGroups& r : kRecordGroups) {
        Counters c = recordGroup(h, r.groupA);
        if (r.groupB >= 0) c = sum(c, recordGroup(h, r.groupB));
        set(r.field, recordText(c));
    }
    set(DetailField::RunningStyle, runningStyle);

    fillPastRaceGrid(h, d);
    return d;
}

HorseDetail buildHorseDetail(const RaceDataStore& store, int race, int runner) {
    if (race < 0 || race >= store.raceCount) {
        throw Error(ErrorKind::Format, "レース番号が範囲外です: " + std::to_string(race));
    }
    int count = store.runnerCount(race);
    if (runner < 0 || runner >= count) {
        throw Error(ErrorKind::Format,
                    "馬番が範囲外です: " + std::to_string(runner + 1) + " (1.." + std::to_string(count) + ")");
    }
    const RaceRecords& records = store.records(race);
    const auto n = static_cast<size_t>(runner);
    return buildHorseDetail(sexAgeCoatText(records.runners.at(n), records.horses.at(n)), records.horses.at(n));
}

}  // namespace zv
