// One runner of the demo day: its runner line (race card) and its horse line (profile, career
// record consistent with its past starts, and its last five races).
#pragma once

#include <set>
#include <string>

#include "demo_card.h"
#include "demo_random.h"

namespace zv::demo {

struct RunnerLines {
    std::string runner;  // CP932 runner line
    std::string horse;   // CP932 horse line
};

// Names already given today: no two horses of the day share a name, no two riders a race.
struct NamesInUse {
    std::set<std::string> horses;
    std::set<std::string> jockeysInRace;
};

RunnerLines makeRunner(Random& random, const CourseDay& course, const RacePlan& today, int frame, NamesInUse& names);

}  // namespace zv::demo
