#include "export/pr_csv_lines.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/record_builder.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv {
namespace {

RaceDataStore oneRaceStore(const char* racecourse, const char* raceNumber, const char* dateText) {
    RaceDataStore store;
    store.raceCount = 1;
    RecordBuilder header(kHeaderLineLength);
    header.set(header_line::racecourse_code, racecourse).set(header_line::race_number, raceNumber);
    store.headerLines = {header.line()};
    RaceHeader& stored = store.headers.emplace_back();
    stored.record = decodeRaceHeader(Cp932View(header.line()));
    stored.raceDateText = sj(dateText);
    return store;
}

RaceRatings ratingsWith(std::vector<int> combined, const char* f3f, const char* pr) {
    RaceRatings r;
    r.pace.f3fAverageShown = *f3f != '\0';
    r.pace.f3fAverageValue = f3f;
    r.pace.prAverageShown = *pr != '\0';
    r.pace.prAverageValue = pr;
    for (size_t n = 0; n < combined.size(); ++n) {
        r.ranking.push_back(RankingRow{static_cast<int32_t>(n + 1), 0, 0, 0, 0, combined[n]});
    }
    return r;
}

TEST(PrCsvLine, ListsRunnersAtTenOrMoreHighestFirstKeepingTableOrderOnTies) {
    struct Case {
        const char* what;
        std::vector<int> combined;
        const char* f3f;
        const char* pr;
        const char* line;
    };
    const Case cases[] = {
        {"three listed", {0, 0, 12, 4, 10, 0, 0, 12}, "35.20", "1.25", "2010/05/02,東京,11,35.20,1.25,3,8,5"},
        {"none reaches 10", {9, 0, 3}, "34.50", "0.67", "2010/05/02,東京,11,34.50,0.67"},
        {"no 3F average", {11}, "", "2.00", "2010/05/02,東京,11,,2.00,1"},
        {"3F average below one second", {0}, ".50", "1.00", "2010/05/02,東京,11,.50,1.00"},
    };
    RaceDataStore store = oneRaceStore("04", "11", "2010/05/02(日)");
    for (const Case& c : cases) {
        std::optional<std::string> line = prCsvLine(store, ratingsWith(c.combined, c.f3f, c.pr), kColRunner);
        ASSERT_TRUE(line) << c.what;
        EXPECT_EQ(toUtf8(*line), c.line) << c.what;
    }
}

TEST(PrCsvLine, KeepsTheOrderTheGridSortLeftForEqualRatings) {
    RaceDataStore store = oneRaceStore("04", "11", "2010/05/02(日)");
    RaceRatings r = ratingsWith({12, 10, 12}, "35.00", "1.00");
    r.ranking[2].TR = 5;  // runner 3 above runner 1 when the grid is sorted on TR
    EXPECT_EQ(toUtf8(*prCsvLine(store, r, kColRunner)), "2010/05/02,東京,11,35.00,1.00,1,3,2");
    EXPECT_EQ(toUtf8(*prCsvLine(store, r, kColTR)), "2010/05/02,東京,11,35.00,1.00,3,1,2");
}

TEST(PrCsvLine, RaceWithoutPRAverageGivesNoLine) {
    RaceDataStore store = oneRaceStore("04", "11", "2010/05/02(日)");
    EXPECT_FALSE(prCsvLine(store, ratingsWith({15, 12}, "35.00", ""), kColRunner));
}

TEST(PrCsvLine, LongRacecourseNamesStayWhole) {
    RaceDataStore store = oneRaceStore("65", "03", "2010/05/02(日)");
    EXPECT_EQ(toUtf8(*prCsvLine(store, ratingsWith({0}, "35.00", "1.00"), kColRunner)),
              "2010/05/02,ＵＡＥ,03,35.00,1.00");
}

TEST(RaceDay, ReadsTheDateTextStrictly) {
    EXPECT_EQ(raceDay(oneRaceStore("04", "11", "2010/05/02(日)"), 0), (LocalDateTime{2010, 5, 2, 0}));
    for (const char* bad : {"2010/  /02(日)", "2010/02/30(日)", "", "abcd/ef/gh"}) {
        try {
            raceDay(oneRaceStore("04", "11", bad), 0);
            ADD_FAILURE() << bad << " accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion) << bad;
        }
    }
}

TEST(ReadCsvDay, AcceptsYearMonthDayWithSlashesOnly) {
    struct Case {
        const char* text;
        std::optional<LocalDateTime> day;
    };
    const Case cases[] = {
        {"2010/05/02", LocalDateTime{2010, 5, 2, 0}},
        {"2010/5/2", LocalDateTime{2010, 5, 2, 0}},
        {"2010-05-02", std::nullopt},
        {"02/05/2010", std::nullopt},
        {"2010/02/30", std::nullopt},
        {"2010/05/02 ", std::nullopt},
        {"", std::nullopt},
        {"date", std::nullopt},
        {"2010/05/", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(readCsvDay(c.text), c.day) << c.text;
}

TEST(LookUpDay, FindsTheDayAndCountsLinesThatAreNotDated) {
    const LocalDateTime day{2010, 5, 2, 0};
    struct Case {
        const char* what;
        const char* content;
        bool found;
        int unreadable;
    };
    const Case cases[] = {
        {"empty file", "", false, 0},
        {"other day", "2010/05/01,a,01,35.00,1.00\r\n", false, 0},
        {"same day", "2010/05/01,a\r\n2010/05/02,b\r\n", true, 0},
        {"same day, last line without line end", "2010/05/01,a\r\n2010/05/02,b", true, 0},
        {"empty lines and a heading", "\r\ndate,place\r\n\r\n2010/5/2,x\n", true, 1},
        {"only junk", "junk\r\n,,,\r\n", false, 2},
    };
    for (const Case& c : cases) {
        CsvDayLookup lookup = lookUpDay(c.content, day);
        EXPECT_EQ(lookup.found, c.found) << c.what;
        EXPECT_EQ(lookup.unreadableLines, c.unreadable) << c.what;
    }
}

}  // namespace
}  // namespace zv
