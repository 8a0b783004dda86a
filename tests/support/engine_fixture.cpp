#include "support/engine_fixture.h"

#include "data/records.h"
#include "data/sjis.h"
#include "demo/record_builder.h"

namespace zv::fixture {
namespace {

std::string surfaceText(const std::string& surface) {
    if (surface == "jump") return sj("障");
    return surface == "turf" ? sj("芝") : sj("ダ");
}

}  // namespace

std::string horseLine(const std::string& name, const std::vector<PastRace>& past) {
    RecordBuilder b(kHorseLineLength);
    b.set(uma::horse_name, name);
    b.set(uma::coat_colour_code, "03");
    for (size_t k = 0; k < past.size(); ++k) {
        const PastRace& p = past[k];
        int g = static_cast<int>(k);
        b.setPast(uma::past_racecourse_code, g, p.course)
            .setPast(uma::past_race_date, g, p.date)
            .setPast(uma::past_jump_flag, g, p.surface == "jump" ? "1" : "0")
            .setPast(uma::past_turf_flag, g, p.surface == "turf" ? "1" : "0")
            .setPast(uma::past_distance, g, p.distance)
            .setPast(uma::past_first_3f, g, p.first3f)
            .setPast(uma::past_corner1, g, p.corners[0])
            .setPast(uma::past_corner2, g, p.corners[1])
            .setPast(uma::past_corner3, g, p.corners[2])
            .setPast(uma::past_corner4, g, p.corners[3])
            .setPast(uma::past_finish, g, p.finish)
            .setPast(uma::past_race_class_code, g, p.classCode)
            .setPast(uma::past_grade_code, g, p.grade)
            .setPast(uma::past_race_short_name, g, p.shortName)
            .setPast(uma::past_race_time, g, p.raceTime)
            .setPast(uma::past_last_3f, g, p.last3f)
            .setPast(uma::past_horse_number, g, p.horseNumber)
            .setPast(uma::past_popularity, g, p.popularity)
            .setPast(uma::past_opponent_name, g, p.opponent);
    }
    return b.line();
}

std::string runnerLine(const Entry& e) {
    RecordBuilder b(kRunnerLineLength);
    b.set(den2::frame_number, e.frame)
        .set(den2::horse_name, e.name)
        .set(den2::sex_code, e.sex)
        .set(den2::age, e.age)
        .set(den2::weight_carried, e.weight)
        .set(den2::jockey_name, e.jockey)
        .set(den2::rate, e.rate);
    return b.line();
}

RaceDataStore storeOf(const std::vector<Race>& races) {
    RaceDataStore store;
    store.raceCount = static_cast<int>(races.size());
    int firstRunner = 0;
    for (size_t r = 0; r < races.size(); ++r) {
        const Race& race = races[r];
        RecordBuilder header(kHeaderLineLength);
        header.set(den1::racecourse_code, "05")
            .set(den1::race_number, race.raceNumber)
            .set(den1::race_date, race.date.substr(0, 4) + race.date.substr(5, 2) + race.date.substr(8, 2))
            .setNumber(den1::runner_count, static_cast<int64_t>(race.entries.size()));
        store.den1Lines.push_back(header.line());
        RaceHeader& raceHeader = store.headers.emplace_back();
        raceHeader.raceDateText = race.date + sj("(日)");
        raceHeader.raceNumberText = race.raceNumber;
        raceHeader.distanceText = race.distance;
        raceHeader.courseText = surfaceText(race.surface);
        raceHeader.titleLine1 = "TITLE1 R" + race.raceNumber;
        raceHeader.titleLine2 = "TITLE2 R" + race.raceNumber;
        raceHeader.runnerCount = static_cast<int>(race.entries.size());
        raceHeader.firstRunner = firstRunner;
        firstRunner += raceHeader.runnerCount;
        for (const Entry& e : race.entries) {
            store.den2Lines.push_back(runnerLine(e));
            store.umaLines.push_back(horseLine(e.name, e.past));
        }
    }
    return store;
}

}  // namespace zv::fixture
