// Names for the demo day: horses built from katakana fragments, and pools of sires, jockeys,
// trainers, owners and breeders. Every name is UTF-8 here; the line writers convert to CP932.
#pragma once

#include <string>
#include <string_view>

#include "demo_random.h"

namespace zv::demo {

// Characters of a UTF-8 text (every demo name is full-width, two CP932 bytes a character).
int charCount(std::string_view utf8);

// A horse name of two to nine katakana; fillies and mares get feminine endings more often.
std::string horseName(Random& random, bool female);
// The same from a pool large enough for a season's thousands of horses.
std::string seasonHorseName(Random& random, bool female);
std::string sireName(Random& random);

// Jockeys in their three-character short form; jump races have their own riders.
std::string jockeyName(Random& random, bool jump);

struct Trainer {
    std::string name;        // at most four characters
    const char* centreCode;  // "50" 栗東, "51" 美浦南, "52" 美浦北
};
// A trainer of the west (栗東) or the east (美浦) training centre.
Trainer trainer(Random& random, bool west);

std::string ownerName(Random& random);
std::string breederName(Random& random);

// Short name (at most three characters) of the special race of a class run at a racecourse on a
// day (days since 1970): every horse that ran that race gets the same name.
std::string specialShortName(std::string_view courseCode, int dayNumber, int level);

}  // namespace zv::demo
