#include "export/index_lines.h"

#include <gtest/gtest.h>

#include "data/record_builder.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv {
namespace {

RaceDataStore storeWithHeader(const char* racecourse, const char* date, const char* raceNumber) {
    RaceDataStore store;
    store.raceCount = 1;
    RecordBuilder header(kHeaderLineLength);
    header.set(header_line::racecourse_code, racecourse)
        .set(header_line::race_date, date)
        .set(header_line::race_number, raceNumber);
    store.headerLines = {header.line()};
    store.headers.emplace_back().record = decodeRaceHeader(Cp932View(header.line()));
    return store;
}

RaceRatings runners(std::vector<std::pair<const char*, int>> nameAndCombined) {
    RaceRatings r;
    for (const auto& [name, combined] : nameAndCombined) {
        PastColumn b;
        b.name = sj(name);
        b.combined = combined;
        r.pastColumns.push_back(b);
    }
    r.runnerCount = static_cast<int>(r.pastColumns.size());
    return r;
}

TEST(IndexLines, OneLinePerRunnerWithCodesAsStoredAndTheIndexValue) {
    RaceDataStore store = storeWithHeader("05", "20100502", "01");
    std::vector<std::string> lines{kIndexFileHeading};
    appendIndexLines(store, runners({{"アルファ", 0}, {"ベータ", 19}, {"ガンマ", 10}, {"デル,タ", 1}}), lines);
    std::vector<std::string> expected = {"F3F", "05,20100502,01,1,アルファ,0.0", "05,20100502,01,2,ベータ,100.0",
                                         "05,20100502,01,3,ガンマ,52.7", "05,20100502,01,4,デル,タ,5.3"};
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(toUtf8(lines[i]), expected[i]) << i;
}

TEST(IndexLines, RunnerNumbersHaveNoLeadingZeros) {
    RaceDataStore store = storeWithHeader("04", "20100502", "11");
    std::vector<std::pair<const char*, int>> field(12, {"ウマ", 3});
    std::vector<std::string> lines;
    appendIndexLines(store, runners(field), lines);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(toUtf8(lines[8]), "04,20100502,11,9,ウマ,15.8");
    EXPECT_EQ(toUtf8(lines[11]), "04,20100502,11,12,ウマ,15.8");
}

}  // namespace
}  // namespace zv
