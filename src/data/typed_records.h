// The three records of a day's data set as typed values: a race header (bvo_den1), a runner's entry
// (bvo_den2) and a horse (bvo_uma) with its last five races. Texts are UTF-8, numbers integers and
// codes enums (record_codes.h); every value says how its field read (field_values.h). The codec in
// record_codec.h reads and writes them; records.h holds the byte layout.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "field_values.h"
#include "record_codes.h"

namespace zv {

struct RaceHeaderRecord {
    CodeField<Racecourse> racecourse;  // racecourse_code
    NumberField raceNumber;            // race_number
    DateField raceDate;                // race_date
    CodeField<Weekday> weekday;        // weekday_code
    CodeField<Flag> jump;              // jump_flag
    TextField raceName;                // race_name
    CodeField<Grade> grade;            // grade_code
    CodeField<WeightRule> weightRule;  // weight_rule_code
    CodeField<RaceType> raceType;      // race_type_code
    CodeField<RaceClass> raceClass;    // race_class_code
    CodeField<Flag> turf;              // turf_flag
    NumberField distance;              // distance, metres
    TextField postTime;                // post_time, "15:45"
    NumberField runnerCount;           // runner_count
    CodeField<Flag> jpnGrade;          // jpn_grade_flag
    KeptBytes kept;                    // the bytes of the fields read as kept (record_codec.h: storedBytes)

    bool operator==(const RaceHeaderRecord&) const = default;
};

struct RunnerEntry {
    NumberField frameNumber;    // frame_number
    TextField horseName;        // horse_name
    CodeField<Sex> sex;         // sex_code
    NumberField age;            // age
    NumberField weightCarried;  // weight_carried, kilograms
    TextField jockeyName;       // jockey_name
    NumberField rate;           // rate, tenths
    KeptBytes kept;             // the bytes of the fields read as kept (record_codec.h: storedBytes)

    bool operator==(const RunnerEntry&) const = default;
};

inline constexpr int kPastRaceGroups = 5;
inline constexpr int kRecordCounterGroups = 36;

// One of a horse's last five races (group 0 the most recent).
struct PastRace {
    CodeField<Racecourse> racecourse;    // past_racecourse_code
    DateField raceDate;                  // past_race_date
    CodeField<Flag> jump;                // past_jump_flag
    TextField shortName;                 // past_race_short_name
    CodeField<Grade> grade;              // past_grade_code
    CodeField<WeightRule> weightRule;    // past_weight_rule_code
    CodeField<RaceClass> raceClass;      // past_race_class_code
    CodeField<Flag> turf;                // past_turf_flag
    NumberField distance;                // past_distance
    NumberField fieldSize;               // past_field_size
    CodeField<Pace> pace;                // past_pace_code
    CodeField<Going> going;              // past_going_code
    NumberField horseNumber;             // past_horse_number
    NumberField weightCarried;           // past_weight_carried
    NumberField bodyWeight;              // past_body_weight
    TextField jockeyName;                // past_jockey_name
    NumberField popularity;              // past_popularity
    NumberField finish;                  // past_finish
    NumberField raceTime;                // past_race_time, "MSSS": minutes, then seconds in tenths
    NumberField margin;                  // past_margin
    NumberField first3f;                 // past_first_3f, tenths
    NumberField last3f;                  // past_last_3f, tenths
    std::array<NumberField, 4> corners;  // past_corner1 .. past_corner4
    TextField opponentName;              // past_opponent_name

    bool operator==(const PastRace&) const = default;
};

// The surface a race is run on: a jump race, else turf or dirt by the turf flag.
enum class Surface : uint8_t { Dirt, Turf, Jump };
inline Surface surfaceOf(const CodeField<Flag>& jump, const CodeField<Flag>& turf) {
    if (jump.is(Flag::Yes)) return Surface::Jump;
    return turf.is(Flag::Yes) ? Surface::Turf : Surface::Dirt;
}

struct HorseRecord {
    TextField horseName;                     // horse_name
    CodeField<CoatColour> coatColour;        // coat_colour_code
    CodeField<Birthplace> birthplace;        // birthplace_code
    CodeField<HorseMarker> marker;           // horse_marker_code
    TextField sireName;                      // sire_name
    TextField damName;                       // dam_name
    TextField damSireName;                   // dam_sire_name
    TextField damDamName;                    // dam_dam_name
    TextField ownerName;                     // owner_name
    TextField breederName;                   // breeder_name
    TextField trainerName;                   // trainer_name
    CodeField<TrainerCentre> trainerCentre;  // trainer_centre_code
    NumberField mainPrize;                   // main_prize
    NumberField totalPrizePart1;             // total_prize_part1
    NumberField totalPrizePart2;             // total_prize_part2
    std::array<NumberField, 4> record;       // record_firsts, _seconds, _thirds, _unplaced
    // record_table: per group, wins, seconds, thirds and fourth or worse (records.h names the groups).
    std::array<std::array<NumberField, 4>, kRecordCounterGroups> recordTable;
    std::array<PastRace, kPastRaceGroups> pastRaces;
    KeptBytes kept;  // the bytes of the fields read as kept (record_codec.h: storedBytes)

    bool operator==(const HorseRecord&) const = default;
};

}  // namespace zv
