#include "race_header.h"

#include "code_tables.h"
#include "field.h"
#include "race_name.h"
#include "records.h"
#include "sjis.h"

namespace zv {
namespace {

std::string text(std::string_view line, const FieldDef& f) { return std::string(field(line, f)); }

// Flat-race grades G1..G3 follow the race name (as Jpn(Gn) when the Jpn flag is set); no other
// race, the jump grades neither, has a grade after its name.
std::string gradeSuffix(std::string_view line, std::string_view jpnFlag) {
    std::string mark = gradeMark(field(line, den1::grade_code));
    if (mark != "G1 " && mark != "G2 " && mark != "G3 ") return {};
    std::string grade = mark.substr(0, 2);
    return (jpnFlag == "1" ? "Jpn(" + grade + ")" : grade) + " ";
}

}  // namespace

RaceHeader raceHeaderTexts(std::string_view line) {
    static const std::string postTime = sj(" 発走"), head = sj("頭  ");

    RaceHeader h;
    h.raceDateText = text(line, den1::race_year) + "/" + text(line, den1::race_month) + "/" +
                     text(line, den1::race_day) + weekdayName(field(line, den1::weekday_code));
    h.raceNumberText = text(line, den1::race_number);
    h.distanceText = text(line, den1::distance);
    h.courseText = surfaceName(field(line, den1::jump_flag), field(line, den1::turf_flag));
    h.jpnFlag = text(line, den1::jpn_grade_flag);
    h.titleLine1 = h.raceDateText + postTime + text(line, den1::post_time) + " " + text(line, den1::runner_count) +
                   head + h.courseText + h.distanceText + "M";

    const std::string raceName(trimmed(field(line, den1::race_name)));
    const std::string suffix = gradeSuffix(line, h.jpnFlag);
    const std::string front = racecourseName(field(line, den1::racecourse_code)) + h.raceNumberText + "R " +
                              raceTypeName(field(line, den1::race_type_code)) + " " +
                              raceClassShort(field(line, den1::race_class_code)) + " ";
    h.titleLine2 =
        front + weightRuleName(field(line, den1::weight_rule_code)) + " " + shortenRaceName(raceName) + " " + suffix;
    h.menuTitle = front + raceName + " " + suffix;
    return h;
}

}  // namespace zv
