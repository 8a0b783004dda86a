// One past race as the horse file holds it, written into a past-race group of a horse line: for
// the tests of the horse detail and of its window. Texts are UTF-8 here.
#pragma once

#include <array>

#include "data/records.h"
#include "data/sjis.h"
#include "demo/record_builder.h"

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
    b.setPast(uma::past_racecourse_code, group, p.racecourse)
        .setPast(uma::past_race_date, group, p.date)
        .setPast(uma::past_jump_flag, group, p.jump)
        .setPast(uma::past_turf_flag, group, p.turf)
        .setPast(uma::past_race_short_name, group, sj(p.shortName))
        .setPast(uma::past_race_class_code, group, p.classCode)
        .setPast(uma::past_grade_code, group, p.grade)
        .setPast(uma::past_distance, group, p.distance)
        .setPast(uma::past_going_code, group, p.going)
        .setPast(uma::past_race_time, group, p.time)
        .setPast(uma::past_field_size, group, p.fieldSize)
        .setPast(uma::past_popularity, group, p.popularity)
        .setPast(uma::past_finish, group, p.finish)
        .setPast(uma::past_margin, group, p.margin)
        .setPast(uma::past_weight_carried, group, p.weight)
        .setPast(uma::past_weight_rule_code, group, p.weightRule)
        .setPast(uma::past_pace_code, group, p.pace)
        .setPast(uma::past_first_3f, group, p.first3f)
        .setPast(uma::past_last_3f, group, p.last3f)
        .setPast(uma::past_corner1, group, p.corners[0])
        .setPast(uma::past_corner2, group, p.corners[1])
        .setPast(uma::past_corner3, group, p.corners[2])
        .setPast(uma::past_corner4, group, p.corners[3])
        .setPast(uma::past_body_weight, group, p.bodyWeight)
        .setPast(uma::past_horse_number, group, p.horseNumber)
        .setPast(uma::past_jockey_name, group, sj(p.jockey))
        .setPast(uma::past_opponent_name, group, sj(p.opponent));
}

}  // namespace zv::fixture
