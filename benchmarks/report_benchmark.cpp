// The report card over a demo season of day folders: the time per meeting day over 25, 50 and 100
// days (it should grow linearly; target at most 5 ms a day on one core) and the peak memory of the
// process after a 100-day run, from which the 1,000-day figure is estimated (target under 200 MB).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/demo_season.h"
#include "report/report_run.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSeasonDays = 100;

// The day folders of a 100-day season, written once into a temporary folder removed at exit. A
// child process writes them, so the season's own memory does not count in this process's peak.
const std::vector<fs::path>& seasonDays() {
    static const std::vector<fs::path> days = [] {
        std::string pattern = (fs::temp_directory_path() / "zv-report-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        static const fs::path root = pattern;
        std::atexit([] { fs::remove_all(root); });
        pid_t child = fork();
        if (child == 0) {
            zv::demo::writeSeason(root, kSeasonDays, 1);
            std::_Exit(0);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || status != 0) throw std::runtime_error("season not written");
        std::vector<fs::path> folders;
        for (const auto& entry : fs::directory_iterator(root)) folders.push_back(entry.path());
        std::sort(folders.begin(), folders.end());
        return folders;
    }();
    return days;
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_ReportOverDays(benchmark::State& state) {
    const int dayCount = static_cast<int>(state.range(0));
    std::vector<fs::path> days(seasonDays().begin(), seasonDays().begin() + dayCount);
    for (auto _ : state) benchmark::DoNotOptimize(zv::report::runReport(days));
    state.counters["days"] = dayCount;
}
BENCHMARK(BM_ReportOverDays)->Arg(25)->Arg(50)->Arg(kSeasonDays)->Unit(benchmark::kMillisecond)->Repetitions(3);

// The peak resident memory once a 100-day report has run (the season itself is written before).
void BM_ReportPeakMemory(benchmark::State& state) {
    const std::vector<fs::path>& days = seasonDays();
    long before = peakResidentKilobytes();
    for (auto _ : state) benchmark::DoNotOptimize(zv::report::runReport(days));
    long after = peakResidentKilobytes();
    state.counters["peakRSS_MB"] = static_cast<double>(after) / 1024.0;
    state.counters["growth_MB"] = static_cast<double>(after - before) / 1024.0;
}
BENCHMARK(BM_ReportPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
