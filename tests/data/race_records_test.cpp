// Each race's typed records are decoded from the store's lines on first use, once, whichever thread
// asks first; a copy of a store decodes its own lines.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "data/record_codec.h"
#include "data/store.h"
#include "demo/demo_day.h"
#include "support/temp_folder.h"

namespace zv {
namespace {

RaceDataStore demoDay() {
    fixture::TempFolder folder;
    writeDemoDay(folder.path(), 3);
    RaceDataStore store;
    EXPECT_TRUE(loadDataSet(store, folder.path()));
    return store;
}

TEST(RaceRecords, HoldEachRunnerAndHorseOfTheRaceAsItsLinesRead) {
    const RaceDataStore store = demoDay();
    ASSERT_GT(store.raceCount, 1);
    for (int race = 0; race < store.raceCount; ++race) {
        const RaceRecords& records = store.records(race);
        ASSERT_EQ(records.runners.size(), static_cast<size_t>(store.runnerCount(race)));
        ASSERT_EQ(records.horses.size(), records.runners.size());
        for (size_t n = 0; n < records.runners.size(); ++n) {
            const size_t line = static_cast<size_t>(store.firstRunner(race)) + n;
            EXPECT_EQ(records.runners[n], decodeRunnerEntry(Cp932View(store.runnerLines[line])));
            EXPECT_EQ(records.horses[n], decodeHorseRecord(Cp932View(store.horseLines[line])));
        }
        EXPECT_EQ(&store.records(race), &records) << "decoded once and kept";
    }
}

TEST(RaceRecords, ThreadsReadingAtOnceShareOneDecoding) {
    const RaceDataStore store = demoDay();
    constexpr int kThreads = 4;
    std::vector<std::vector<const RaceRecords*>> seen(kThreads);
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            while (!go) std::this_thread::yield();
            // Half the threads go forward and half backward, so that they meet on every race.
            for (int i = 0; i < store.raceCount; ++i) {
                const int race = t % 2 == 0 ? i : store.raceCount - 1 - i;
                seen[t].push_back(&store.records(race));
            }
        });
    }
    go = true;
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < store.raceCount; ++i) {
            const int race = t % 2 == 0 ? i : store.raceCount - 1 - i;
            EXPECT_EQ(seen[t][i], &store.records(race)) << "thread " << t << ", race " << race;
        }
    }
    EXPECT_EQ(store.records(0).horses.size(), static_cast<size_t>(store.runnerCount(0)));
}

TEST(RaceRecords, ACopiedStoreReadsItsOwnLines) {
    const RaceDataStore store = demoDay();
    const std::string firstName = store.records(0).runners[0].horseName.text;
    RaceDataStore copy = store;
    RunnerEntry runner = decodeRunnerEntry(Cp932View(copy.runnerLines[0]));
    runner.horseName = textValue("コピー");
    copy.runnerLines.replace(0, encodeRunnerEntry(runner, Cp932View(copy.runnerLines[0])).bytes());
    EXPECT_EQ(copy.records(0).runners[0].horseName.text, "コピー");
    EXPECT_EQ(store.records(0).runners[0].horseName.text, firstName);
}

}  // namespace
}  // namespace zv
