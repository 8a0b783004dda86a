#include "detail_past_races.h"

#include <algorithm>
#include <string>

#include "data/code_tables.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/text_fill.h"
#include "finish_incident.h"
#include "number_text.h"

namespace zv {
namespace {

enum Column {
    kDate = 1,
    kRaceName,
    kClass,
    kDistance,
    kTime,
    kFieldSize,
    kPopularity,
    kFinish,
    kJockey,
    kWeight,
    kPace,
    kCorners,
    kBodyWeight,
    kHorseNumber,
    kMargin,
    kOpponent,
};

const std::array<std::string, kDetailGridColumns>& columnHeadings() {
    static const std::array<std::string, kDetailGridColumns> headings = {
        "",           sj("開催日"), sj("レース"),     sj("条件"), sj("距離"),     sj("タイム"),   sj("頭数"),
        sj("人気"),   sj("着順"),   sj("騎手"),       sj("斤量"), sj("ペース/F"), sj("通過順位"), sj("体重　"),
        sj("馬番　"), sj("着差　"), sj("1（2）着馬"),
    };
    return headings;
}

const std::array<std::string, kDetailGridRows>& rowHeadings() {
    static const std::array<std::string, kDetailGridRows> headings = {
        "", sj("5走前"), sj("4走前"), sj("3走前"), sj("2走前"), sj("1走前"),
    };
    return headings;
}

// A time-like field (digits, last one the tenth) as "<whole>.<tenth>"; empty when blank.
std::string withTenth(std::string_view digits) {
    if (trimmed(digits).empty()) return {};
    std::string_view whole = digits.substr(0, digits.size() - 1);
    return std::string(whole) + "." + std::string(digits.substr(digits.size() - 1));
}

// A counter cell: the number padded to 2 bytes plus its unit, empty for 0, or a status word.
std::string countCell(int value, const char* unitUtf8) {
    if (value == 0) return {};
    return padLeft(std::to_string(value), 2) + sj(unitUtf8);
}

std::string popularityCell(int value) {
    static const std::string scratched = sj("取消"), excluded = sj("除外");
    if (value == 34) return scratched;
    if (value == 35) return excluded;
    return countCell(value, "人");
}

std::string finishCell(int value) {
    if (isFinishIncident(value)) return std::string(finishIncidentName(value));
    return countCell(value, "着");
}

// The row of past race p, and how it is painted: a local or overseas race, a race without a
// time, a steeplechase or a flat race at a central course.
PastRowState fillRow(const HorseRecord& h, const PastRace& p, std::array<std::string, kDetailGridColumns>& row) {
    auto stored = [&](const auto& value) { return storedBytes(h, value).bytes(); };

    const std::string date = stored(p.raceDate);
    auto dateBytes = [&](size_t from, size_t len) { return date.substr(std::min(from, date.size()), len); };
    row[kDate] =
        racecourseName(codeKey(h, p.racecourse)) + dateBytes(2, 2) + "/" + dateBytes(4, 2) + "/" + dateBytes(6, 2);
    row[kRaceName] = stored(p.shortName);

    static const std::string noClass = sj("0万");
    std::string raceClass = raceClassLong(stored(p.raceClass), codeKey(h, p.grade));
    row[kClass] = raceClass == noClass ? std::string() : raceClass;

    const Surface surface = surfaceOf(p.jump, p.turf);
    row[kDistance] = surfaceName(surface) + stored(p.distance) + "M" + goingName(codeKey(h, p.going));

    const std::string time = stored(p.raceTime);
    const bool timed = !trimmed(time).empty();
    if (timed) {
        const std::string_view t = time;
        row[kTime] = std::string(t.substr(0, 1)) + "." + withTenth(t.substr(std::min<size_t>(1, t.size())));
    }

    row[kFieldSize] = countCell(static_cast<int>(p.fieldSize.value), "頭");
    row[kPopularity] = popularityCell(static_cast<int>(p.popularity.value));
    row[kFinish] = finishCell(static_cast<int>(p.finish.value));
    row[kJockey] = storedText(h, p.jockeyName);

    const std::string weight = stored(p.weightCarried);
    if (!trimmed(weight).empty()) row[kWeight] = handicapMark(codeKey(h, p.weightRule)) + withTenth(weight);

    std::string first3f = withTenth(stored(p.first3f));
    if (!first3f.empty()) first3f += "-";
    row[kPace] = paceLetter(codeKey(h, p.pace)) + first3f + withTenth(stored(p.last3f));

    for (const NumberField& corner : p.corners) row[kCorners] += cornerMark(stored(corner));

    const std::string bodyWeight = stored(p.bodyWeight);
    if (!trimmed(bodyWeight).empty()) row[kBodyWeight] = bodyWeight + "k";
    row[kHorseNumber] = countCell(static_cast<int>(p.horseNumber.value), "番");

    if (timed) {
        int margin = static_cast<int>(p.margin.value);
        if (margin == 998) margin = 0;
        if (p.finish.value == 1) margin = -margin;  // a winner's margin is to the second horse
        row[kMargin] = tenthsText(margin);
    }
    row[kOpponent] = storedText(h, p.opponentName);

    if (p.racecourse.state != FieldState::Value || !isCentral(p.racecourse.code)) return PastRowState::NotCentral;
    if (!timed) return PastRowState::NoTime;
    return surface == Surface::Jump ? PastRowState::Steeplechase : PastRowState::Central;
}

}  // namespace

std::optional<uint32_t> pastRowTextColour(PastRowState state) {
    switch (state) {
        case PastRowState::NotCentral: return 0x800000;  // maroon
        case PastRowState::NoTime: return 0x808080;      // grey
        case PastRowState::Central:
        case PastRowState::Steeplechase: break;
    }
    return std::nullopt;
}

DetailCellAlignment detailCellAlignment(int row, int column) {
    if (row == 0 || column == 0) return DetailCellAlignment::Centre;
    if (column >= kTime && column <= kMargin && column != kJockey) return DetailCellAlignment::Right;
    return DetailCellAlignment::Left;
}

void fillPastRaceGrid(const HorseRecord& horse, HorseDetail& detail) {
    static const std::string noRace = "----";
    detail.grid[0] = columnHeadings();
    for (int r = 0; r < kDetailGridRows; ++r) detail.grid[r][0] = rowHeadings()[r];
    for (int group = 0; group < kPastRaceGroups; ++group) {
        int r = kDetailGridRows - 1 - group;
        auto& row = detail.grid[r];
        for (int c = 1; c < kDetailGridColumns; ++c) row[c].clear();
        detail.rowState[r] = PastRowState::Central;
        const PastRace& p = horse.pastRaces[static_cast<size_t>(group)];
        if (racecourseName(codeKey(horse, p.racecourse)) == noRace) continue;
        detail.rowState[r] = fillRow(horse, p, row);
    }
}

}  // namespace zv
