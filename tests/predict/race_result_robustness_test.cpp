// Damaged record lines never break the computation: every race either computes whole or stops
// with the one error type.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "data/error.h"
#include "data/store.h"
#include "demo/demo_day.h"
#include "predict/compute_race.h"
#include "support/engine_fixture.h"

namespace zv {
namespace {

RaceDataStore loadedDemoDay() {
    std::string folder = (std::filesystem::temp_directory_path() / "zv-engine-robust-XXXXXX").string();
    if (!::mkdtemp(folder.data())) ADD_FAILURE() << "no temporary folder";
    writeDemoDay(folder, 5);
    RaceDataStore store;
    EXPECT_TRUE(loadDataSet(store, folder));
    std::filesystem::remove_all(folder);
    return store;
}

void expectWhole(const RaceResult& r) {
    EXPECT_EQ(r.cells.size(), static_cast<size_t>(r.runnerCount) + 1);
    EXPECT_EQ(r.rowOrder.size(), static_cast<size_t>(r.runnerCount));
    for (const std::string& key : r.betKeys) EXPECT_EQ(key.size(), 6u);
    for (int runner : r.markedRunners) EXPECT_TRUE(runner >= 0 && runner <= r.runnerCount) << runner;
}

TEST(RaceResultRobustness, EveryIntactRaceComputesInEverySortOrder) {
    const RaceDataStore store = loadedDemoDay();
    ASSERT_GT(store.raceCount, 0);
    for (int race = 0; race < store.raceCount; ++race) {
        for (int sortColumn : {1, 2, 7, 8, 9, 10}) expectWhole(computeRace(store, race, sortColumn, fixture::kNow));
    }
}

TEST(RaceResultRobustness, DamagedLinesComputeOrStopWithAnError) {
    struct Damage {
        const char* what;
        std::string bytes;
    };
    const Damage damages[] = {
        {"digits", "0123456789"},
        {"blanks", " "},
        {"letters", "AZaz"},
        {"signs", "+-."},
        {"CP932 lead bytes", "\x82\x88\x93\xE0"},
        {"controls", std::string("\x00\x1A\r\t", 4)},
        {"cut lines", ""},
    };
    const RaceDataStore intact = loadedDemoDay();
    std::mt19937 random(11);
    for (const Damage& damage : damages) {
        RaceDataStore store = intact;
        for (size_t line = 0; line < store.horseLines.size(); ++line) {
            for (RecordLines* lines : {&store.horseLines, &store.runnerLines}) {
                std::string text(lines->at(line));
                if (damage.bytes.empty()) {
                    if (line % 7 == 0) text.resize(random() % (text.size() + 1));
                } else {
                    for (int hit = 0; hit < 3; ++hit) {
                        text[random() % text.size()] = damage.bytes[random() % damage.bytes.size()];
                    }
                }
                lines->replace(line, std::move(text));
            }
        }
        int computed = 0;
        for (int race = 0; race < store.raceCount; ++race) {
            for (int sortColumn : {1, 2, 7, 8, 9, 10}) {
                try {
                    expectWhole(computeRace(store, race, sortColumn, fixture::kNow));
                    ++computed;
                } catch (const Error&) {
                }
            }
        }
        RecordProperty(damage.what, computed);
        // Damage in a few bytes of a line leaves most races computable.
        EXPECT_GT(computed, 0) << damage.what;
    }
}

}  // namespace
}  // namespace zv
