// Record layouts of a day's data set, version 2. Each field once: name, 1-based byte position,
// byte length. header_line: one race header line per race (bvo_den1); runner_line: one runner line per runner
// (bvo_den2); horse_line: one horse line per runner, parallel to the runners (bvo_uma). Past-race fields (past_*) give
// group 0's position; group k stands 590 x k bytes further on (pastField).
#pragma once

#include "field.h"

namespace zv {

// Line lengths of the version-2 layouts (a horse line reaching the end of its fifth past race).
inline constexpr int kHeaderLineLength = 777;
inline constexpr int kRunnerLineLength = 741;
inline constexpr int kHorseLineLength = 3970;

namespace header_line {
inline constexpr FieldDef racecourse_code{"racecourse_code", 1, 2};
inline constexpr FieldDef race_number{"race_number", 11, 2};
inline constexpr FieldDef race_date{"race_date", 13, 8};
inline constexpr FieldDef race_year{"race_year", 13, 4};
inline constexpr FieldDef race_month{"race_month", 17, 2};
inline constexpr FieldDef race_day{"race_day", 19, 2};
inline constexpr FieldDef weekday_code{"weekday_code", 21, 2};
inline constexpr FieldDef jump_flag{"jump_flag", 25, 1};
inline constexpr FieldDef race_name{"race_name", 29, 30};
inline constexpr FieldDef grade_code{"grade_code", 73, 1};
inline constexpr FieldDef weight_rule_code{"weight_rule_code", 74, 2};
inline constexpr FieldDef race_type_code{"race_type_code", 98, 1};
inline constexpr FieldDef race_class_code{"race_class_code", 100, 5};
inline constexpr FieldDef turf_flag{"turf_flag", 105, 1};
inline constexpr FieldDef distance{"distance", 109, 4};
inline constexpr FieldDef post_time{"post_time", 332, 5};
inline constexpr FieldDef runner_count{"runner_count", 337, 2};
inline constexpr FieldDef jpn_grade_flag{"jpn_grade_flag", 358, 1};
// The 12-byte race key of the export files: racecourse_code + race_date + race_number.
}  // namespace header_line

namespace runner_line {
inline constexpr FieldDef frame_number{"frame_number", 23, 1};
inline constexpr FieldDef horse_name{"horse_name", 33, 18};
inline constexpr FieldDef sex_code{"sex_code", 65, 1};
inline constexpr FieldDef age{"age", 66, 2};
inline constexpr FieldDef weight_carried{"weight_carried", 149, 3};
inline constexpr FieldDef jockey_name{"jockey_name", 189, 6};
inline constexpr FieldDef rate{"rate", 706, 3};
}  // namespace runner_line

namespace horse_line {
// Profile
inline constexpr FieldDef horse_name{"horse_name", 8, 30};
inline constexpr FieldDef coat_colour_code{"coat_colour_code", 86, 2};
inline constexpr FieldDef birthplace_code{"birthplace_code", 90, 3};
inline constexpr FieldDef horse_marker_code{"horse_marker_code", 93, 2};
inline constexpr FieldDef sire_name{"sire_name", 105, 34};
inline constexpr FieldDef dam_name{"dam_name", 146, 34};
inline constexpr FieldDef dam_sire_name{"dam_sire_name", 187, 34};
inline constexpr FieldDef dam_dam_name{"dam_dam_name", 228, 34};
inline constexpr FieldDef owner_name{"owner_name", 344, 40};
inline constexpr FieldDef breeder_name{"breeder_name", 464, 20};
inline constexpr FieldDef trainer_name{"trainer_name", 526, 8};
inline constexpr FieldDef trainer_centre_code{"trainer_centre_code", 534, 2};
inline constexpr FieldDef main_prize{"main_prize", 570, 10};
inline constexpr FieldDef total_prize_part1{"total_prize_part1", 580, 10};
inline constexpr FieldDef total_prize_part2{"total_prize_part2", 610, 10};
inline constexpr FieldDef record_firsts{"record_firsts", 633, 3};
inline constexpr FieldDef record_seconds{"record_seconds", 636, 3};
inline constexpr FieldDef record_thirds{"record_thirds", 639, 3};
inline constexpr FieldDef record_unplaced{"record_unplaced", 642, 3};
inline constexpr FieldDef record_table{"record_table", 657, 288};

// Record table: 36 groups of 8 bytes from byte 657, each four two-digit counters
// (wins, seconds, thirds, fourth or worse).
inline constexpr int kRecordGroupPos = 657;
inline constexpr int kRecordGroupLen = 8;
inline constexpr int kRecordGroups = 36;
inline constexpr int kGroupRunningStyle = 1;  // counters: front-runner, stalker, mid-pack, closer
inline constexpr int kGroupTurfRight = 2;
inline constexpr int kGroupTurfLeft = 3;
inline constexpr int kGroupDirtRight = 4;
inline constexpr int kGroupDirtLeft = 5;
inline constexpr int kGroupStraight = 6;
inline constexpr int kGroupTurfHeavyA = 10;  // with 11: turf on heavy going
inline constexpr int kGroupTurfHeavyB = 11;
inline constexpr int kGroupDirtHeavyA = 14;  // with 15: dirt on heavy going
inline constexpr int kGroupDirtHeavyB = 15;
inline constexpr int kGroupTurfDistance = 20;  // 20..27: up to 1000, 1200, 1400, 1600, 1800, 2000, 2200, over
inline constexpr int kGroupDirtDistance = 28;  // 28..35: the same bands on dirt

// Counter c (0..3) of record group g (0..35).
inline FieldDef recordCounter(int g, int c) {
    return FieldDef{"record_table", kRecordGroupPos + kRecordGroupLen * g + 2 * c, 2};
}
inline constexpr FieldDef style_front_runner{"style_front_runner", 665, 2};
inline constexpr FieldDef style_stalker{"style_stalker", 667, 2};
inline constexpr FieldDef style_mid_pack{"style_mid_pack", 669, 2};
inline constexpr FieldDef style_closer{"style_closer", 671, 2};

// Past races, group 0 positions (pastField adds 590 x k).
inline constexpr FieldDef past_racecourse_code{"past_racecourse_code", 1065, 2};
inline constexpr FieldDef past_race_date{"past_race_date", 1077, 8};
inline constexpr FieldDef past_race_year{"past_race_year", 1077, 4};
inline constexpr FieldDef past_race_month{"past_race_month", 1081, 2};
inline constexpr FieldDef past_race_day{"past_race_day", 1083, 2};
inline constexpr FieldDef past_jump_flag{"past_jump_flag", 1090, 1};
inline constexpr FieldDef past_race_short_name{"past_race_short_name", 1124, 6};
inline constexpr FieldDef past_grade_code{"past_grade_code", 1138, 1};
inline constexpr FieldDef past_weight_rule_code{"past_weight_rule_code", 1139, 2};
inline constexpr FieldDef past_race_class_code{"past_race_class_code", 1165, 5};
inline constexpr FieldDef past_turf_flag{"past_turf_flag", 1180, 1};
inline constexpr FieldDef past_distance{"past_distance", 1184, 4};
inline constexpr FieldDef past_field_size{"past_field_size", 1188, 2};
inline constexpr FieldDef past_pace_code{"past_pace_code", 1192, 1};
inline constexpr FieldDef past_going_code{"past_going_code", 1194, 1};
inline constexpr FieldDef past_horse_number{"past_horse_number", 1217, 2};
inline constexpr FieldDef past_weight_carried{"past_weight_carried", 1307, 3};
inline constexpr FieldDef past_body_weight{"past_body_weight", 1310, 3};
inline constexpr FieldDef past_jockey_name{"past_jockey_name", 1356, 8};
inline constexpr FieldDef past_popularity{"past_popularity", 1424, 2};
inline constexpr FieldDef past_finish{"past_finish", 1431, 2};
inline constexpr FieldDef past_race_time{"past_race_time", 1439, 4};
inline constexpr FieldDef past_margin{"past_margin", 1446, 3};
inline constexpr FieldDef past_first_3f{"past_first_3f", 1449, 3};
inline constexpr FieldDef past_last_3f{"past_last_3f", 1452, 3};
inline constexpr FieldDef past_corner1{"past_corner1", 1455, 2};
inline constexpr FieldDef past_corner2{"past_corner2", 1457, 2};
inline constexpr FieldDef past_corner3{"past_corner3", 1459, 2};
inline constexpr FieldDef past_corner4{"past_corner4", 1461, 2};
inline constexpr FieldDef past_opponent_name{"past_opponent_name", 1581, 30};
}  // namespace horse_line

}  // namespace zv
