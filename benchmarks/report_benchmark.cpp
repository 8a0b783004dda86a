// The report card over a demo season of day folders: the time per meeting day over 25, 50 and 100
// days (it should grow linearly; target at most 5 ms a day on one core) and the peak memory of the
// process after a 100-day run, from which the 1,000-day figure is estimated (target under 200 MB).
// Over archives: the first 16 days packed by jlha, reported from the archives and from the folders,
// and unpacked by "lhasa x"; what the archives add should cost at most 1.2 times lhasa's unpacking.
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

#include "demo/demo_season.h"
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
        if (child < 0 || waitpid(child, &status, 0) != child || status != 0)
            throw std::runtime_error("season not written");
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

constexpr int kArchiveDays = 16;

// The first kArchiveDays days, each packed by jlha into "<day>.lzh" beside the day folders.
const std::vector<fs::path>& seasonArchives() {
    static const std::vector<fs::path> archives = [] {
        std::vector<fs::path> packed;
        for (int d = 0; d < kArchiveDays; ++d) {
            const fs::path& day = seasonDays()[static_cast<size_t>(d)];
            fs::path archive = day.string() + ".lzh";
            std::string command =
                "cd '" + day.string() + "' && jlha aq '" + archive.string() + "' bvo_*.bv2 >/dev/null";
            if (std::system(command.c_str()) != 0) throw std::runtime_error("jlha failed");
            packed.push_back(archive);
        }
        return packed;
    }();
    return archives;
}

void BM_ReportOverArchives(benchmark::State& state) {
    const std::vector<fs::path>& archives = seasonArchives();
    for (auto _ : state) benchmark::DoNotOptimize(zv::report::runReport(archives));
}
BENCHMARK(BM_ReportOverArchives)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

void BM_ReportOverArchivedDayFolders(benchmark::State& state) {
    seasonArchives();
    std::vector<fs::path> days(seasonDays().begin(), seasonDays().begin() + kArchiveDays);
    for (auto _ : state) benchmark::DoNotOptimize(zv::report::runReport(days));
}
BENCHMARK(BM_ReportOverArchivedDayFolders)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

void BM_LhasaOverArchives(benchmark::State& state) {
    const std::vector<fs::path>& archives = seasonArchives();
    const fs::path target = archives.front().parent_path() / "lhasa-out";
    for (auto _ : state) {
        for (const fs::path& archive : archives) {
            state.PauseTiming();
            fs::remove_all(target);
            fs::create_directories(target);
            std::string command = "cd '" + target.string() + "' && lhasa xqf '" + archive.string() + "'";
            state.ResumeTiming();
            if (std::system(command.c_str()) != 0) state.SkipWithError("lhasa failed");
        }
    }
}
BENCHMARK(BM_LhasaOverArchives)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

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
