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
    std::string mark = gradeMark(field(line, header_line::grade_code));
    if (mark != "G1 " && mark != "G2 " && mark != "G3 ") return {};
    std::string grade = mark.substr(0, 2);
    return (jpnFlag == "1" ? "Jpn(" + grade + ")" : grade) + " ";
}

}  // namespace

RaceHeader raceHeaderTexts(std::string_view line) {
    static const std::string postTime = sj(" 発走"), head = sj("頭  ");

    RaceHeader h;
    h.raceDateText = text(line, header_line::race_year) + "/" + text(line, header_line::race_month) + "/" +
                     text(line, header_line::race_day) + weekdayName(field(line, header_line::weekday_code));
    h.raceNumberText = text(line, header_line::race_number);
    h.distanceText = text(line, header_line::distance);
    h.courseText = surfaceName(field(line, header_line::jump_flag), field(line, header_line::turf_flag));
    h.jpnFlag = text(line, header_line::jpn_grade_flag);
    h.titleLine1 = h.raceDateText + postTime + text(line, header_line::post_time) + " " +
                   text(line, header_line::runner_count) + head + h.courseText + h.distanceText + "M";

    const std::string raceName(trimmed(field(line, header_line::race_name)));
    const std::string suffix = gradeSuffix(line, h.jpnFlag);
    const std::string front = racecourseName(field(line, header_line::racecourse_code)) + h.raceNumberText + "R " +
                              raceTypeName(field(line, header_line::race_type_code)) + " " +
                              raceClassShort(field(line, header_line::race_class_code)) + " ";
    h.titleLine2 = front + weightRuleName(field(line, header_line::weight_rule_code)) + " " +
                   shortenRaceName(raceName) + " " + suffix;
    h.menuTitle = front + raceName + " " + suffix;
    return h;
}

}  // namespace zv
