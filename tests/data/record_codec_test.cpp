#include "data/record_codec.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/record_builder.h"
#include "data/records.h"
#include "data/sjis.h"
#include "data/store.h"
#include "demo/demo_day.h"
#include "demo/demo_season.h"
#include "support/data_set_fixture.h"
#include "support/engine_fixture.h"
#include "support/temp_folder.h"

namespace zv {
namespace {

template <class Code>
CodeField<Code> code(int number) {
    return {static_cast<Code>(number), FieldState::Value};
}
NumberField number(int64_t value) { return {value, FieldState::Value}; }
TextField text(std::string utf8) { return {std::move(utf8), FieldState::Value}; }
DateField date(int y, int m, int d) { return {y, m, d, FieldState::Value}; }

RaceHeaderRecord exampleHeader() {
    RaceHeaderRecord h;
    h.racecourse = code<Racecourse>(4);
    h.raceNumber = number(11);
    h.raceDate = date(2010, 5, 2);
    h.weekday = code<Weekday>(2);
    h.jump = code<Flag>(0);
    h.raceName = text("天皇賞　春");  // a full-width blank inside stays
    h.grade = code<Grade>(0);
    h.weightRule = code<WeightRule>(3);
    h.raceType = code<RaceType>(11);  // "B", a letter code
    h.raceClass = code<RaceClass>(4);
    h.turf = code<Flag>(1);
    h.distance = number(3200);
    h.postTime = text("15:40");
    h.runnerCount = number(18);
    h.jpnGrade = code<Flag>(1);
    return h;
}

HorseRecord exampleHorse() {
    HorseRecord r;
    r.horseName = text("テストホース");
    r.coatColour = code<CoatColour>(3);
    r.birthplace = code<Birthplace>(221);
    r.sireName = text("ちちうま①");  // ① is CP932 only as Windows writes it
    r.trainerCentre = code<TrainerCentre>(50);
    r.mainPrize = number(9'999'999'999);  // ten digits: beyond 32 bits
    r.record = {number(3), number(2), number(1), number(10)};
    r.recordTable[20] = {number(1), number(0), number(0), number(99)};
    PastRace& p = r.pastRaces[4];
    p.racecourse = code<Racecourse>(60);
    p.raceDate = date(2009, 12, 27);
    p.shortName = text("有馬記");
    p.raceClass = code<RaceClass>(5000);
    p.finish = number(33);
    p.raceTime = number(2325);
    p.corners = {number(1), number(1), number(2), number(2)};
    return r;
}

TEST(RecordCodec, TypedValuesSurviveALine) {
    const RaceHeaderRecord header = exampleHeader();
    EXPECT_EQ(decodeRaceHeader(encodeRaceHeader(header).view()), header);
    EXPECT_EQ(decodeRaceHeader(encodeRaceHeader({}).view()), RaceHeaderRecord{});

    RunnerEntry runner{number(8),   text("ホース"), code<Sex>(2), number(5),
                       number(575), text("ジョキ"), number(123),  {}};
    EXPECT_EQ(decodeRunnerEntry(encodeRunnerEntry(runner).view()), runner);

    const HorseRecord horse = exampleHorse();
    const Cp932 line = encodeHorseRecord(horse);
    EXPECT_EQ(line.size(), static_cast<size_t>(kHorseLineLength));
    EXPECT_EQ(decodeHorseRecord(line.view()), horse);
    EXPECT_EQ(field(encodeRaceHeader(header).bytes(), header_line::race_type_code), "B");
    EXPECT_EQ(pastField(line.bytes(), horse_line::past_race_class_code, 4), "05000");
}

// Every line the demo writes is built from typed values: decoding it finds every byte in a
// well-formed field, and writing the values onto a fresh line gives the line again.
void expectWholeAndWellFormed(const RaceDataStore& day, const std::string& what) {
    for (std::string_view line : day.headerLines) {
        EXPECT_EQ(encodeRaceHeader(decodeRaceHeader(Cp932View(line))).bytes(), line) << what;
    }
    for (std::string_view line : day.runnerLines) {
        EXPECT_EQ(encodeRunnerEntry(decodeRunnerEntry(Cp932View(line))).bytes(), line) << what;
    }
    for (std::string_view line : day.horseLines) {
        EXPECT_EQ(encodeHorseRecord(decodeHorseRecord(Cp932View(line))).bytes(), line) << what;
    }
}

RaceDataStore load(const std::filesystem::path& folder) {
    RaceDataStore day;
    EXPECT_TRUE(loadDataSet(day, folder));
    return day;
}

TEST(RecordCodec, DemoDaysAndSeasonsAreWholeAndWellFormed) {
    for (uint32_t seed : {1u, 7u, 42u}) {
        fixture::TempFolder folder;
        writeDemoDay(folder.path(), seed);
        expectWholeAndWellFormed(load(folder.path()), "demo day " + std::to_string(seed));
    }
    fixture::TempFolder season;
    demo::writeSeason(season.path(), 4, 3);
    for (const auto& day : std::filesystem::directory_iterator(season.path())) {
        expectWholeAndWellFormed(load(day.path()), day.path().filename().string());
    }
}

// Fixture lines break the layout on purpose here and there: written back onto themselves they
// come out unchanged, and their values read the same again.
TEST(RecordCodec, AnyLineComesBackFromItsValues) {
    fixture::PastRace odd;
    odd.first3f = " 35";   // a blank inside digits
    odd.shortName = "  ";  // shorter than its field
    odd.course = "4";
    const std::vector<std::string> horseLines = {fixture::horseLine(0), fixture::horseLine("NAME", {odd, {}}),
                                                 fixture::horseLine(12).substr(0, 1200), ""};
    for (const std::string& line : horseLines) {
        const HorseRecord r = decodeHorseRecord(Cp932View(line));
        const Cp932 again = encodeHorseRecord(r, Cp932View(line));
        EXPECT_EQ(again.bytes(), line);
        EXPECT_EQ(decodeHorseRecord(again.view()), r);
    }
    for (const std::string& line : {fixture::headerLine("1x"), fixture::headerLine("18").substr(0, 100)}) {
        EXPECT_EQ(encodeRaceHeader(decodeRaceHeader(Cp932View(line)), Cp932View(line)).bytes(), line);
    }
    const std::string runner = fixture::runnerLine(fixture::Entry{});
    EXPECT_EQ(encodeRunnerEntry(decodeRunnerEntry(Cp932View(runner)), Cp932View(runner)).bytes(), runner);
}

TEST(RecordCodec, FieldsThatAreNotWellFormedAreKeptAndReadLeniently) {
    struct Case {
        const char* what;
        FieldDef field;
        std::string bytes;
        FieldState state;
        int64_t value;     // numbers and codes
        std::string text;  // texts, UTF-8
    };
    const Case cases[] = {
        {"digits", runner_line::age, "07", FieldState::Value, 7, ""},
        {"blanks", runner_line::age, "  ", FieldState::Blank, 0, ""},
        {"a blank in front", runner_line::age, " 7", FieldState::Kept, 7, ""},
        {"a sign", runner_line::age, "-7", FieldState::Kept, -7, ""},
        {"a blank behind", runner_line::age, "7 ", FieldState::Kept, 0, ""},
        {"a letter code", runner_line::sex_code, "A", FieldState::Value, 10, ""},
        {"a small letter", runner_line::sex_code, "a", FieldState::Kept, 0, ""},
        {"a name", runner_line::jockey_name, sj("武"), FieldState::Value, 0, "武"},
        {"a name after blanks", runner_line::jockey_name, sj(" 武"), FieldState::Kept, 0, "武"},
        {"a full-width blank", runner_line::jockey_name, sj("武　"), FieldState::Value, 0, "武　"},
        {"a cut character", runner_line::jockey_name, sj("武豊") + "\x95", FieldState::Kept, 0, "武豊\uFFFD"},
        {"a control byte", runner_line::jockey_name, std::string("AB\x01"), FieldState::Kept, 0, "AB"},
    };
    for (const Case& c : cases) {
        RecordBuilder b(kRunnerLineLength);
        b.setBytes(c.field.pos, c.bytes);
        const RunnerEntry r = decodeRunnerEntry(Cp932View(b.line()));
        if (c.field.pos == runner_line::age.pos) {
            EXPECT_EQ(r.age, (NumberField{c.value, c.state})) << c.what;
        } else if (c.field.pos == runner_line::sex_code.pos) {
            EXPECT_EQ(r.sex, (CodeField<Sex>{static_cast<Sex>(c.value), c.state})) << c.what;
        } else {
            EXPECT_EQ(r.jockeyName, (TextField{c.text, c.state})) << c.what;
        }
        EXPECT_EQ(encodeRunnerEntry(r, Cp932View(b.line())).bytes(), b.line()) << c.what;
    }
}

TEST(RecordCodec, RefusesValuesThatDoNotFitTheirField) {
    RunnerEntry tooOld;
    tooOld.age = number(100);
    RunnerEntry negative;
    negative.rate = number(-1);
    RunnerEntry longName;
    longName.jockeyName = text("とてもながいきしゅのなまえ");
    RunnerEntry notCp932;
    notCp932.horseName = text("😀");
    for (const RunnerEntry* r : {&tooOld, &negative, &longName, &notCp932}) {
        try {
            (void)encodeRunnerEntry(*r);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_FALSE(e.field().empty()) << e.what();
        }
    }
}

}  // namespace
}  // namespace zv
