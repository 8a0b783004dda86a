// Days of a demo season kept in the library of a data folder, built in memory: the fixture of the
// tests that move between kept days, search them and count them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/store.h"

namespace zv::fixture {

// The first `days` days of the demo season of seed, as stores, in date order.
std::vector<RaceDataStore> demoSeasonDays(int days, uint32_t seed = 7);

// The first `days` days of the demo season of seed kept in the library of dataFolder (made when
// there is none); returns their dates, oldest first.
std::vector<int> keepDemoSeason(const std::filesystem::path& dataFolder, int days, uint32_t seed = 7);

}  // namespace zv::fixture
