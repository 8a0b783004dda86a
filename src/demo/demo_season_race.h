// One race of a demo season run out: each runner's form on the day comes from its hidden ability
// on the surface and at the distance, the pace the early speed of the field sets, and chance;
// the market sees the abilities through its own noise. The outcome is written as the runners'
// new starts, exactly as their later horse lines record them.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "demo_card.h"
#include "demo_career.h"
#include "demo_random.h"

namespace zv::demo {

// What a horse is really capable of; no record shows it.
struct HiddenAbility {
    int turf = 50;  // 0..100
    int dirt = 50;
    int jump = 50;
    int bestDistance = 1600;  // metres
    int earlySpeed = 50;      // 0..100: how soon it gets to the front
};

// A runner as the race sees it.
struct SeasonRunner {
    std::string name;  // UTF-8
    std::string jockey;
    HiddenAbility ability;
    int weightCarried = 0;  // tenths of a kilogram
    int bodyWeight = 0;     // kilograms
};

// The form a runner brings to this race on average (before the day's chance).
int expectedForm(const HiddenAbility& ability, const RacePlan& plan);

// Runs the race; returns one start per runner, in horse-number order (runner n has number n + 1).
std::vector<Start> runSeasonRace(Random& random, const CourseDay& course, const RacePlan& plan,
                                 std::chrono::sys_days date, int goingCode, const std::vector<SeasonRunner>& runners);

}  // namespace zv::demo
