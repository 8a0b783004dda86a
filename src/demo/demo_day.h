// A realistic meeting day for trying the program without bought data: three racecourses of
// twelve races, with runners, horse profiles and past races that hang together. The same seed
// always gives the same day.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zv {

struct DemoDay {
    std::vector<std::string> headerLines;  // bvo_den1.bv2
    std::vector<std::string> runnerLines;  // bvo_den2.bv2
    std::vector<std::string> horseLines;   // bvo_uma.bv2
};

// With fieldSize 0 each race gets a field of the size its class usually draws (8 to 18);
// otherwise every race gets fieldSize runners (1 to 18).
DemoDay makeDemoDay(uint32_t seed, int fieldSize = 0);

// Writes the day's three record files (CP932, CR LF) into folder, creating it when missing.
// Throws zv::Error when a file cannot be written.
void writeDemoDay(const std::filesystem::path& folder, uint32_t seed, int fieldSize = 0);
void writeDayFiles(const std::filesystem::path& folder, const DemoDay& day);

// Writes the demo day into folder only when it does not hold a data set (all three record files)
// yet, so a bought day is never replaced. True when it was written.
bool writeDemoDayUnlessDataSet(const std::filesystem::path& folder, uint32_t seed);

// Bracket number of horse number h: eight brackets, the larger ones at the outside when the field
// has more than eight runners.
int bracketNumber(int horseNumber, int runners);

}  // namespace zv
