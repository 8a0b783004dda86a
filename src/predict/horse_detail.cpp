#include "horse_detail.h"

#include <cstdint>
#include <stdexcept>

#include "data/code_tables.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/text_fill.h"
#include "detail_past_races.h"
#include "grid_cells.h"

namespace zv {
namespace {

using Counters = std::array<int, 4>;  // wins, seconds, thirds, fourth or worse

Counters recordGroup(std::string_view h, int group) {
    Counters c{};
    for (int i = 0; i < 4; ++i) c[i] = toIntOrZero(field(h, horse_line::recordCounter(group, i)));
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

std::string runningStyleText(std::string_view h) {
    auto count = [&](const FieldDef& f) { return std::to_string(strictInt(h, f)); };
    std::string front = count(horse_line::style_front_runner), stalker = count(horse_line::style_stalker);
    std::string midPack = count(horse_line::style_mid_pack), closer = count(horse_line::style_closer);
    return sj("逃") + front + sj(" 先") + stalker + sj(" 差") + midPack + sj(" 追") + closer;
}

struct RecordLabel {
    const char* name;
    const char* caption;  // UTF-8
    int groupA;
    int groupB;  // -1: the label shows group A alone
};

// Record labels from the record table (lbl1, the career record, comes from its own fields).
constexpr RecordLabel kRecordLabels[] = {
    {"lbl2", "全芝", horse_line::kGroupTurfRight, horse_line::kGroupTurfLeft},
    {"lbl3", "全ダート", horse_line::kGroupDirtRight, horse_line::kGroupDirtLeft},
    {"lbl4", "芝重", horse_line::kGroupTurfHeavyA, horse_line::kGroupTurfHeavyB},
    {"lbl5", "ダート重", horse_line::kGroupDirtHeavyA, horse_line::kGroupDirtHeavyB},
    {"lbl6", "芝右回り", horse_line::kGroupTurfRight, -1},
    {"lbl7", "芝左回り", horse_line::kGroupTurfLeft, -1},
    {"lbl8", "ダート右回り", horse_line::kGroupDirtRight, -1},
    {"lbl9", "ダート左回り", horse_line::kGroupDirtLeft, -1},
    {"lbl10", "直線成績", horse_line::kGroupStraight, -1},
    {"lbl1000", "芝～1000m", horse_line::kGroupTurfDistance + 0, -1},
    {"lbl1200", "芝～1200m", horse_line::kGroupTurfDistance + 1, -1},
    {"lbl1400", "芝～1400m", horse_line::kGroupTurfDistance + 2, -1},
    {"lbl1600", "芝～1600m", horse_line::kGroupTurfDistance + 3, -1},
    {"lbl1800", "芝～1800m", horse_line::kGroupTurfDistance + 4, -1},
    {"lbl2000", "芝～2000m", horse_line::kGroupTurfDistance + 5, -1},
    {"lbl2200", "芝～2200m", horse_line::kGroupTurfDistance + 6, -1},
    {"lbl2400", "芝2201m～", horse_line::kGroupTurfDistance + 7, -1},
    {"lbl1000d", "ダ～1000m", horse_line::kGroupDirtDistance + 0, -1},
    {"lbl1200d", "ダ～1200m", horse_line::kGroupDirtDistance + 1, -1},
    {"lbl1400d", "ダ～1400m", horse_line::kGroupDirtDistance + 2, -1},
    {"lbl1600d", "ダ～1600m", horse_line::kGroupDirtDistance + 3, -1},
    {"lbl1800d", "ダ～1800m", horse_line::kGroupDirtDistance + 4, -1},
    {"lbl2000d", "ダ～2000m", horse_line::kGroupDirtDistance + 5, -1},
    {"lbl2200d", "ダ～2200m", horse_line::kGroupDirtDistance + 6, -1},
    {"lbl2400d", "ダ2201m～", horse_line::kGroupDirtDistance + 7, -1},
};

std::string trimmedText(std::string_view h, const FieldDef& f) { return std::string(trimmed(field(h, f))); }

}  // namespace

const std::string& HorseDetail::label(std::string_view name) const {
    for (const DetailLabel& l : labels) {
        if (l.name == name) return l.text;
    }
    throw std::out_of_range("no detail label " + std::string(name));
}

HorseDetail buildHorseDetail(std::string_view sexAgeCoat, std::string_view h) {
    // The strict conversions come first, so a bad field leaves nothing half built.
    int64_t totalPrize =
        int64_t{strictInt(h, horse_line::total_prize_part1)} + strictInt(h, horse_line::total_prize_part2);
    int64_t mainPrize = strictInt(h, horse_line::main_prize);
    std::string runningStyle = runningStyleText(h);

    HorseDetail d;
    auto add = [&](const char* name, const char* captionUtf8, std::string text) {
        d.labels.push_back({name, sj(captionUtf8), std::move(text)});
    };
    add("lblSeinen", "", std::string(sexAgeCoat));
    add("lblUmakigou", "", horseMarkerName(field(h, horse_line::horse_marker_code)));
    add("lblSanti", "産地", birthplaceName(field(h, horse_line::birthplace_code)));
    add("lblSeisansya", "生産者", trimmedText(h, horse_line::breeder_name));
    add("lblBanusi", "馬主", trimmedText(h, horse_line::owner_name));
    add("lblChokyosi", "調教師",
        trimmedText(h, horse_line::trainer_name) + trainerCentreMark(field(h, horse_line::trainer_centre_code)));
    add("lblTiti", "父", trimmedText(h, horse_line::sire_name));
    add("lblHaha", "母", trimmedText(h, horse_line::dam_name));
    add("lblHahaTiti", "母父", trimmedText(h, horse_line::dam_sire_name));
    add("lblHahaHaha", "母母", trimmedText(h, horse_line::dam_dam_name));
    add("lblSouSyokin", "総賞金", tenThousandYen(totalPrize));
    add("lblHonSyokin", "本賞金", tenThousandYen(mainPrize));

    Counters career{};
    const FieldDef* careerFields[] = {&horse_line::record_firsts, &horse_line::record_seconds,
                                      &horse_line::record_thirds, &horse_line::record_unplaced};
    for (int i = 0; i < 4; ++i) career[i] = toIntOrZero(field(h, *careerFields[i]));
    add("lbl1", "全成績", recordText(career));
    for (const RecordLabel& r : kRecordLabels) {
        Counters c = recordGroup(h, r.groupA);
        if (r.groupB >= 0) c = sum(c, recordGroup(h, r.groupB));
        add(r.name, r.caption, recordText(c));
    }
    add("lblKyakusitu", "連対脚質", runningStyle);

    fillPastRaceGrid(h, d);
    return d;
}

HorseDetail buildHorseDetail(const RaceDataStore& store, int race, int runner) {
    if (race < 0 || race >= store.raceCount) {
        throw Error(ErrorKind::Format, sj("レース番号が範囲外です: ") + std::to_string(race));
    }
    int count = store.runnerCount(race);
    if (runner < 0 || runner >= count) {
        throw Error(ErrorKind::Format,
                    sj("馬番が範囲外です: ") + std::to_string(runner + 1) + " (1.." + std::to_string(count) + ")");
    }
    size_t g = static_cast<size_t>(store.firstRunner(race)) + static_cast<size_t>(runner);
    std::string_view horseLine = store.horseLines.at(g);
    return buildHorseDetail(sexAgeCoatText(store.runnerLines.at(g), horseLine), horseLine);
}

}  // namespace zv
