// The show, betlines and kmi commands on the demo day, and the JSON writer they use.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_context.h"
#include "cli/json.h"
#include "data/error.h"
#include "data/sjis.h"
#include "data/store.h"
#include "demo/demo_day.h"
#include "support/command_run.h"
#include "support/data_set_fixture.h"
#include "support/files.h"

namespace zv::cli {
namespace {

namespace fs = std::filesystem;

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size())) ++n;
    return n;
}

class CliRaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = root.path() / "data";
        writeDemoDay(data, 3);
        ASSERT_TRUE(loadDataSet(store, data));
    }

    fixture::TempFolder root;
    fs::path data;
    RaceDataStore store;
};

TEST_F(CliRaceTest, ShowJsonIsCompleteForEveryRace) {
    for (int race = 0; race < store.raceCount; ++race) {
        fixture::CommandRun r = fixture::runCommand("show", data, {std::to_string(race), "--json"});
        ASSERT_EQ(r.status, 0);
        EXPECT_EQ(r.out.rfind("{\"race\":" + std::to_string(race) + ",\"raceNumber\":", 0), 0u) << r.out;
        size_t runners = static_cast<size_t>(store.runnerCount(race));
        EXPECT_EQ(count(r.out, "{\"number\":"), runners);
        EXPECT_EQ(count(r.out, "\"cells\":["), runners);
        EXPECT_EQ(count(r.out, "\"rightBorders\":["), runners);
        size_t keys = r.out.find("\"betKeys\":[");
        ASSERT_NE(keys, std::string::npos);
        std::string keyList = r.out.substr(keys, r.out.find(']', keys) - keys);
        EXPECT_EQ(count(keyList, ","), 84u) << keyList;
        for (const char* member : {"\"titleLine1\":", "\"titleLine2\":", "\"f3fAverage\":", "\"prAverage\":",
                                   "\"pace\":", "\"markedRunners\":[", "\"betSummary\":{\"winAndPlace\":",
                                   ",\"quinellaExactaTrio\":", ",\"trifectaFirst\":", ",\"trifectaSecond\":",
                                   ",\"trifectaThird\":", "\"rowOrder\":[", "\"runners\":["}) {
            EXPECT_NE(r.out.find(member), std::string::npos) << member;
        }
        for (const char* member : {"\"horseName\":", "\"rate\":", "\"timeRating\":", "\"positionRating\":",
                                   "\"combinedRating\":", "\"index\":", "\"pastRaceValid\":[", "\"pastTimeRatings\":[",
                                   "\"pastPositionRatings\":[", "\"pastEarlyThreeFurlongs\":[", "\"pastDistances\":[",
                                   "\"pastSurfaces\":[", "\"textColours\":[", "\"backgroundColours\":["}) {
            EXPECT_EQ(count(r.out, member), runners) << member;
        }
        EXPECT_EQ(r.out.back(), '\n');
    }
}

TEST_F(CliRaceTest, ShowPrintsAReadableTable) {
    fixture::CommandRun r = fixture::runCommand("show", data, {"10", "--sort-column", "9"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(toUtf8(store.headers[10].titleLine1) + "\n" + toUtf8(store.headers[10].titleLine2) + "\n", 0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("馬名"), std::string::npos);
}

TEST_F(CliRaceTest, ShowRejectsBadArguments) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
    };
    const Case usage[] = {
        {"unsortable column", {"0", "--sort-column", "4"}},
        {"no race", {}},
        {"two races", {"0", "1"}},
    };
    for (const Case& c : usage) EXPECT_THROW(fixture::runCommand("show", data, c.args), UsageError) << c.what;
    EXPECT_THROW(fixture::runCommand("show", data, {"99"}), Error);
}

TEST_F(CliRaceTest, BetlinesWritesTheWindowTextWithNothingAfterTheLastLine) {
    // On this demo day race index 10 is race 11 (with trifecta lines), 5 is race 6, 3 has no marks.
    struct Case {
        const char* race;
        size_t size;
        const char* start;
    };
    const Case cases[] = {
        {"10", 840, "[単勝] 計3点\r\n"}, {"5", 462, "[単勝] 計3点\r\n"}, {"3", 30, "このレースの買い目はありません"}};
    for (const Case& c : cases) {
        fs::path out = root.path() / "bet.txt";
        EXPECT_EQ(fixture::runCommand("betlines", data, {c.race, "--out", out.string()}).status, 0);
        std::string text = fixture::readFile(out);
        EXPECT_EQ(text.size(), c.size) << c.race;
        EXPECT_TRUE(toUtf8(text).starts_with(c.start)) << c.race;
        EXPECT_EQ(count(text, "\n"), count(text, "\r\n")) << c.race;
        EXPECT_FALSE(text.ends_with("\r\n")) << c.race;
        if (c.size > 30) {
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(text.back()))) << c.race;
        }
    }
}

TEST_F(CliRaceTest, BetlinesWithoutOutputFileWritesNothing) {
    EXPECT_THROW(fixture::runCommand("betlines", data, {"10"}), UsageError);
    EXPECT_EQ(std::distance(fs::directory_iterator(root.path()), fs::directory_iterator()), 1);
}

TEST_F(CliRaceTest, KmiWritesOneRaceOrTheWholeDay) {
    fs::path one = root.path() / "one.kmi", all = root.path() / "all.kmi";
    EXPECT_EQ(fixture::runCommand("kmi", data, {one.string(), "--race", "10"}).status, 0);
    EXPECT_EQ(fixture::runCommand("kmi", data, {all.string()}).status, 0);
    std::string oneText = fixture::readFile(one), allText = fixture::readFile(all);
    EXPECT_EQ(oneText.size() % 21, 0u);
    EXPECT_EQ(allText.size() % 21, 0u);
    EXPECT_NE(allText.find(oneText), std::string::npos) << "the day holds race 10's records";
    for (size_t at = 19; at < allText.size(); at += 21) ASSERT_EQ(allText.substr(at, 2), "\r\n");
}

TEST_F(CliRaceTest, KmiIntoAMissingFolderFailsAndWritesNothing) {
    EXPECT_THROW(fixture::runCommand("kmi", data, {(root.path() / "no" / "all.kmi").string()}), Error);
    EXPECT_FALSE(fs::exists(root.path() / "no"));
}

TEST(JsonWriter, EscapesStringsAndPlacesCommas) {
    struct Case {
        const char* text;
        const char* json;
    };
    const Case cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"line\r\nend", "\"line\\r\\nend\""},
        {"\x01\x1f", "\"\\u0001\\u001f\""},
        {"馬", "\"馬\""},
    };
    for (const Case& c : cases) EXPECT_EQ(jsonQuoted(c.text), c.json) << c.text;

    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject().key("a").value(1).key("b").beginArray().value(true).null().value("x").endArray();
    json.key("c").beginObject().endObject().endObject();
    EXPECT_EQ(out.str(), "{\"a\":1,\"b\":[true,null,\"x\"],\"c\":{}}");
}

}  // namespace
}  // namespace zv::cli
