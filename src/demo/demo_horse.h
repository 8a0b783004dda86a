// One runner of the demo day: its runner line (race card) and its horse line (profile, career
// record consistent with its past starts, and its last five races).
#pragma once

#include <set>
#include <string>
#include <vector>

#include "demo_card.h"
#include "demo_career.h"
#include "demo_names.h"
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

// Who the horse is: its traits and the profile fields of its lines.
struct Profile {
    HorseTraits traits;
    std::string name;
    char sexCode;
    Trainer trainer;
    const char* birthplace;
    const char* marker;
    const char* coat;
    int rate;  // tenths
};

// Breeding and connections (UTF-8).
struct Pedigree {
    std::string sire, dam, damSire, damDam, owner, breeder;
};

// A horse fit for the race plan, its name not yet in use.
Profile makeProfile(Random& random, const CourseDay& course, const RacePlan& today, NamesInUse& names);
Pedigree makePedigree(Random& random);

// The weight the horse carries in today's race, in tenths of a kilogram.
int weightCarriedToday(const RacePlan& today, const HorseTraits& traits);

// The runner line of the horse in today's race, and its horse line with the career so far (most
// recent start first; the last five are its past races).
std::string runnerLine(const Profile& profile, const RacePlan& today, int frame);
std::string horseLine(const Profile& profile, const Pedigree& pedigree, const std::vector<Start>& career);

RunnerLines makeRunner(Random& random, const CourseDay& course, const RacePlan& today, int frame, NamesInUse& names);

}  // namespace zv::demo
