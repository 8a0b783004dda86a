// Computing a race: the ratings stage alone and the whole result of one race of 18 runners, and
// every race of a demo meeting day (with the grid in runner order and sorted by the index).
// Targets: the ratings of one race within 5 us, its whole result under 20 us, the day under 1 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "data/store.h"
#include "demo/demo_day.h"
#include "predict/compute_race.h"
#include "predict/rate_race.h"

namespace {

constexpr zv::LocalDateTime kNow{2026, 12, 10, 43200};

// A demo day loaded from a temporary folder, which is removed again at once.
zv::RaceDataStore loadDemoDay(int fieldSize) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zv-engine-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    zv::writeDemoDay(pattern, 1, fieldSize);
    zv::RaceDataStore store;
    bool loaded = zv::loadDataSet(store, pattern);
    std::filesystem::remove_all(pattern);
    if (!loaded) throw std::runtime_error("demo day not loaded");
    return store;
}

const zv::RaceDataStore& fullFieldDay() {
    static const zv::RaceDataStore store = loadDemoDay(18);
    return store;
}

const zv::RaceDataStore& demoDay() {
    static const zv::RaceDataStore store = loadDemoDay(0);
    return store;
}

void BM_RatingsOf18Runners(benchmark::State& state) {
    const zv::RaceDataStore& store = fullFieldDay();
    for (auto _ : state) benchmark::DoNotOptimize(zv::rateRace(store, 10, kNow));
}
BENCHMARK(BM_RatingsOf18Runners)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_OneRaceOf18Runners(benchmark::State& state) {
    const zv::RaceDataStore& store = fullFieldDay();
    for (auto _ : state) benchmark::DoNotOptimize(zv::computeRace(store, 10, zv::kColRunner, kNow));
}
BENCHMARK(BM_OneRaceOf18Runners)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_WholeDemoDay(benchmark::State& state) {
    const zv::RaceDataStore& store = demoDay();
    int sortColumn = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int race = 0; race < store.raceCount; ++race) {
            benchmark::DoNotOptimize(zv::computeRace(store, race, sortColumn, kNow));
        }
    }
    state.counters["races"] = store.raceCount;
}
BENCHMARK(BM_WholeDemoDay)->Arg(zv::kColRunner)->Arg(zv::kColIndex)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_WholeFullFieldDay(benchmark::State& state) {
    const zv::RaceDataStore& store = fullFieldDay();
    for (auto _ : state) {
        for (int race = 0; race < store.raceCount; ++race) {
            benchmark::DoNotOptimize(zv::computeRace(store, race, zv::kColRunner, kNow));
        }
    }
    state.counters["races"] = store.raceCount;
}
BENCHMARK(BM_WholeFullFieldDay)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
