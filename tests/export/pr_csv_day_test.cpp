#include "export/pr_csv_day.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/record_builder.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"

namespace zv {
namespace {

// A store of races on the given dates (racecourse 東京, race numbers 01, 02, ...).
RaceDataStore storeOnDays(std::vector<const char*> dates) {
    RaceDataStore store;
    store.raceCount = static_cast<int>(dates.size());
    for (size_t i = 0; i < dates.size(); ++i) {
        RecordBuilder header(kHeaderLineLength);
        header.set(header_line::racecourse_code, "04").setNumber(header_line::race_number, static_cast<int64_t>(i + 1));
        store.headerLines.push_back(header.line());
        RaceHeader& stored = store.headers.emplace_back();
        stored.record = decodeRaceHeader(Cp932View(header.line()));
        stored.raceDateText = sj(dates[i]);
    }
    return store;
}

// A rated race with a PR average (or none) and one runner rated 12.
RaceRatings race(int index, bool withPR) {
    RaceRatings r;
    r.race = index;
    r.pace.f3fAverageShown = true;
    r.pace.f3fAverageValue = "35.00";
    r.pace.prAverageShown = withPR;
    r.pace.prAverageValue = withPR ? "1.50" : "";
    r.ranking = {RankingRow{1, 0, 0, 0, 0, 12}};
    return r;
}

struct Asked {
    std::vector<CsvQuestion> questions;
    std::vector<std::string> messages;
};

CsvQuestionHandler answering(CsvAnswer answer, Asked& asked) {
    return [answer, &asked](CsvQuestion q, const std::string& message) {
        asked.questions.push_back(q);
        asked.messages.push_back(message);
        return answer;
    };
}

std::vector<std::string> utf8(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) out.push_back(toUtf8(l));
    return out;
}

TEST(PrCsvDay, WritesTheFirstDayOnlyAndStopsAtTheNextDay) {
    RaceDataStore store = storeOnDays({"2010/05/01(土)", "2010/05/01(土)", "2010/05/02(日)", "2010/05/02(日)"});
    Asked asked;
    PrCsvDay day(store, "", answering(CsvAnswer::Yes, asked));
    EXPECT_TRUE(day.addRace(race(0, true)));
    EXPECT_TRUE(day.addRace(race(1, true)));
    EXPECT_FALSE(day.addRace(race(2, true)));
    EXPECT_TRUE(day.reachedNextDay());
    EXPECT_EQ(utf8(day.lines()),
              (std::vector<std::string>{"2010/05/01,東京,01,35.00,1.50,1", "2010/05/01,東京,02,35.00,1.50,1"}));
    EXPECT_TRUE(asked.questions.empty());
}

TEST(PrCsvDay, RacesWithoutPRAverageAreSkippedWithoutEndingTheDay) {
    struct Case {
        const char* what;
        std::vector<bool> withPR;
        std::vector<std::string> numbers;
    };
    const Case cases[] = {
        {"first race without PR average", {false, true, true}, {"02", "03"}},
        {"middle race without PR average", {true, false, true}, {"01", "03"}},
        {"no race with PR average", {false, false, false}, {}},
    };
    for (const Case& c : cases) {
        RaceDataStore store = storeOnDays({"2010/05/02(日)", "2010/05/02(日)", "2010/05/02(日)"});
        Asked asked;
        PrCsvDay day(store, "", answering(CsvAnswer::Yes, asked));
        for (int i = 0; i < 3; ++i) EXPECT_TRUE(day.addRace(race(i, c.withPR[i]))) << c.what << " race " << i;
        std::vector<std::string> numbers;
        for (const std::string& l : day.lines()) numbers.push_back(l.substr(11 + 5, 2));
        EXPECT_EQ(numbers, c.numbers) << c.what;
    }
}

TEST(PrCsvDay, AsksOnceWhenTheDayIsInTheFileAlready) {
    const std::string old = "2010/05/02,x,01,35.00,1.50\r\n";
    RaceDataStore store = storeOnDays({"2010/05/02(日)", "2010/05/02(日)"});

    Asked yes;
    PrCsvDay again(store, old, answering(CsvAnswer::Yes, yes));
    EXPECT_TRUE(again.addRace(race(0, true)));
    EXPECT_TRUE(again.addRace(race(1, true)));
    EXPECT_EQ(again.lines().size(), 2u);
    ASSERT_EQ(yes.questions, std::vector<CsvQuestion>{CsvQuestion::AppendDuplicateDay});
    EXPECT_EQ(toUtf8(yes.messages[0]), "2010/05/02 のデータはすでに存在するようですが、\r\n追加してもよろしいですか？");

    Asked abort;
    PrCsvDay stopped(store, old, answering(CsvAnswer::Abort, abort));
    EXPECT_FALSE(stopped.addRace(race(0, true)));
    EXPECT_TRUE(stopped.abortedAtDuplicate());
    EXPECT_TRUE(stopped.lines().empty());
    EXPECT_EQ(stopped.content(), old);
}

TEST(PrCsvDay, OtherDaysAndUndatedLinesRaiseNoQuestion) {
    const std::string old = "note\r\n\r\n2010/05/01,x,01,35.00,1.50\r\nlast line";
    RaceDataStore store = storeOnDays({"2010/05/02(日)"});
    Asked asked;
    PrCsvDay day(store, old, answering(CsvAnswer::Abort, asked));
    EXPECT_TRUE(day.addRace(race(0, true)));
    EXPECT_TRUE(asked.questions.empty());
    EXPECT_EQ(day.unreadableLines(), 2);
    EXPECT_EQ(toUtf8(day.content()), old + "\r\n2010/05/02,東京,01,35.00,1.50,1\r\n");
}

TEST(PrCsvDay, UnreadableRaceDateIsAConversionError) {
    RaceDataStore store = storeOnDays({"2010/05/02(日)", "2010/13/02(日)"});
    Asked asked;
    PrCsvDay day(store, "", answering(CsvAnswer::Yes, asked));
    EXPECT_TRUE(day.addRace(race(0, true)));
    try {
        day.addRace(race(1, true));
        FAIL() << "accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
    }
    EXPECT_EQ(day.lines().size(), 1u);
}

TEST(AppendCsvLines, KeepsOldBytesAndEndsEveryNewLineInCrLf) {
    struct Case {
        const char* what;
        const char* old;
        std::vector<std::string> lines;
        const char* content;
    };
    const Case cases[] = {
        {"new file", "", {"a", "b"}, "a\r\nb\r\n"},
        {"old lines", "x\r\n", {"a"}, "x\r\na\r\n"},
        {"old last line without line end", "x", {"a"}, "x\r\na\r\n"},
        {"old LF line ends stay", "x\ny\n", {"a"}, "x\ny\na\r\n"},
        {"old last line ending in CR", "x\r", {"a"}, "x\r\na\r\n"},
        {"empty old lines stay", "\r\n\r\nx", {"a"}, "\r\n\r\nx\r\na\r\n"},
        {"nothing added", "x", {}, "x"},
    };
    for (const Case& c : cases) EXPECT_EQ(appendCsvLines(c.old, c.lines), c.content) << c.what;
}

TEST(MissingCsvMessage, AsksToCreateTheFile) {
    EXPECT_EQ(toUtf8(missingCsvMessage()),
              "インストールフォルダに zv.csv がありません。\r\n\r\n新規に zv.csv を作成して書き込みますか？");
}

}  // namespace
}  // namespace zv
