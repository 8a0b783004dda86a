#include "show_every_race.h"

#include <string>
#include <vector>

#include "data/error.h"
#include "data/race_name.h"
#include "data/sjis.h"
#include "export/index_lines.h"
#include "export/kmi_file.h"
#include "export/kmi_lines.h"
#include "export/pr_csv_lines.h"
#include "fuzz_entries.h"
#include "predict/bet_lines.h"
#include "predict/cell_markup.h"
#include "predict/compute_race.h"
#include "predict/grid_sort.h"
#include "predict/horse_detail.h"
#include "predict/rate_race.h"

namespace zv::fuzz {
namespace {

// A fixed "now" keeps every run of an input the same.
constexpr LocalDateTime kNow{2026, 12, 10, 12 * 3600};

// Runs step; a zv::Error is how the code rejects bad record text, anything else is a finding.
template <typename Step>
void tolerateErrors(Step&& step) {
    try {
        step();
    } catch (const Error& e) {
        if (validUtf8(e.message()) != e.message()) throw InvariantBroken("an error message is no UTF-8");
    }
}

void showResult(const RaceResult& result) {
    for (const GridRow& row : result.cells) {
        for (const GridCell& cell : row) toUtf8(cellMarkup(cell.text));
    }
    tolerateErrors([&] { betWindowFileText(betWindowText(result)); });
}

void exportRatings(const RaceDataStore& store, int race, const RaceRatings& ratings) {
    std::vector<std::string> lines;
    tolerateErrors([&] { appendIndexLines(store, ratings, lines); });
    tolerateErrors([&] { appendKmiLines(lines, store.headers[race].record, ratings.betKeys); });
    tolerateErrors([&] { prCsvLine(store, ratings, kColTR); });
    for (const std::string& line : lines) toUtf8(line);
}

}  // namespace

void showEveryRace(const RaceDataStore& store) {
    tolerateErrors([&] { allRacesKmiFileName(store); });
    for (int race = 0; race < store.raceCount; ++race) {
        tolerateErrors([&] { toUtf8(raceNameCopyText(store, race)); });
        tolerateErrors([&] {
            exportRatings(store, race, rateRace(store, race, kNow));
            RaceResult result = computeRace(store, race, kColRunner, kNow);
            showResult(result);
            for (int column = 0; column < kGridColumns; ++column) clickGridHeader(result, column);
            for (int runner = 0; runner < result.runnerCount; ++runner) {
                tolerateErrors([&] { buildHorseDetail(store, race, runner); });
            }
        });
        for (int column : {kColName, kColTR, kColPR, kColIndex, kColMark}) {
            tolerateErrors([&] { computeRace(store, race, column, kNow); });
        }
    }
}

}  // namespace zv::fuzz
