#include "report/bet_hits.h"

#include <gtest/gtest.h>

namespace zv::report {
namespace {

TEST(BetLineHits, EachBetTypePaysAsItsRuleSays) {
    struct Case {
        const char* what;
        BetType type;
        const char* key;
        std::array<int, 3> first;
        int ran;
        bool hits;
    };
    const Case cases[] = {
        {"単勝 the winner", BetType::Win, "050000", {5, 2, 7}, 12, true},
        {"単勝 the second", BetType::Win, "020000", {5, 2, 7}, 12, false},
        {"複勝 third of eight", BetType::Place, "070000", {5, 2, 7}, 8, true},
        {"複勝 fourth", BetType::Place, "090000", {5, 2, 7}, 12, false},
        {"複勝 third of seven", BetType::Place, "070000", {5, 2, 7}, 7, false},
        {"複勝 second of seven", BetType::Place, "020000", {5, 2, 0}, 7, true},
        {"馬連 in order", BetType::Quinella, "050200", {5, 2, 7}, 12, true},
        {"馬連 reversed", BetType::Quinella, "020500", {5, 2, 7}, 12, true},
        {"馬連 with the third", BetType::Quinella, "050700", {5, 2, 7}, 12, false},
        {"馬単 in order", BetType::Exacta, "050200", {5, 2, 7}, 12, true},
        {"馬単 reversed", BetType::Exacta, "020500", {5, 2, 7}, 12, false},
        {"3連複 any order", BetType::Trio, "020507", {5, 2, 7}, 12, true},
        {"3連複 with the fourth", BetType::Trio, "020509", {5, 2, 7}, 12, false},
        {"3連単 in order", BetType::Trifecta, "050207", {5, 2, 7}, 12, true},
        {"3連単 two swapped", BetType::Trifecta, "050702", {5, 2, 7}, 12, false},
        {"two-digit numbers", BetType::Exacta, "121000", {12, 10, 1}, 16, true},
    };
    for (const Case& c : cases) EXPECT_EQ(betLineHits(c.type, c.key, c.first, c.ran), c.hits) << c.what;
}

TEST(BetLineHits, PlacesNeededFollowTheBetTypeAndTheField) {
    EXPECT_EQ(placesNeeded(BetType::Win, 12), 1);
    EXPECT_EQ(placesNeeded(BetType::Place, 8), 3);
    EXPECT_EQ(placesNeeded(BetType::Place, 7), 2);
    EXPECT_EQ(placesNeeded(BetType::Exacta, 5), 2);
    EXPECT_EQ(placesNeeded(BetType::Trifecta, 5), 3);
}

}  // namespace
}  // namespace zv::report
