#include "export/kmi_file.h"
#include "predict/compute_race.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "data/error.h"
#include "data/sjis.h"
#include "support/engine_fixture.h"
#include "support/files.h"

namespace zv {
namespace {

namespace fs = std::filesystem;

class KmiFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("zv_kmi_" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Seven runners with rates and past races, so the race gets all six picks.
    static fixture::Race markedRace(const std::string& number, const std::string& weight = "570") {
        fixture::Race race;
        race.raceNumber = number;
        const char* times[] = {"340", "341", "342", "343", "344", "345", "346"};
        const char* corners[] = {"01", "02", "03", "01", "02", "05", "06"};
        for (int i = 0; i < 7; ++i) {
            fixture::Entry e;
            e.rate = "0" + std::to_string(50 + i);
            e.weight = weight;
            fixture::PastRace p;
            p.first3f = times[i];
            p.corners[3] = corners[i];
            p.date = "20100418";
            e.past = {p};
            race.entries.push_back(e);
        }
        return race;
    }

    fs::path folder;
};

TEST_F(KmiFileTest, WritesEveryRaceInOrder) {
    RaceDataStore store = fixture::storeOf({markedRace("08"), markedRace("11")});
    BatchRunOptions options;
    options.now = fixture::kNow;
    BatchOutcome outcome = writeAllRacesKmiFile(folder / "all.kmi", store, options);
    EXPECT_EQ(outcome.racesDone, 2);
    std::string text = fixture::readFile(folder / "all.kmi");
    EXPECT_EQ(text.size(), (49u + 85u) * 21u);
    EXPECT_EQ(text.substr(0, 21), "0520100502080010000\r\n");
    EXPECT_EQ(text.substr(49 * 21, 13), "0520100502110");
}

TEST_F(KmiFileTest, KeepsTheRacesDoneBeforeAnAbort) {
    RaceDataStore store = fixture::storeOf({markedRace("08"), markedRace("11")});
    BatchRunOptions options;
    options.now = fixture::kNow;
    int asked = 0;
    options.abortRequested = [&] { return ++asked == 2; };
    BatchOutcome outcome = writeAllRacesKmiFile(folder / "all.kmi", store, options);
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(fixture::readFile(folder / "all.kmi").size(), 49u * 21u);
}

TEST_F(KmiFileTest, WritesNothingWhenARaceCannotBeComputed) {
    RaceDataStore store = fixture::storeOf({markedRace("08"), markedRace("11", "x")});
    BatchRunOptions options;
    options.now = fixture::kNow;
    std::ofstream(folder / "all.kmi", std::ios::binary) << "OLD";
    EXPECT_THROW(writeAllRacesKmiFile(folder / "all.kmi", store, options), Error);
    EXPECT_EQ(fixture::readFile(folder / "all.kmi"), "OLD");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(KmiFileTest, WritesAnEmptyFileForARaceWithoutMarks) {
    fixture::Race race = markedRace("11");
    for (fixture::Entry& e : race.entries) e.rate = "000";
    RaceDataStore store = fixture::storeOf({race});
    writeRaceKmiFile(folder / "one.kmi", store, computeRace(store, 0, kColRunner, fixture::kNow));
    EXPECT_TRUE(fs::exists(folder / "one.kmi"));
    EXPECT_EQ(fixture::readFile(folder / "one.kmi"), "");
}

TEST_F(KmiFileTest, ReportsAFolderThatDoesNotExist) {
    RaceDataStore store = fixture::storeOf({markedRace("08")});
    BatchRunOptions options;
    options.now = fixture::kNow;
    try {
        writeAllRacesKmiFile(folder / "missing" / "all.kmi", store, options);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
    }
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST(AllRacesKmiFileName, UsesTheDateOfTheFirstRace) {
    RaceDataStore store;
    store.headers.emplace_back().raceDateText = "2010/05/02" + sj("(日)");
    EXPECT_EQ(allRacesKmiFileName(store), "zv100502.kmi");
}

}  // namespace
}  // namespace zv
