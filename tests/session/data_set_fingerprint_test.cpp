#include "session/data_set_fingerprint.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "data/store.h"
#include "demo/demo_day.h"

namespace zv {
namespace {

// The fingerprint of a demo day written to a folder and loaded from it, after change edits it.
std::string fingerprintOf(uint32_t seed, const std::function<void(DemoDay&)>& change = {}) {
    QTemporaryDir dir;
    const std::filesystem::path folder(dir.path().toStdString());
    DemoDay day = makeDemoDay(seed);
    if (change) change(day);
    writeDayFiles(folder, day);
    RaceDataStore store;
    EXPECT_TRUE(loadDataSet(store, folder));
    return dataSetFingerprint(store);
}

TEST(DataSetFingerprint, TheSameDayGivesTheSameSixteenHexDigits) {
    const std::string first = fingerprintOf(7);
    EXPECT_EQ(first.size(), 16u);
    EXPECT_EQ(first.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(fingerprintOf(7), first);
}

TEST(DataSetFingerprint, AnyChangeOfTheHeaderFileGivesAnotherOne) {
    const std::string day = fingerprintOf(7);
    EXPECT_NE(fingerprintOf(8), day) << "another day";
    EXPECT_NE(fingerprintOf(7,
                            [](DemoDay& d) {
                                std::string& last = d.headerLines.back();
                                last.back() = last.back() == 'X' ? 'Y' : 'X';
                            }),
              day)
        << "one byte of the last race's line";
}

TEST(DataSetFingerprint, NoRacesGiveAnEmptyText) { EXPECT_EQ(dataSetFingerprint(RaceDataStore{}), ""); }

}  // namespace
}  // namespace zv
