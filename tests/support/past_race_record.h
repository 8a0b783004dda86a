// One past race as the horse file holds it, written into a past-race group of a horse line: for
// the tests of the horse detail and of its window. Texts are UTF-8 here.
#pragma once

#include <array>

#include "data/record_builder.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv::fixture {

struct PastRaceRecord {
    const char* racecourse = "05";
    const char* date = "20080525";
    const char* jump = "0";
    const char* turf = "1";
    const char* shortName = "";
    const char* classCode = "05000";
    const char* grade = " ";
    const char* distance = "1600";
    const char* going = "0";
    const char* time = "1345";
    const char* fieldSize = "16";
    const char* popularity = "03";
    const char* finish = "02";
    const char* margin = "003";
    const char* weight = "560";
    const char* weightRule = "00";
    const char* pace = "1";
    const char* first3f = "352";
    const char* last3f = "348";
    std::array<const char*, 4> corners{"03", "03", "02", "01"};
    const char* bodyWeight = "480";
    const char* horseNumber = "07";
    const char* jockey = "ヨコヤマ";
    const char* opponent = "ライバル";
};

inline void setPastRaceRecord(RecordBuilder& b, int group, const PastRaceRecord& p) {
    b.setPast(horse_line::past_racecourse_code, group, p.racecourse)
        .setPast(horse_line::past_race_date, group, p.date)
        .setPast(horse_line::past_jump_flag, group, p.jump)
        .setPast(horse_line::past_turf_flag, group, p.turf)
        .setPast(horse_line::past_race_short_name, group, sj(p.shortName))
        .setPast(horse_line::past_race_class_code, group, p.classCode)
        .setPast(horse_line::past_grade_code, group, p.grade)
        .setPast(horse_line::past_distance, group, p.distance)
        .setPast(horse_line::past_going_code, group, p.going)
        .setPast(horse_line::past_race_time, group, p.time)
        .setPast(horse_line::past_field_size, group, p.fieldSize)
        .setPast(horse_line::past_popularity, group, p.popularity)
        .setPast(horse_line::past_finish, group, p.finish)
        .setPast(horse_line::past_margin, group, p.margin)
        .setPast(horse_line::past_weight_carried, group, p.weight)
        .setPast(horse_line::past_weight_rule_code, group, p.weightRule)
        .setPast(horse_line::past_pace_code, group, p.pace)
        .setPast(horse_line::past_first_3f, group, p.first3f)
        .setPast(horse_line::past_last_3f, group, p.last3f)
        .setPast(horse_line::past_corner1, group, p.corners[0])
        .setPast(horse_line::past_corner2, group, p.corners[1])
        .setPast(horse_line::past_corner3, group, p.corners[2])
        .setPast(horse_line::past_corner4, group, p.corners[3])
        .setPast(horse_line::past_body_weight, group, p.bodyWeight)
        .setPast(horse_line::past_horse_number, group, p.horseNumber)
        .setPast(horse_line::past_jockey_name, group, sj(p.jockey))
        .setPast(horse_line::past_opponent_name, group, sj(p.opponent));
}

}  // namespace zv::fixture
