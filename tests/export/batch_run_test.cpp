#include "export/batch_run.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/sjis.h"
#include "support/engine_fixture.h"

namespace zv {
namespace {

fixture::Race smallRace(const std::string& number, const std::string& weight = "570") {
    fixture::Race race;
    race.raceNumber = number;
    fixture::Entry e;
    e.weight = weight;
    e.past = {fixture::PastRace{}};
    race.entries = {e, e};
    return race;
}

RaceDataStore storeOfRaces(int count) {
    std::vector<fixture::Race> races;
    for (int i = 0; i < count; ++i)
        races.push_back(smallRace(i < 9 ? "0" + std::to_string(i + 1) : std::to_string(i + 1)));
    return fixture::storeOf(races);
}

struct Recorder {
    std::vector<int> percents;
    std::vector<int> races;
    BatchRunOptions options() {
        BatchRunOptions o;
        o.now = fixture::kNow;
        o.progress = [this](int p) { percents.push_back(p); };
        return o;
    }
    BatchStep step() {
        return [this](int race, const RaceRatings& r) {
            EXPECT_EQ(r.race, race);
            races.push_back(race);
            return true;
        };
    }
};

TEST(BatchPercent, RoundsHalvesUp) {
    struct Case {
        int done, total, percent;
    };
    const Case cases[] = {{1, 3, 33}, {2, 3, 67}, {3, 3, 100}, {1, 8, 13}, {3, 8, 38}, {0, 12, 0}, {1, 12, 8}};
    for (const Case& c : cases) EXPECT_EQ(batchPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
}

TEST(RunBatch, StepsThroughEveryRaceAndFillsTheBar) {
    RaceDataStore store = storeOfRaces(3);
    Recorder rec;
    BatchOutcome outcome = runBatch(store, rec.options(), rec.step());
    EXPECT_EQ(outcome.racesDone, 3);
    EXPECT_FALSE(outcome.aborted);
    EXPECT_EQ(rec.races, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(rec.percents, (std::vector<int>{33, 67, 100, 100}));
}

TEST(RunBatch, FinishesTheRaceInProgressWhenAborted) {
    RaceDataStore store = storeOfRaces(4);
    Recorder rec;
    BatchRunOptions options = rec.options();
    int asked = 0;
    options.abortRequested = [&] { return ++asked == 3; };
    BatchOutcome outcome = runBatch(store, options, rec.step());
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(outcome.racesDone, 2);
    EXPECT_EQ(rec.races, (std::vector<int>{0, 1}));
    EXPECT_EQ(rec.percents, (std::vector<int>{25, 50})) << "the bar is not set to 100 after an abort";
}

TEST(RunBatch, EndsWhenTheStepSaysSo) {
    RaceDataStore store = storeOfRaces(4);
    Recorder rec;
    BatchOutcome outcome = runBatch(store, rec.options(), [&](int race, const RaceRatings&) {
        rec.races.push_back(race);
        return race < 1;
    });
    EXPECT_FALSE(outcome.aborted);
    EXPECT_EQ(outcome.racesDone, 2);
    EXPECT_EQ(rec.percents, (std::vector<int>{25, 50}));
}

TEST(RunBatch, NamesTheRaceOfAConversionError) {
    RaceDataStore store = fixture::storeOf({smallRace("01"), smallRace("02", "5x0"), smallRace("03")});
    Recorder rec;
    try {
        runBatch(store, rec.options(), rec.step());
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        EXPECT_EQ(e.field(), "weight_carried");
        EXPECT_TRUE(e.message().starts_with("2番目のレース (02R)")) << e.message();
    }
    EXPECT_EQ(rec.races, (std::vector<int>{0}));
}

}  // namespace
}  // namespace zv
