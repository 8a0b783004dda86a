// The engine and its readers on one race of arbitrary lines, built in memory the way the loader
// builds a store.
#include <string>
#include <string_view>

#include "data/line_cutter.h"
#include "data/records.h"
#include "data/store.h"
#include "fuzz_entries.h"
#include "show_every_race.h"

namespace zv::fuzz {

void showRaceFromLines(Input input) {
    std::vector<std::string_view> lines =
        splitLines(std::string_view(reinterpret_cast<const char*>(input.data()), input.size()));
    if (lines.empty()) return;
    const int runners = std::min(static_cast<int>(lines.size() - 1) / 2, kMaxRunnersPerRace);

    RaceDataStore store;
    std::string header(lines[0]);
    const size_t countAt = static_cast<size_t>(header_line::runner_count.pos - 1);
    if (header.size() < countAt + 2) header.resize(countAt + 2, ' ');
    header.replace(countAt, 2, std::string(1, char('0' + runners / 10)) + char('0' + runners % 10));
    store.headerLines = {header};
    for (int n = 0; n < runners; ++n) {
        store.runnerLines.push_back(std::string(lines[1 + 2 * n]));
        store.horseLines.push_back(std::string(lines[2 + 2 * n]));
    }
    store.raceCount = 1;
    store.headers = readRaceHeaders(store.headerLines);
    showEveryRace(store);
}

}  // namespace zv::fuzz
