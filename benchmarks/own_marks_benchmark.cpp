// Setting an own mark as a key press does: the mark stored in its own transaction in a library of
// a 60-day season whose every race already carries marks, and the race's marks read back for the
// grid; and the whole of it through the session, up to the race's new result with the mark in its
// cells, which the grid then paints. Target: at most 16 ms from the key press to the mark stored
// and shown.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/store.h"
#include "demo/demo_season.h"
#include "library/library.h"
#include "library/own_marks.h"
#include "session/race_session.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSeasonDays = 60;

struct Setup {
    fs::path data;
    zv::RaceDataStore lastDay;
};

const Setup& setup() {
    static const Setup made = [] {
        Setup s;
        std::string pattern = (fs::temp_directory_path() / "zelvora-own-marks-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        const fs::path root = pattern;
        static const struct Remove {
            fs::path path;
            ~Remove() {
                std::error_code ec;
                fs::remove_all(path, ec);
            }
        } removeAtExit{root};
        s.data = root / "data";
        zv::demo::writeSeason(root / "season", kSeasonDays, 1);
        std::vector<fs::path> days;
        for (const auto& entry : fs::directory_iterator(root / "season")) days.push_back(entry.path());
        std::sort(days.begin(), days.end());
        zv::library::Library library(s.data, zv::library::OpenMode::Create);
        zv::library::OwnMarks marks(library);
        for (const fs::path& day : days) {
            zv::RaceDataStore store;
            if (!zv::loadDataSet(store, day)) throw std::runtime_error("no day in " + day.string());
            library.addDay(store, day.string());
            for (int r = 0; r < store.raceCount; ++r)
                for (int n = 1; n <= std::min(store.runnerCount(r), zv::kOwnMarks); ++n)
                    marks.setOnCard(store, r, n, n - 1);
            s.lastDay = std::move(store);
        }
        // The last day is the data folder's own, as the session shows it.
        for (const auto& file : fs::directory_iterator(days.back()))
            fs::copy_file(file.path(), s.data / file.path().filename());
        return s;
    }();
    return made;
}

void BM_SetOwnMark(benchmark::State& state) {
    const Setup& s = setup();
    zv::library::Library library(s.data, zv::library::OpenMode::Existing);
    zv::library::OwnMarks marks(library);
    int step = 0;
    for (auto _ : state) {
        const int race = step % s.lastDay.raceCount;
        const int horse = 1 + step / s.lastDay.raceCount % s.lastDay.runnerCount(race);
        marks.setOnCard(s.lastDay, race, horse, step % zv::kOwnMarks);
        benchmark::DoNotOptimize(marks.onCard(s.lastDay, race));
        ++step;
    }
    state.counters["marksStored"] = static_cast<double>(marks.ofDay(0).size());
}
BENCHMARK(BM_SetOwnMark)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

void BM_SessionSetOwnMark(benchmark::State& state) {
    const Setup& s = setup();
    zv::RaceSession session({s.data, {}, {}});
    session.loadDataFolder();
    int fullest = 0;
    for (int r = 0; r < s.lastDay.raceCount; ++r)
        if (s.lastDay.runnerCount(r) > s.lastDay.runnerCount(fullest)) fullest = r;
    session.select(fullest);
    const int runners = s.lastDay.runnerCount(fullest);
    int step = 0;
    for (auto _ : state) {
        session.setOwnMark(1 + step % runners, step % zv::kOwnMarks);
        benchmark::DoNotOptimize(session.result().get());
        ++step;
    }
    if (!session.result() || !session.result()->ownMarks.any()) state.SkipWithError("the marks never showed");
    state.counters["runners"] = runners;
}
BENCHMARK(BM_SessionSetOwnMark)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
