// Building one runner's past-performance column from its horse record.
#include "past_column.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "cell_builder.h"
#include "code_memo.h"
#include "data/code_tables.h"
#include "data/numbers.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "finish_incident.h"
#include "number_text.h"

namespace zv {
namespace {

struct Texts {
    std::string chukyo = sj("中京");
    std::string nagoyaMark = sj("名");
    std::string missingCourse = "--";
    std::string newcomer = sj("新馬");
    std::string unraced = sj("未出走");
    std::string maiden = sj("未勝利");
    std::string underMark = sj("万下");
    std::string place = sj("着");
    std::string unplaced = sj("--着");
    std::string noTime = "--.-";
    std::array<std::string, 3> surfaces = {surfaceName(Surface::Dirt), surfaceName(Surface::Turf),
                                           surfaceName(Surface::Jump)};
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// A two-byte number or code field as it stands, for the code memos: a well-formed value's two
// digits, a blank's two blanks, a kept field's own bytes.
template <class Value>
std::string twoBytes(const HorseRecord& h, const Value& value, int64_t number) {
    if (value.state == FieldState::Value && number >= 0 && number < 100)
        return {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
    if (value.state == FieldState::Blank) return "  ";
    return storedBytes(h, value).bytes();
}

// 中京 is 名; otherwise the first character of the racecourse name; "--" marks a missing race.
std::string abbreviationOf(std::string_view code) {
    std::string name = racecourseName(code);
    if (name == texts().chukyo) return texts().nagoyaMark;
    return name.substr(0, 2);
}

std::string courseAbbreviation(const HorseRecord& h, const PastRace& p) {
    static const TwoByteCodeMemo memo(abbreviationOf);
    return memo(twoBytes(h, p.racecourse, static_cast<int64_t>(p.racecourse.code)));
}

void appendCornerMark(CellBuilder& text, const HorseRecord& h, const NumberField& corner) {
    static const TwoByteCodeMemo memo(cornerMark);
    memo.appendTo(text, twoBytes(h, corner, corner.value));
}

int32_t corner4Position(const NumberField& corner) {
    const auto v = static_cast<int32_t>(corner.value);
    if (v >= 30 && v <= 39) return 0;  // incidents such as a fall
    if (v >= 40) return v - 40;
    return v;
}

int32_t prPoints(int32_t corner4) {
    switch (corner4) {
        case 1: return 3;
        case 2: return 2;
        case 3: return 1;
        default: return 0;
    }
}

// Race time "MSSS": the first byte minutes, the last three seconds in tenths; a kept field is
// read byte by byte as it stands.
int32_t raceTimeTenths(const HorseRecord& h, const NumberField& time) {
    if (time.state != FieldState::Kept) return static_cast<int32_t>(time.value / 1000 * 600 + time.value % 1000);
    const std::string bytes = storedBytes(h, time).bytes();
    const std::string_view t = bytes;
    return toIntOrZero(t.substr(0, 1)) * 600 + toIntOrZero(t.size() > 1 ? t.substr(1) : "");
}

// Early 3F of a 1000 m race: the stored time is a 600 m split, scaled to three furlongs; 新潟's
// straight turf course is timed from the race time less the last 3F.
int32_t thousandMetreF3F(const HorseRecord& h, const PastRace& p, Surface surface) {
    const auto c = static_cast<double>(p.first3f.value);
    const bool niigata = p.racecourse.is(Racecourse::Niigata);
    double x;
    if (niigata && surface == Surface::Turf) {
        x = (raceTimeTenths(h, p.raceTime) - static_cast<double>(p.last3f.value)) * 3.0 / 2.0;
    } else if (niigata || p.racecourse.is(Racecourse::Kokura)) {
        x = c * 3.0 / 2.0;
    } else {
        x = c * 3.0 / 2.0 - 3.0;
    }
    return static_cast<int32_t>(roundUp(1, x));
}

// The class part of a past race's cell: the short race name, followed at the central courses by
// the class; without a name the class alone, where a money class shows from 100万 on as "N万下".
// A class is named in words (新馬, 未出走, 未勝利, the grade of an open race) or is an amount.
void appendClassText(CellBuilder& text, const HorseRecord& h, const PastRace& p) {
    std::string grade;
    std::string_view words;
    bool inWords = true;
    int amount = 0;
    if (p.raceClass.is(RaceClass::Newcomer)) {
        words = texts().newcomer;
    } else if (p.raceClass.is(RaceClass::Unraced)) {
        words = texts().unraced;
    } else if (p.raceClass.is(RaceClass::Maiden)) {
        words = texts().maiden;
    } else if (p.raceClass.is(RaceClass::Open)) {
        words = grade = gradeMark(storedBytes(h, p.grade).bytes());
    } else {
        inWords = false;
        if (p.raceClass.state == FieldState::Value)
            amount = classAmount(p.raceClass.code);
        else if (p.raceClass.state == FieldState::Kept)
            amount = toIntOrZero(std::string_view(storedBytes(h, p.raceClass).bytes()).substr(0, 4));
    }

    if (p.shortName.state != FieldState::Blank) {
        text << std::string_view(storedBytes(h, p.shortName).bytes());
        if (p.racecourse.state != FieldState::Value || !isCentral(p.racecourse.code)) return;
        if (inWords)
            text << words;
        else if (amount != 0)
            text << amount;
    } else if (inWords) {
        text << words;
    } else if (amount >= 100) {
        text << amount << texts().underMark;
    }
}

// The first three are bold.
void appendFinishText(CellBuilder& text, const NumberField& finish) {
    const auto n = static_cast<int>(finish.value);
    const bool placed = finish.wellFormed() && n >= 1 && n <= 3;
    if (!placed && n == 0) {
        text << texts().unplaced;
        return;
    }
    if (placed) text.bold();
    if (isFinishIncident(n)) text.incident(n);
    if (n >= 0 && n < 10) text << ' ';
    text << n << texts().place;
    text.plain();
}

// The month and day of a past race's date as the field holds them ("05", "02").
std::pair<std::string, std::string> monthAndDay(const HorseRecord& h, const DateField& date) {
    if (date.state == FieldState::Value) {
        auto two = [](int n) { return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; };
        return {two(date.month), two(date.day)};
    }
    const std::string bytes = storedBytes(h, date).bytes();
    const std::string_view d = bytes;
    return {std::string(d.substr(std::min<size_t>(4, d.size()), 2)),
            std::string(d.substr(std::min<size_t>(6, d.size()), 2))};
}

// Three lines: where, when and the class; surface, distance, early 3F and corners; the finish.
void writeCellText(CellText& cell, const HorseRecord& h, int k, std::string_view course, const PastColumn& b) {
    const PastRace& p = h.pastRaces[static_cast<size_t>(k)];
    const auto [month, day] = monthAndDay(h, p.raceDate);
    CellBuilder text;
    text << course << month << '.' << day << ' ';
    appendClassText(text, h, p);
    const std::string distance = std::to_string(b.pastDistance[k]);
    text.line() << texts().surfaces[static_cast<size_t>(b.pastSurface[k])] << std::string_view(distance).substr(0, 2)
                << ' ';
    if (b.pastF3F[k] == 0)
        text << texts().noTime;
    else
        text << tenthsText(b.pastF3F[k]);
    text << ' ';
    for (const NumberField& corner : p.corners) appendCornerMark(text, h, corner);
    text.line();
    appendFinishText(text, p.finish);
    text << ' ';
    text.writeTo(cell);
}

bool containsBlank(std::string_view text) { return text.find(' ') != std::string_view::npos; }

// A past race's date; a blank one stands for now. A well-formed calendar date is taken at once
// (nearly every date); anything else is read strictly as it stands, with its conversion error.
LocalDateTime pastRaceDate(const HorseRecord& h, const DateField& date, const LocalDateTime& now) {
    if (date.state == FieldState::Value && isValidDate(date.year, date.month, date.day))
        return LocalDateTime{date.year, date.month, date.day, 0};
    if (date.state == FieldState::Blank) return now;
    const std::string bytes = storedBytes(h, date).bytes();
    const std::string_view d = bytes;
    if (containsBlank(d)) return now;
    return strictDate(d.substr(0, 4), d.substr(std::min<size_t>(4, d.size()), 2),
                      d.substr(std::min<size_t>(6, d.size()), 2), horse_line::past_race_date.name, d);
}

}  // namespace

PredictedRace::PredictedRace(Surface raceSurface, int64_t metres, std::string_view date, const LocalDateTime& nowTime)
    : surface(raceSurface),
      distance(metres),
      raceDateText(date),
      now(nowTime),
      raceDate(std::apply(parseDate, raceDateParts(date))) {}

PastColumn buildPastColumn(const HorseRecord& horse, const PredictedRace& race, PastTexts pastTexts) {
    PastColumn b;
    fillPastColumn(b, horse, race, pastTexts);
    return b;
}

void fillPastColumn(PastColumn& b, const HorseRecord& h, const PredictedRace& race, PastTexts pastTexts) {
    for (int k = 0; k < kPastRaces; ++k) {
        const PastRace& p = h.pastRaces[static_cast<size_t>(k)];
        b.pastSurface[k] = surfaceOf(p.jump, p.turf);
        b.pastDistance[k] = static_cast<int32_t>(p.distance.value);
        b.pastF3F[k] = b.pastDistance[k] == 1000 ? thousandMetreF3F(h, p, b.pastSurface[k])
                                                 : static_cast<int32_t>(p.first3f.value);
        b.pastCorner4[k] = corner4Position(p.corners[3]);
        b.pastValid[k] = b.pastSurface[k] != Surface::Jump && b.pastSurface[k] == race.surface && b.pastF3F[k] >= 150 &&
                         std::abs(race.distance - b.pastDistance[k]) <= 400;
        if (b.pastValid[k]) b.pastPR[k] = prPoints(b.pastCorner4[k]);

        b.dates[k + 1] = pastRaceDate(h, p.raceDate, race.now);
        if (pastTexts == PastTexts::Build) {
            const std::string course = courseAbbreviation(h, p);
            if (course != texts().missingCourse) writeCellText(b.pastText[k], h, k, course, b);
        }
    }
    if (race.raceDate) {
        b.dates[0] = *race.raceDate;
    } else {
        const auto [year, month, day] = raceDateParts(race.raceDateText);
        b.dates[0] = strictDate(year, month, day, "raceDateText", race.raceDateText);
    }
    b.PR = b.pastPR[0] + b.pastPR[1] + b.pastPR[2];
    b.name = storedText(h, h.horseName);
}

}  // namespace zv
