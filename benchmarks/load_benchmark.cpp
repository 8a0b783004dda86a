// Loading a full meeting day (36 races of 18 runners, written by the demo generator) beside a
// bare read of the same three files into memory. Loading is meant to cost at most twice the read.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "data/store.h"
#include "demo/demo_day.h"

namespace {

// A full day in a temporary folder, written once for all benchmarks and removed at exit.
class FullDay {
public:
    FullDay() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zv-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
        zv::writeDemoDay(folder_, 1, 18);
    }
    ~FullDay() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

const FullDay& fullDay() {
    static const FullDay day;
    return day;
}

// The plainest fast read: one allocation of the file's size and one read call.
std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string content(static_cast<size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    return content;
}

void BM_ReadThreeFiles(benchmark::State& state) {
    const std::filesystem::path& folder = fullDay().folder();
    int64_t bytes = 0;
    for (auto _ : state) {
        for (const char* name : {zv::kHeaderFile, zv::kRunnerFile, zv::kHorseFile}) {
            std::string content = readFile(folder / name);
            bytes += static_cast<int64_t>(content.size());
            benchmark::DoNotOptimize(content);
        }
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadThreeFiles)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_LoadFullDay(benchmark::State& state) {
    const std::filesystem::path& folder = fullDay().folder();
    zv::RaceDataStore store;
    for (auto _ : state) {
        if (!zv::loadDataSet(store, folder)) state.SkipWithError("data set missing");
        benchmark::DoNotOptimize(store);
    }
    state.counters["races"] = store.raceCount;
    state.counters["runners"] = static_cast<double>(store.runnerLines.size());
}
BENCHMARK(BM_LoadFullDay)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
