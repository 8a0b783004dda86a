// Race header lines built field by field for the header and race-name tests.
#pragma once

#include <string>

#include "data/records.h"
#include "data/sjis.h"
#include "demo/record_builder.h"

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
        .set(den1::racecourse_code, h.racecourse)
        .set(den1::race_number, h.raceNumber)
        .set(den1::race_year, h.year)
        .set(den1::race_month, h.month)
        .set(den1::race_day, h.day)
        .set(den1::weekday_code, h.weekday)
        .set(den1::jump_flag, h.jump)
        .set(den1::race_name, sj(h.name))
        .set(den1::grade_code, h.grade)
        .set(den1::weight_rule_code, h.weightRule)
        .set(den1::race_type_code, h.raceType)
        .set(den1::race_class_code, h.raceClass)
        .set(den1::turf_flag, h.turf)
        .set(den1::distance, h.distance)
        .set(den1::post_time, h.postTime)
        .set(den1::runner_count, h.runners)
        .set(den1::jpn_grade_flag, h.jpn)
        .line();
}

}  // namespace zv::fixture
