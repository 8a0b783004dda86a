// The library over a 1,000-day demo season (about nine years of Saturdays and Sundays): the days
// added from their folders, the last 16 packed by jlha and added from their archives, as the
// program adds what it takes in (packing all 1,000 would take jlha longer than the rest). Measured:
// adding a day against "lhasa x" of its archive (target: at most 1.2 times lhasa plus 30 ms), the
// horse search (at most 20 ms), the report card from rows (at most 0.5 s), loading a kept day and
// computing its first race (switching days, at most 100 ms to the first race painted), and the
// disk the library takes against the archives (at most 1.2 times; the archives' size estimated
// from the 16 packed). Writing the season and building the library are timed once and given as
// counters.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/store.h"
#include "demo/demo_season.h"
#include "library/day_input.h"
#include "library/library.h"
#include "library/library_report.h"
#include "library/sqlite_db.h"
#include "predict/compute_race.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kSeasonDays = 1000;
constexpr int kAddedDays = 16;  // the last days, removed and added again by the add benchmark

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

uintmax_t bytesUnder(const fs::path& path) {
    uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(path))
        if (entry.is_regular_file()) total += entry.file_size();
    return total;
}

struct Setup {
    fs::path root;
    fs::path data;
    std::vector<zv::library::DayInput> days;  // in date order: folders, then the archived last days
    double seasonSeconds = 0;
    double buildSeconds = 0;
    double archiveBytes = 0;  // estimated for all days
};

fs::path packed(const fs::path& day) {
    const fs::path archive = day.string() + ".lzh";
    const std::string command = "cd '" + day.string() + "' && jlha aq '" + archive.string() + "' bvo_*.bv2 >/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("jlha failed");
    return archive;
}

const Setup& setup() {
    static const Setup made = [] {
        Setup s;
        std::string pattern = (fs::temp_directory_path() / "zv-library-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        s.root = pattern;
        static const fs::path removeAtExit = s.root;
        std::atexit([] { fs::remove_all(removeAtExit); });
        s.data = s.root / "data";

        // A child writes the season, so its memory stays out of this process.
        Clock::time_point start = Clock::now();
        pid_t child = fork();
        if (child == 0) {
            zv::demo::writeSeason(s.root / "season", kSeasonDays, 1);
            std::_Exit(0);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || status != 0) throw std::runtime_error("no season");
        s.seasonSeconds = secondsSince(start);

        std::vector<fs::path> folders;
        for (const auto& entry : fs::directory_iterator(s.root / "season")) folders.push_back(entry.path());
        std::sort(folders.begin(), folders.end());
        uintmax_t packedBytes = 0;
        for (size_t d = 0; d < folders.size(); ++d) {
            if (d < folders.size() - kAddedDays) {
                s.days.push_back({folders[d], false});
                continue;
            }
            s.days.push_back({packed(folders[d]), true});
            packedBytes += fs::file_size(s.days.back().path);
        }
        s.archiveBytes = static_cast<double>(packedBytes) / kAddedDays * kSeasonDays;

        start = Clock::now();
        zv::library::Library library(s.data, zv::library::OpenMode::Create);
        zv::ScratchFolder scratch("zv-library-bench");
        for (const zv::library::DayInput& day : s.days)
            if (!zv::library::addDayInput(library, day, scratch).added)
                throw std::runtime_error("not added: " + day.path.string());
        s.buildSeconds = secondsSince(start);
        return s;
    }();
    return made;
}

// Removes the rows of the last kAddedDays days, so that they can be added again.
void removeLastDays(zv::library::Library& library) {
    const int first = std::stoi(setup().days[kSeasonDays - kAddedDays].path.stem().string());
    zv::library::Database& db = library.database();
    zv::library::Transaction transaction(db);
    const std::string since = std::to_string(first);
    db.exec("DELETE FROM entries WHERE race IN (SELECT id FROM races WHERE date >= " + since + ")");
    db.exec("DELETE FROM races WHERE date >= " + since);
    db.exec("DELETE FROM days WHERE date >= " + since);
    db.exec("DELETE FROM past_races WHERE seen >= " + since);
    transaction.commit();
}

void BM_AddArchivedDay(benchmark::State& state) {
    const Setup& s = setup();
    zv::library::Library library(s.data, zv::library::OpenMode::Existing);
    zv::ScratchFolder scratch("zv-library-bench");
    for (auto _ : state) {
        state.PauseTiming();
        removeLastDays(library);
        state.ResumeTiming();
        for (int d = kSeasonDays - kAddedDays; d < kSeasonDays; ++d)
            benchmark::DoNotOptimize(zv::library::addDayInput(library, s.days[d], scratch));
    }
    state.counters["days"] = kAddedDays;
}
BENCHMARK(BM_AddArchivedDay)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

void BM_LhasaOverArchives(benchmark::State& state) {
    const Setup& s = setup();
    const fs::path target = s.root / "lhasa-out";
    for (auto _ : state) {
        for (int d = kSeasonDays - kAddedDays; d < kSeasonDays; ++d) {
            state.PauseTiming();
            fs::remove_all(target);
            fs::create_directories(target);
            const std::string command = "cd '" + target.string() + "' && lhasa xqf '" + s.days[d].path.string() + "'";
            state.ResumeTiming();
            if (std::system(command.c_str()) != 0) state.SkipWithError("lhasa failed");
        }
    }
    state.counters["days"] = kAddedDays;
}
BENCHMARK(BM_LhasaOverArchives)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

void BM_FindHorse(benchmark::State& state) {
    zv::library::Library library(setup().data, zv::library::OpenMode::Existing);
    // A name's middle part in katakana, and another in hiragana: what a user types.
    const char* queries[] = {"サクラ", "ぶらっく", "ｷﾝｸﾞ"};
    size_t horses = 0;
    for (auto _ : state)
        for (const char* query : queries) horses += library.findHorses(query).size();
    state.counters["queries"] = 3;
    state.counters["horsesFound"] = static_cast<double>(horses) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FindHorse)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

void BM_ReportOverLibrary(benchmark::State& state) {
    zv::library::Library library(setup().data, zv::library::OpenMode::Existing);
    for (auto _ : state) benchmark::DoNotOptimize(zv::library::libraryReport(library));
    state.counters["days"] = static_cast<double>(library.days().size());
}
BENCHMARK(BM_ReportOverLibrary)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

void BM_SwitchDay(benchmark::State& state) {
    zv::library::Library library(setup().data, zv::library::OpenMode::Existing);
    const int date = std::stoi(setup().days[kSeasonDays / 2].path.filename().string());
    for (auto _ : state) {
        zv::RaceDataStore store;
        library.loadDay(date, store);
        benchmark::DoNotOptimize(zv::computeRace(store, 0, 1, zv::LocalDateTime{2026, 5, 9, 0}));
    }
}
BENCHMARK(BM_SwitchDay)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

// The figures of the setup, and the disk the library takes against the archives.
void BM_LibraryBuilt(benchmark::State& state) {
    const Setup& s = setup();
    for (auto _ : state) benchmark::DoNotOptimize(s.days.size());
    const auto libraryBytes = static_cast<double>(bytesUnder(s.data));
    state.counters["seasonSeconds"] = s.seasonSeconds;
    state.counters["buildSeconds"] = s.buildSeconds;
    state.counters["archiveMB"] = s.archiveBytes / 1e6;
    state.counters["libraryMB"] = libraryBytes / 1e6;
    state.counters["diskRatio"] = libraryBytes / s.archiveBytes;
}
BENCHMARK(BM_LibraryBuilt)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
