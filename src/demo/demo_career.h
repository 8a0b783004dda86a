// A demo horse's racing career: its starts from the most recent back to its debut, generated
// so that classes, dates, times, positions at the corners and finishes fit together and fit the
// race it runs in today.
#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "demo_card.h"
#include "demo_random.h"

namespace zv::demo {

// What the career generator needs to know about the horse.
struct HorseTraits {
    int age;
    bool female;
    bool west;           // trained at 栗東, so it mostly ran in the west
    int ability;         // 0..100
    int style;           // 0 front-runner, 1 stalker, 2 mid-pack, 3 closer
    int bodyWeight;      // kilograms
    std::string jockey;  // today's rider (UTF-8)
};

struct Start {
    std::chrono::sys_days date;
    std::string courseCode;
    bool jump = false;
    bool turf = false;
    int distance = 0;
    int level = kMaiden;
    char grade = ' ';
    std::string shortName;  // UTF-8, empty for none
    const char* weightRule = "01";
    int fieldSize = 0;
    int paceCode = 1;
    int goingCode = 0;
    int horseNumber = 0;
    int weightCarried = 0;  // tenths of a kilogram
    int bodyWeight = 0;
    std::string jockey;
    int popularity = 0;
    int finish = 0;     // 1.., or 33 for a horse that did not finish
    int time = 0;       // tenths of a second; 0 when none was taken
    int margin = 0;     // tenths behind the winner; negative for the winner's lead (the record holds it unsigned)
    int firstPart = 0;  // early 3F in tenths (the first 2F in a 1000 m race); 0 when none
    int last3f = 0;     // tenths; 0 when none
    std::array<int, 4> corners{};  // 0 where the course has no such corner
    int runningStyle = 0;          // 0..3 as shown by the positions
    std::string opponent;          // UTF-8
};

// Starts from the most recent one backwards; empty for a debutant.
std::vector<Start> makeCareer(Random& random, const RacePlan& today, const HorseTraits& horse);

// Left-handed racecourses (東京, 新潟, 中京) and the straight 1000 m of 新潟.
bool leftHanded(const std::string& courseCode);
bool straightCourse(const Start& start);

}  // namespace zv::demo
