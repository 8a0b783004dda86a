// The library over a 1,000-day demo season (about nine years of Saturdays and Sundays): the days
// added from their folders, the last 16 packed by jlha and added from their archives, as the
// program adds what it takes in (packing all 1,000 would take jlha longer than the rest). Measured:
// adding a day against "lhasa x" of its archive (target: at most 1.2 times lhasa plus 30 ms), the
// horse search (at most 20 ms), the report card from rows (at most 0.5 s), loading a kept day and
// computing its first race (switching days, at most 100 ms to the first race painted), and the
// disk the library takes against the archives (at most 1.2 times; the archives' size estimated
// from the 16 packed). Writing the season and building the library are timed once and given as
// counters. Building takes minutes: with ZV_LIBRARY_BENCH_FOLDER set, the season and the library
// are made in that folder once and taken from it on later runs.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
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

fs::path benchFolder() {
    if (const char* kept = std::getenv("ZV_LIBRARY_BENCH_FOLDER")) {
        fs::create_directories(kept);
        return kept;
    }
    std::string pattern = (fs::temp_directory_path() / "zv-library-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    static const fs::path removeAtExit = pattern;
    std::atexit([] { fs::remove_all(removeAtExit); });
    return pattern;
}

int dateOf(const zv::library::DayInput& day) { return std::stoi(day.path.stem().string()); }

// A child writes the season, so its memory stays out of this process.
void writeSeason(const fs::path& folder) {
    fs::remove_all(folder);
    pid_t child = fork();
    if (child == 0) {
        zv::demo::writeSeason(folder, kSeasonDays, 1);
        std::_Exit(0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || status != 0) throw std::runtime_error("no season");
}

// The days in date order, the last kAddedDays packed (once: a kept folder holds their archives).
std::vector<zv::library::DayInput> seasonDays(const fs::path& season) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(season))
        if (entry.is_directory()) folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    std::vector<zv::library::DayInput> days;
    for (size_t d = 0; d < folders.size(); ++d) {
        if (d < folders.size() - kAddedDays) {
            days.push_back({folders[d], false});
            continue;
        }
        const fs::path archive = folders[d].string() + ".lzh";
        days.push_back({fs::exists(archive) ? archive : packed(folders[d]), true});
    }
    return days;
}

// Adds the days the library lacks: all of them at first, the ones an interrupted add benchmark
// removed on a later run.
void addMissingDays(const fs::path& data, const std::vector<zv::library::DayInput>& days) {
    zv::library::Library library(data, zv::library::OpenMode::Create);
    std::set<int> kept;
    for (const zv::library::KeptDay& day : library.days()) kept.insert(day.date);
    zv::ScratchFolder scratch("zv-library-bench");
    for (const zv::library::DayInput& day : days)
        if (!kept.contains(dateOf(day)) && !zv::library::addDayInput(library, day, scratch).added)
            throw std::runtime_error("not added: " + day.path.string());
}

const Setup& setup() {
    static const Setup made = [] {
        Setup s;
        s.root = benchFolder();
        s.data = s.root / "data";
        const fs::path timings = s.root / "setup-seconds";
        if (std::ifstream in(timings); in >> s.seasonSeconds >> s.buildSeconds) {
            s.days = seasonDays(s.root / "season");
            addMissingDays(s.data, s.days);
        } else {
            Clock::time_point start = Clock::now();
            writeSeason(s.root / "season");
            s.seasonSeconds = secondsSince(start);
            s.days = seasonDays(s.root / "season");
            fs::remove_all(s.data);
            start = Clock::now();
            addMissingDays(s.data, s.days);
            s.buildSeconds = secondsSince(start);
            std::ofstream(timings) << s.seasonSeconds << ' ' << s.buildSeconds << '\n';
        }
        uintmax_t packedBytes = 0;
        for (const zv::library::DayInput& day : s.days)
            if (day.archive) packedBytes += fs::file_size(day.path);
        s.archiveBytes = static_cast<double>(packedBytes) / kAddedDays * kSeasonDays;
        return s;
    }();
    return made;
}

// Removes the rows of the last kAddedDays days, so that they can be added again.
void removeLastDays(zv::library::Library& library) {
    const int first = dateOf(setup().days[kSeasonDays - kAddedDays]);
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
