#include "report/report_tally.h"

#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace zv::report {
namespace {

constexpr LocalDateTime kRaceDay{2010, 5, 2, 0};
constexpr LocalDateTime kLaterDay{2010, 5, 9, 0};
const std::vector<std::string> kNames{"ALPHA", "BRAVO", "CHARLIE", "DELTA"};

// The day predicted: one race of four runners at racecourse 05 with a past race each, so that
// the engine rates and marks them.
RaceDataStore raceDay() {
    fixture::Race race;
    race.date = "2010/05/02";
    const char* rates[] = {"060", "050", "040", "030"};
    const char* first3f[] = {"350", "352", "355", "360"};
    for (size_t n = 0; n < kNames.size(); ++n) {
        fixture::Entry e;
        e.name = kNames[n];
        e.rate = rates[n];
        fixture::PastRace past;
        past.date = "20100418";
        past.first3f = first3f[n];
        e.past = {past};
        race.entries.push_back(e);
    }
    return fixture::storeOf({race});
}

// What a later day's horse line says of the race day's race.
struct Later {
    std::string name;
    std::string number;  // horse number in the race day's race
    std::string finish;
    std::string popularity;
    std::string opponent;
};

// A later day whose horse lines hold the given records as their most recent past race.
RaceDataStore laterDay(const std::vector<Later>& records) {
    fixture::Race race;
    race.date = "2010/05/09";
    for (const Later& l : records) {
        fixture::Entry e;
        e.name = l.name;
        fixture::PastRace past;
        past.course = "05";
        past.date = "20100502";
        past.horseNumber = l.number;
        past.finish = l.finish;
        past.popularity = l.popularity;
        past.opponent = l.opponent;
        e.past = {past};
        race.entries.push_back(e);
    }
    return fixture::storeOf({race});
}

ReportCard cardAfter(const std::vector<Later>& records) {
    ReportTally tally;
    std::vector<SkippedInput> skipped;
    tally.addDay(raceDay(), kRaceDay, "day1", skipped);
    tally.addDay(laterDay(records), kLaterDay, "day2", skipped);
    EXPECT_TRUE(skipped.empty());
    return tally.card();
}

// The rows of a table summed: every runner sits in exactly one row.
RateRow total(const std::vector<RateRow>& rows) {
    RateRow sum;
    for (const RateRow& r : rows) {
        sum.runners += r.runners;
        for (auto [to, from] :
             {std::pair{&sum.win, &r.win}, std::pair{&sum.top2, &r.top2}, std::pair{&sum.top3, &r.top3}}) {
            to->base += from->base;
            to->count += from->count;
        }
    }
    return sum;
}

TEST(ReportTally, FindsOutcomesInLaterHorseLinesAndCountsOnlyKnownPlaces) {
    struct Expected {
        int withResult, winner, firstTwo, firstThree, runners, winBase, wins, top2Base, top2, top3Base, top3;
    };
    struct Case {
        const char* what;
        std::vector<Later> later;
        Expected e;
    };
    const Case cases[] = {
        {"every runner's own finish",
         {{"ALPHA", "01", "01", "02", "BRAVO"},
          {"BRAVO", "02", "02", "01", "ALPHA"},
          {"CHARLIE", "03", "03", "03", "ALPHA"},
          {"DELTA", "04", "04", "04", "ALPHA"}},
         {4, 1, 1, 1, 4, 4, 1, 4, 2, 4, 3}},
        {"the winner known only from a beaten runner",
         {{"DELTA", "04", "04", "04", "ALPHA"}},
         {1, 1, 0, 0, 4, 4, 1, 0, 0, 0, 0}},
        {"the second from the winner's own record",
         {{"ALPHA", "01", "01", "02", "BRAVO"}},
         {1, 1, 1, 0, 4, 4, 1, 4, 2, 0, 0}},
        {"a scratched runner is not counted",
         {{"ALPHA", "01", "01", "02", "BRAVO"},
          {"BRAVO", "02", "02", "01", "ALPHA"},
          {"CHARLIE", "03", "34", "34", "ALPHA"},
          {"DELTA", "04", "03", "04", "ALPHA"}},
         {3, 1, 1, 1, 3, 3, 1, 3, 2, 3, 3}},
        {"an excluded runner is not counted",
         {{"ALPHA", "01", "01", "02", "BRAVO"},
          {"BRAVO", "02", "02", "01", "ALPHA"},
          {"CHARLIE", "03", "35", "35", "ALPHA"},
          {"DELTA", "04", "03", "04", "ALPHA"}},
         {3, 1, 1, 1, 3, 3, 1, 3, 2, 3, 3}},
        {"horses never seen again",
         {{"ALPHA", "01", "01", "02", "BRAVO"}, {"BRAVO", "02", "02", "01", "ALPHA"}},
         {2, 1, 1, 0, 4, 4, 1, 4, 2, 0, 0}},
        {"no position leaves the result unknown", {{"ALPHA", "01", "00", "01", ""}}, {0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0}},
        {"another horse at the same number is someone else",
         {{"ZULU", "01", "01", "01", "BRAVO"}},
         {0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        ReportCard card = cardAfter(c.later);
        const Coverage& cov = card.coverage;
        // The later day's own race counts too, with no results yet.
        const int laterRunners = static_cast<int>(c.later.size());
        EXPECT_EQ(cov.races, 2) << c.what;
        // Runners that did not run are in neither the coverage nor the tables.
        EXPECT_EQ(cov.runners, c.e.runners + laterRunners) << c.what;
        EXPECT_EQ(cov.runnersWithResult, c.e.withResult) << c.what;
        EXPECT_EQ(cov.racesWithWinner, c.e.winner) << c.what;
        EXPECT_EQ(cov.racesWithFirstTwo, c.e.firstTwo) << c.what;
        EXPECT_EQ(cov.racesWithFirstThree, c.e.firstThree) << c.what;
        for (const auto* table : {&card.byMark, &card.byRank, &card.byIndexBand}) {
            RateRow sum = total(*table);
            EXPECT_EQ(sum.runners, c.e.runners + laterRunners) << c.what;
            EXPECT_EQ(sum.win.base, c.e.winBase) << c.what;
            EXPECT_EQ(sum.win.count, c.e.wins) << c.what;
            EXPECT_EQ(sum.top2.base, c.e.top2Base) << c.what;
            EXPECT_EQ(sum.top2.count, c.e.top2) << c.what;
            EXPECT_EQ(sum.top3.base, c.e.top3Base) << c.what;
            EXPECT_EQ(sum.top3.count, c.e.top3) << c.what;
        }
    }
}

TEST(ReportTally, PopularityRowsCountOnlyRunnersWhoseOwnRecordWasFound) {
    // The winner is known from DELTA's record, but only DELTA's own popularity is.
    ReportCard card = cardAfter({{"DELTA", "04", "04", "01", "ALPHA"}});
    ASSERT_EQ(card.byPopularity.size(), 5u);
    EXPECT_EQ(card.byPopularity[0].label, "1番人気");
    EXPECT_EQ(card.byPopularity[0].runners, 1);
    EXPECT_EQ(card.byPopularity[0].win.base, 1);
    EXPECT_EQ(card.byPopularity[0].win.count, 0);
    EXPECT_EQ(card.byPopularity[0].top3.base, 1);
    EXPECT_EQ(total(card.byPopularity).runners, 1);
}

TEST(ReportTally, TablesHoldTheirRowsInOrder) {
    ReportCard card = cardAfter({});
    EXPECT_EQ(card.byRank.size(), 6u);
    EXPECT_EQ(card.byRank.back().label, "6位以下");
    ASSERT_EQ(card.byIndexBand.size(), 10u);
    EXPECT_EQ(card.byIndexBand.front().label, "0.0–9.9");
    EXPECT_EQ(card.byIndexBand.back().label, "90.0–100.0");
    EXPECT_EQ(card.byMark.back().label, "無印");
    EXPECT_EQ(card.betLines.size(), 6u);
    EXPECT_EQ(card.byRank[0].runners + card.byRank[1].runners + card.byRank[2].runners + card.byRank[3].runners, 4);
}

TEST(ReportTally, BetLinesCountRacesWhoseNeededPlacesAreKnown) {
    ReportCard card = cardAfter({{"ALPHA", "01", "01", "02", "BRAVO"},
                                 {"BRAVO", "02", "02", "01", "ALPHA"},
                                 {"CHARLIE", "03", "03", "03", "ALPHA"},
                                 {"DELTA", "04", "04", "04", "ALPHA"}});
    int racesWithLines = 0;
    for (const BetLineRow& row : card.betLines) {
        EXPECT_LE(row.hits, row.races) << row.type;
        racesWithLines += row.races;
        if (row.races > 0) {
            EXPECT_GE(row.lines, 1) << row.type;
        }
    }
    EXPECT_GT(racesWithLines, 0);
    ReportCard unknown = cardAfter({{"DELTA", "04", "04", "04", "ALPHA"}});
    for (const BetLineRow& row : unknown.betLines) {
        if (row.type != "単勝") {
            EXPECT_EQ(row.races, 0) << row.type;
        }
    }
}

}  // namespace
}  // namespace zv::report
