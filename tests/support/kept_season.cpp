#include "kept_season.h"

#include "demo/demo_season.h"
#include "library/library.h"

namespace zv::fixture {
namespace {

RecordLines recordLines(const std::vector<std::string>& lines) {
    RecordLines kept;
    for (const std::string& line : lines) kept.push_back(line);
    return kept;
}

}  // namespace

std::vector<RaceDataStore> demoSeasonDays(int days, uint32_t seed) {
    demo::Season season(seed);
    std::vector<RaceDataStore> stores;
    for (int d = 0; d < days; ++d) {
        const DemoDay day = season.nextDay();
        stores.push_back(assembleDataSet(recordLines(day.headerLines), recordLines(day.runnerLines),
                                         recordLines(day.horseLines), "demo"));
    }
    return stores;
}

std::vector<int> keepDemoSeason(const std::filesystem::path& dataFolder, int days, uint32_t seed) {
    library::Library library(dataFolder, library::OpenMode::Create);
    std::vector<int> dates;
    for (const RaceDataStore& day : demoSeasonDays(days, seed))
        dates.push_back(library.addDay(day, "demo season").date);
    return dates;
}

}  // namespace zv::fixture
