// Race header lines built field by field for the header and race-name tests.
#pragma once

#include <string>

#include "data/record_builder.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv::fixture {

// A race header; texts in UTF-8. The defaults describe a named open handicap on turf.
struct Header {
    const char* racecourse = "05";
    const char* raceNumber = "11";
    const char* year = "2010";
    const char* month = "03";
    const char* day = "21";
    const char* weekday = "02";
    const char* jump = "0";
    const char* name = "スプリングステークス";
    const char* grade = "1";
    const char* weightRule = "02";
    const char* raceType = "3";
    const char* raceClass = "00004";
    const char* turf = "1";
    const char* distance = "1800";
    const char* postTime = "15:45";
    const char* runners = "16";
    const char* jpn = "0";
};

inline std::string headerLine(const Header& h) {
    return RecordBuilder(kHeaderLineLength)
        .set(header_line::racecourse_code, h.racecourse)
        .set(header_line::race_number, h.raceNumber)
        .set(header_line::race_year, h.year)
        .set(header_line::race_month, h.month)
        .set(header_line::race_day, h.day)
        .set(header_line::weekday_code, h.weekday)
        .set(header_line::jump_flag, h.jump)
        .set(header_line::race_name, sj(h.name))
        .set(header_line::grade_code, h.grade)
        .set(header_line::weight_rule_code, h.weightRule)
        .set(header_line::race_type_code, h.raceType)
        .set(header_line::race_class_code, h.raceClass)
        .set(header_line::turf_flag, h.turf)
        .set(header_line::distance, h.distance)
        .set(header_line::post_time, h.postTime)
        .set(header_line::runner_count, h.runners)
        .set(header_line::jpn_grade_flag, h.jpn)
        .line();
}

}  // namespace zv::fixture
