// Building one runner's past-performance column from its horse line.
#include "past_column.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "cell_builder.h"
#include "code_memo.h"
#include "data/code_tables.h"
#include "data/field.h"
#include "data/numbers.h"
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
    std::string jump = sj("障");
    std::string turf = sj("芝");
    std::string niigata = sj("新");
    std::string kokura = sj("小");
    std::string newcomer = sj("新馬");
    std::string unraced = sj("未出走");
    std::string maiden = sj("未勝利");
    std::string underMark = sj("万下");
    std::string place = sj("着");
    std::string unplaced = sj("--着");
    std::string noTime = "--.-";
    // Courses whose class text keeps the base class after the short race name.
    std::string centralCourses[10] = {sj("東"), sj("中"), sj("京"), sj("阪"), sj("名"),
                                      sj("福"), sj("新"), sj("小"), sj("札"), sj("函")};
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// 中京 is 名; otherwise the first character of the racecourse name; "--" marks a missing race.
std::string abbreviationOf(std::string_view code) {
    std::string name = racecourseName(code);
    if (name == texts().chukyo) return texts().nagoyaMark;
    return name.substr(0, 2);
}

// The abbreviation as a view into the memo; a code it does not hold is looked up into spare.
std::string_view courseAbbreviation(std::string_view code, std::string& spare) {
    static const TwoByteCodeMemo memo(abbreviationOf);
    if (const std::string* known = memo.find(code)) return *known;
    spare = abbreviationOf(code);
    return spare;
}

void appendCornerMark(CellBuilder& text, std::string_view code) {
    static const TwoByteCodeMemo memo(cornerMark);
    memo.appendTo(text, code);
}

int32_t corner4Position(std::string_view code) {
    int v = toIntOrZero(code);
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

// Race time "MSSS": the first byte minutes, the last three seconds in tenths.
int32_t raceTimeTenths(std::string_view time) {
    return toIntOrZero(time.substr(0, 1)) * 600 + toIntOrZero(time.size() > 1 ? time.substr(1) : "");
}

// Early 3F of a 1000 m race: the stored time is a 600 m split, scaled to three furlongs; 新潟's
// straight turf course is timed from the race time less the last 3F.
int32_t thousandMetreF3F(std::string_view horseLine, int k, std::string_view course, const std::string& surface) {
    int c = toIntOrZero(pastField(horseLine, horse_line::past_first_3f, k));
    double x;
    if (course == texts().niigata && surface == texts().turf) {
        int t = raceTimeTenths(pastField(horseLine, horse_line::past_race_time, k));
        int l = toIntOrZero(pastField(horseLine, horse_line::past_last_3f, k));
        x = (t - l) * 3.0 / 2.0;
    } else if (course == texts().niigata || course == texts().kokura) {
        x = c * 3.0 / 2.0;
    } else {
        x = c * 3.0 / 2.0 - 3.0;
    }
    return static_cast<int32_t>(roundUp(1, x));
}

bool isCentralCourse(std::string_view course) {
    for (const std::string& central : texts().centralCourses) {
        if (course == central) return true;
    }
    return false;
}

// The class part of a past race's cell: the short race name, followed at the central courses by
// the class; without a name the class alone, where a money class shows from 100万 on as "N万下".
// A class is named in words (新馬, 未出走, 未勝利, the grade of an open race) or is an amount.
void appendClassText(CellBuilder& text, std::string_view horseLine, int k, std::string_view course) {
    std::string_view classCode = pastField(horseLine, horse_line::past_race_class_code, k);
    std::string grade;
    std::string_view words;
    bool inWords = true;
    int amount = 0;
    if (classCode == "00001") {
        words = texts().newcomer;
    } else if (classCode == "00002") {
        words = texts().unraced;
    } else if (classCode == "00003") {
        words = texts().maiden;
    } else if (classCode == "00004") {
        words = grade = gradeMark(pastField(horseLine, horse_line::past_grade_code, k));
    } else {
        inWords = false;
        amount = toIntOrZero(classCode.substr(0, 4));
    }

    std::string_view shortName = pastField(horseLine, horse_line::past_race_short_name, k);
    if (shortName != "      ") {
        text << shortName;
        if (!isCentralCourse(course)) return;
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
void appendFinishText(CellBuilder& text, std::string_view finish) {
    int n = toIntOrZero(finish);
    bool placed = finish == "01" || finish == "02" || finish == "03";
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

// Three lines: where, when and the class; surface, distance, early 3F and corners; the finish.
void writeCellText(CellText& cell, std::string_view horseLine, int k, std::string_view course, const PastColumn& b) {
    std::string_view date = pastField(horseLine, horse_line::past_race_date, k);
    CellBuilder text;
    text << course << date.substr(std::min<size_t>(4, date.size()), 2) << '.'
         << date.substr(std::min<size_t>(6, date.size()), 2) << ' ';
    appendClassText(text, horseLine, k, course);
    const std::string distance = std::to_string(b.pastDistance[k]);
    text.line() << b.pastSurface[k] << std::string_view(distance).substr(0, 2) << ' ';
    if (b.pastF3F[k] == 0)
        text << texts().noTime;
    else
        text << tenthsText(b.pastF3F[k]);
    text << ' ';
    for (const FieldDef* corner :
         {&horse_line::past_corner1, &horse_line::past_corner2, &horse_line::past_corner3, &horse_line::past_corner4}) {
        appendCornerMark(text, pastField(horseLine, *corner, k));
    }
    text.line();
    appendFinishText(text, pastField(horseLine, horse_line::past_finish, k));
    text << ' ';
    text.writeTo(cell);
}

bool containsBlank(std::string_view text) { return text.find(' ') != std::string_view::npos; }

// A past race's date "YYYYMMDD"; a blank one stands for now. Eight plain digits are read at once
// (nearly every date); anything else is read strictly, with its conversion error.
LocalDateTime pastRaceDate(std::string_view date, const LocalDateTime& now) {
    if (containsBlank(date)) return now;
    if (date.size() == 8 && std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        auto number = [&](size_t from, size_t to) {
            int value = 0;
            for (size_t i = from; i < to; ++i) value = value * 10 + (date[i] - '0');
            return value;
        };
        const int year = number(0, 4), month = number(4, 6), day = number(6, 8);
        if (isValidDate(year, month, day)) return LocalDateTime{year, month, day, 0};
    }
    return strictDate(date.substr(0, 4), date.substr(std::min<size_t>(4, date.size()), 2),
                      date.substr(std::min<size_t>(6, date.size()), 2), horse_line::past_race_date.name, date);
}

// The year, month and day texts of a race date "2010/05/02(日)".
std::array<std::string_view, 3> raceDateParts(std::string_view date) {
    auto part = [&](size_t pos, size_t len) { return date.substr(std::min(pos, date.size()), len); };
    return {part(0, 4), part(5, 2), part(8, 2)};
}

}  // namespace

PredictedRace::PredictedRace(std::string_view course, std::string_view distance, std::string_view date,
                             const LocalDateTime& nowTime)
    : courseText(course),
      distanceText(distance),
      raceDateText(date),
      now(nowTime),
      raceDate(std::apply(parseDate, raceDateParts(date))) {}

PastColumn buildPastColumn(std::string_view horseLine, const PredictedRace& race, PastTexts pastTexts) {
    PastColumn b;
    fillPastColumn(b, horseLine, race, pastTexts);
    return b;
}

void fillPastColumn(PastColumn& b, std::string_view horseLine, const PredictedRace& race, PastTexts pastTexts) {
    int raceDistance = toIntOrZero(race.distanceText);
    for (int k = 0; k < kPastRaces; ++k) {
        std::string unusualCourse;
        const std::string_view course =
            courseAbbreviation(pastField(horseLine, horse_line::past_racecourse_code, k), unusualCourse);
        b.pastSurface[k] = surfaceName(pastField(horseLine, horse_line::past_jump_flag, k),
                                       pastField(horseLine, horse_line::past_turf_flag, k));
        b.pastDistance[k] = toIntOrZero(pastField(horseLine, horse_line::past_distance, k));
        b.pastF3F[k] = b.pastDistance[k] == 1000 ? thousandMetreF3F(horseLine, k, course, b.pastSurface[k])
                                                 : toIntOrZero(pastField(horseLine, horse_line::past_first_3f, k));
        b.pastCorner4[k] = corner4Position(pastField(horseLine, horse_line::past_corner4, k));
        b.pastValid[k] = b.pastSurface[k] != texts().jump && b.pastSurface[k] == race.courseText &&
                         b.pastF3F[k] >= 150 && std::abs(raceDistance - b.pastDistance[k]) <= 400;
        if (b.pastValid[k]) b.pastPR[k] = prPoints(b.pastCorner4[k]);

        b.dates[k + 1] = pastRaceDate(pastField(horseLine, horse_line::past_race_date, k), race.now);
        if (pastTexts == PastTexts::Build && course != texts().missingCourse)
            writeCellText(b.pastText[k], horseLine, k, course, b);
    }
    if (race.raceDate) {
        b.dates[0] = *race.raceDate;
    } else {
        const auto [year, month, day] = raceDateParts(race.raceDateText);
        b.dates[0] = strictDate(year, month, day, "raceDateText", race.raceDateText);
    }
    b.PR = b.pastPR[0] + b.pastPR[1] + b.pastPR[2];
    b.name = trimmed(field(horseLine, horse_line::horse_name));
}

}  // namespace zv
