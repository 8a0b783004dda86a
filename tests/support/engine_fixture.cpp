#include "support/engine_fixture.h"

#include "data/race_header.h"
#include "data/record_builder.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv::fixture {

std::string horseLine(const std::string& name, const std::vector<PastRace>& past) {
    RecordBuilder b(kHorseLineLength);
    b.set(horse_line::horse_name, name);
    b.set(horse_line::coat_colour_code, "03");
    for (size_t k = 0; k < past.size(); ++k) {
        const PastRace& p = past[k];
        int g = static_cast<int>(k);
        b.setPast(horse_line::past_racecourse_code, g, p.course)
            .setPast(horse_line::past_race_date, g, p.date)
            .setPast(horse_line::past_jump_flag, g, p.surface == "jump" ? "1" : "0")
            .setPast(horse_line::past_turf_flag, g, p.surface == "turf" ? "1" : "0")
            .setPast(horse_line::past_distance, g, p.distance)
            .setPast(horse_line::past_first_3f, g, p.first3f)
            .setPast(horse_line::past_corner1, g, p.corners[0])
            .setPast(horse_line::past_corner2, g, p.corners[1])
            .setPast(horse_line::past_corner3, g, p.corners[2])
            .setPast(horse_line::past_corner4, g, p.corners[3])
            .setPast(horse_line::past_finish, g, p.finish)
            .setPast(horse_line::past_race_class_code, g, p.classCode)
            .setPast(horse_line::past_grade_code, g, p.grade)
            .setPast(horse_line::past_race_short_name, g, p.shortName)
            .setPast(horse_line::past_race_time, g, p.raceTime)
            .setPast(horse_line::past_last_3f, g, p.last3f)
            .setPast(horse_line::past_horse_number, g, p.horseNumber)
            .setPast(horse_line::past_popularity, g, p.popularity)
            .setPast(horse_line::past_opponent_name, g, p.opponent);
    }
    return b.line();
}

std::string runnerLine(const Entry& e) {
    RecordBuilder b(kRunnerLineLength);
    b.set(runner_line::frame_number, e.frame)
        .set(runner_line::horse_name, e.name)
        .set(runner_line::sex_code, e.sex)
        .set(runner_line::age, e.age)
        .set(runner_line::weight_carried, e.weight)
        .set(runner_line::jockey_name, e.jockey)
        .set(runner_line::rate, e.rate);
    return b.line();
}

RaceDataStore storeOf(const std::vector<Race>& races) {
    RaceDataStore store;
    store.raceCount = static_cast<int>(races.size());
    int firstRunner = 0;
    for (size_t r = 0; r < races.size(); ++r) {
        const Race& race = races[r];
        RecordBuilder header(kHeaderLineLength);
        header.set(header_line::racecourse_code, "05")
            .set(header_line::race_number, race.raceNumber)
            .set(header_line::race_date, race.date.substr(0, 4) + race.date.substr(5, 2) + race.date.substr(8, 2))
            .setNumber(header_line::runner_count, static_cast<int64_t>(race.entries.size()))
            .set(header_line::jump_flag, race.surface == "jump" ? "1" : "0")
            .set(header_line::turf_flag, race.surface == "turf" ? "1" : "0")
            .set(header_line::distance, race.distance);
        store.headerLines.push_back(header.line());
        RaceHeader& raceHeader = store.headers.emplace_back(raceHeaderTexts(header.line()));
        raceHeader.raceDateText = race.date + sj("(日)");
        raceHeader.raceNumberText = race.raceNumber;
        raceHeader.titleLine1 = "TITLE1 R" + race.raceNumber;
        raceHeader.titleLine2 = "TITLE2 R" + race.raceNumber;
        raceHeader.runnerCount = static_cast<int>(race.entries.size());
        raceHeader.firstRunner = firstRunner;
        firstRunner += raceHeader.runnerCount;
        for (const Entry& e : race.entries) {
            store.runnerLines.push_back(runnerLine(e));
            store.horseLines.push_back(horseLine(e.name, e.past));
        }
    }
    return store;
}

}  // namespace zv::fixture
