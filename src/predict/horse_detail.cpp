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
    for (int i = 0; i < 4; ++i) c[i] = toIntOrZero(field(h, uma::recordCounter(group, i)));
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
    std::string front = count(uma::style_front_runner), stalker = count(uma::style_stalker);
    std::string midPack = count(uma::style_mid_pack), closer = count(uma::style_closer);
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
    {"lbl2", "全芝", uma::kGroupTurfRight, uma::kGroupTurfLeft},
    {"lbl3", "全ダート", uma::kGroupDirtRight, uma::kGroupDirtLeft},
    {"lbl4", "芝重", uma::kGroupTurfHeavyA, uma::kGroupTurfHeavyB},
    {"lbl5", "ダート重", uma::kGroupDirtHeavyA, uma::kGroupDirtHeavyB},
    {"lbl6", "芝右回り", uma::kGroupTurfRight, -1},
    {"lbl7", "芝左回り", uma::kGroupTurfLeft, -1},
    {"lbl8", "ダート右回り", uma::kGroupDirtRight, -1},
    {"lbl9", "ダート左回り", uma::kGroupDirtLeft, -1},
    {"lbl10", "直線成績", uma::kGroupStraight, -1},
    {"lbl1000", "芝～1000m", uma::kGroupTurfDistance + 0, -1},
    {"lbl1200", "芝～1200m", uma::kGroupTurfDistance + 1, -1},
    {"lbl1400", "芝～1400m", uma::kGroupTurfDistance + 2, -1},
    {"lbl1600", "芝～1600m", uma::kGroupTurfDistance + 3, -1},
    {"lbl1800", "芝～1800m", uma::kGroupTurfDistance + 4, -1},
    {"lbl2000", "芝～2000m", uma::kGroupTurfDistance + 5, -1},
    {"lbl2200", "芝～2200m", uma::kGroupTurfDistance + 6, -1},
    {"lbl2400", "芝2201m～", uma::kGroupTurfDistance + 7, -1},
    {"lbl1000d", "ダ～1000m", uma::kGroupDirtDistance + 0, -1},
    {"lbl1200d", "ダ～1200m", uma::kGroupDirtDistance + 1, -1},
    {"lbl1400d", "ダ～1400m", uma::kGroupDirtDistance + 2, -1},
    {"lbl1600d", "ダ～1600m", uma::kGroupDirtDistance + 3, -1},
    {"lbl1800d", "ダ～1800m", uma::kGroupDirtDistance + 4, -1},
    {"lbl2000d", "ダ～2000m", uma::kGroupDirtDistance + 5, -1},
    {"lbl2200d", "ダ～2200m", uma::kGroupDirtDistance + 6, -1},
    {"lbl2400d", "ダ2201m～", uma::kGroupDirtDistance + 7, -1},
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
    int64_t totalPrize = int64_t{strictInt(h, uma::total_prize_part1)} + strictInt(h, uma::total_prize_part2);
    int64_t mainPrize = strictInt(h, uma::main_prize);
    std::string runningStyle = runningStyleText(h);

    HorseDetail d;
    auto add = [&](const char* name, const char* captionUtf8, std::string text) {
        d.labels.push_back({name, sj(captionUtf8), std::move(text)});
    };
    add("lblSeinen", "", std::string(sexAgeCoat));
    add("lblUmakigou", "", horseMarkerName(field(h, uma::horse_marker_code)));
    add("lblSanti", "産地", birthplaceName(field(h, uma::birthplace_code)));
    add("lblSeisansya", "生産者", trimmedText(h, uma::breeder_name));
    add("lblBanusi", "馬主", trimmedText(h, uma::owner_name));
    add("lblChokyosi", "調教師",
        trimmedText(h, uma::trainer_name) + trainerCentreMark(field(h, uma::trainer_centre_code)));
    add("lblTiti", "父", trimmedText(h, uma::sire_name));
    add("lblHaha", "母", trimmedText(h, uma::dam_name));
    add("lblHahaTiti", "母父", trimmedText(h, uma::dam_sire_name));
    add("lblHahaHaha", "母母", trimmedText(h, uma::dam_dam_name));
    add("lblSouSyokin", "総賞金", tenThousandYen(totalPrize));
    add("lblHonSyokin", "本賞金", tenThousandYen(mainPrize));

    Counters career{};
    const FieldDef* careerFields[] = {&uma::record_firsts, &uma::record_seconds, &uma::record_thirds,
                                      &uma::record_unplaced};
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
    std::string_view horseLine = store.umaLines.at(g);
    return buildHorseDetail(sexAgeCoatText(store.den2Lines.at(g), horseLine), horseLine);
}

}  // namespace zv
