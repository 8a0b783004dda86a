#include "detail_past_races.h"

#include <algorithm>
#include <string>

#include "data/code_tables.h"
#include "data/numbers.h"
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

bool isCentralRacecourse(std::string_view dateCell) {
    static const std::string central[] = {sj("札幌"), sj("函館"), sj("福島"), sj("新潟"), sj("東京"),
                                          sj("中山"), sj("中京"), sj("京都"), sj("阪神"), sj("小倉")};
    std::string_view name = dateCell.substr(0, 4);
    for (const std::string& c : central) {
        if (name == c) return true;
    }
    return false;
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

void fillRow(std::string_view h, int group, std::array<std::string, kDetailGridColumns>& row) {
    auto past = [&](const FieldDef& f) { return pastField(h, f, group); };
    auto pastInt = [&](const FieldDef& f) { return toIntOrZero(past(f)); };

    std::string_view date = past(horse_line::past_race_date);
    auto dateBytes = [&](size_t from, size_t len) {
        return std::string(date.substr(std::min(from, date.size()), len));
    };
    row[kDate] = racecourseName(past(horse_line::past_racecourse_code)) + dateBytes(2, 2) + "/" + dateBytes(4, 2) +
                 "/" + dateBytes(6, 2);
    row[kRaceName] = std::string(past(horse_line::past_race_short_name));

    static const std::string noClass = sj("0万");
    std::string raceClass = raceClassLong(past(horse_line::past_race_class_code), past(horse_line::past_grade_code));
    row[kClass] = raceClass == noClass ? std::string() : raceClass;

    row[kDistance] = surfaceName(past(horse_line::past_jump_flag), past(horse_line::past_turf_flag)) +
                     std::string(past(horse_line::past_distance)) + "M" + goingName(past(horse_line::past_going_code));

    std::string_view time = past(horse_line::past_race_time);
    if (!trimmed(time).empty()) {
        row[kTime] = std::string(time.substr(0, 1)) + "." + withTenth(time.substr(std::min<size_t>(1, time.size())));
    }

    row[kFieldSize] = countCell(pastInt(horse_line::past_field_size), "頭");
    row[kPopularity] = popularityCell(pastInt(horse_line::past_popularity));
    row[kFinish] = finishCell(pastInt(horse_line::past_finish));
    row[kJockey] = std::string(trimmed(past(horse_line::past_jockey_name)));

    std::string_view weight = past(horse_line::past_weight_carried);
    if (!trimmed(weight).empty())
        row[kWeight] = handicapMark(past(horse_line::past_weight_rule_code)) + withTenth(weight);

    std::string first3f = withTenth(past(horse_line::past_first_3f));
    if (!first3f.empty()) first3f += "-";
    row[kPace] = paceLetter(past(horse_line::past_pace_code)) + first3f + withTenth(past(horse_line::past_last_3f));

    for (const FieldDef* corner :
         {&horse_line::past_corner1, &horse_line::past_corner2, &horse_line::past_corner3, &horse_line::past_corner4}) {
        row[kCorners] += cornerMark(past(*corner));
    }

    std::string_view bodyWeight = past(horse_line::past_body_weight);
    if (!trimmed(bodyWeight).empty()) row[kBodyWeight] = std::string(bodyWeight) + "k";
    row[kHorseNumber] = countCell(pastInt(horse_line::past_horse_number), "番");

    if (!row[kTime].empty()) {
        static const std::string winner = sj(" 1着");
        int margin = pastInt(horse_line::past_margin);
        if (margin == 998) margin = 0;
        if (row[kFinish] == winner) margin = -margin;  // a winner's margin is to the second horse
        row[kMargin] = tenthsText(margin);
    }
    row[kOpponent] = std::string(trimmed(past(horse_line::past_opponent_name)));
}

PastRowState rowStateOf(const std::array<std::string, kDetailGridColumns>& row) {
    static const std::string jump = sj("障");
    if (!isCentralRacecourse(row[kDate])) return PastRowState::NotCentral;
    if (row[kTime].empty()) return PastRowState::NoTime;
    return row[kDistance].starts_with(jump) ? PastRowState::Steeplechase : PastRowState::Central;
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

void fillPastRaceGrid(std::string_view horseLine, HorseDetail& detail) {
    static const std::string noRace = "----";
    detail.grid[0] = columnHeadings();
    for (int r = 0; r < kDetailGridRows; ++r) detail.grid[r][0] = rowHeadings()[r];
    for (int group = 0; group < kPastGroups; ++group) {
        int r = kDetailGridRows - 1 - group;
        auto& row = detail.grid[r];
        for (int c = 1; c < kDetailGridColumns; ++c) row[c].clear();
        detail.rowState[r] = PastRowState::Central;
        if (racecourseName(pastField(horseLine, horse_line::past_racecourse_code, group)) == noRace) continue;
        fillRow(horseLine, group, row);
        detail.rowState[r] = rowStateOf(row);
    }
}

}  // namespace zv
