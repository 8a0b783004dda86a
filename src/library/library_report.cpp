#include "library_report.h"

#include <vector>

#include "predict/bet_lines.h"
#include "predict/mark_symbols.h"
#include "report/report_tally.h"
#include "sqlite_db.h"

namespace zv::library {
namespace {

// The filter as SQL conditions on races r, with the values to bind in order.
struct Conditions {
    std::string sql;
    std::vector<std::string> texts;
    std::vector<int64_t> numbers;
    std::vector<bool> isText;

    void add(const char* condition, int64_t number) {
        sql += std::string(" AND ") + condition;
        numbers.push_back(number);
        isText.push_back(false);
    }
    void add(const char* condition, const std::string& text) {
        sql += std::string(" AND ") + condition;
        texts.push_back(text);
        isText.push_back(true);
    }
    void bind(Statement& statement) const {
        size_t text = 0, number = 0;
        for (size_t i = 0; i < isText.size(); ++i) {
            const int at = static_cast<int>(i) + 1;
            if (isText[i])
                statement.bind(at, texts[text++]);
            else
                statement.bind(at, numbers[number++]);
        }
    }
};

Conditions conditionsOf(const ReportFilter& filter) {
    Conditions c;
    if (filter.from) c.add("r.date >= ?", *filter.from);
    if (filter.to) c.add("r.date <= ?", *filter.to);
    if (!filter.racecourse.empty()) c.add("r.racecourse = ?", filter.racecourse);
    if (!filter.surface.empty()) c.add("r.surface = ?", filter.surface);
    if (filter.shortest) c.add("r.distance >= ?", *filter.shortest);
    if (filter.longest) c.add("r.distance <= ?", *filter.longest);
    if (!filter.raceClass.empty()) c.add("r.class = ?", filter.raceClass);
    return c;
}

std::array<int, 6> marksOf(const std::string& text) {
    std::array<int, 6> marks{};
    for (size_t m = 0; m < marks.size() && 2 * m + 1 < text.size(); ++m)
        marks[m] = (text[2 * m] - '0') * 10 + (text[2 * m + 1] - '0');
    return marks;
}

// The user's marks on the counted races (slot of each race id, -1 for races not counted), each race
// that carries one standing for the own-mark rows. A mark set on another horse than the card names
// at its number counts for nothing.
void addOwnMarks(Database& db, const std::vector<int32_t>& slotOfRace, std::vector<report::TalliedRace>& races) {
    Statement marks = db.prepare(
        "SELECT r.id, r.race_number, m.horse_number, m.mark FROM own_marks m JOIN races r ON r.date = m.date AND "
        "r.racecourse_code = m.racecourse_code AND r.race_number = m.race_number JOIN entries e ON e.race = r.id "
        "AND e.horse_number = m.horse_number JOIN horses h ON h.id = e.horse AND h.name = m.horse_name");
    while (marks.step()) {
        const auto raceId = static_cast<size_t>(marks.integer(0));
        if (raceId >= slotOfRace.size() || slotOfRace[raceId] < 0) continue;
        report::TalliedRace& race = races[static_cast<size_t>(slotOfRace[raceId])];
        const auto horseNumber = static_cast<int>(marks.integer(2));
        const auto mark = static_cast<int>(marks.integer(3));
        if (!race.own) race.own = report::OwnPicks{{}, marks.integer(1) >= kFirstTrifectaRace};
        race.runners.at(static_cast<size_t>(horseNumber - 1)).ownMark = mark;
        if (mark < kRuledOut) race.own->picks[static_cast<size_t>(mark)] = horseNumber;
    }
}

}  // namespace

report::ReportCard libraryReport(const Library& library, const ReportFilter& filter) {
    Database& db = library.database();
    const Conditions conditions = conditionsOf(filter);
    Statement races = db.prepare(
        "SELECT r.id, r.date, r.marks, r.trifecta, r.unrated, d.source, r.runners FROM races r JOIN days d ON "
        "d.date = r.date WHERE 1" +
        conditions.sql + " ORDER BY r.date, r.race_index");
    conditions.bind(races);

    std::vector<report::TalliedRace> tallied;
    std::vector<report::ReportDay> days;
    std::vector<report::SkippedInput> skipped;
    std::vector<int32_t> slotOfRace;  // by race id: where the race is in tallied, -1 when not counted
    int lastDate = 0;
    while (races.step()) {
        if (const int date = static_cast<int>(races.integer(1)); date != lastDate) {
            days.push_back({slashedDate(date), races.text(5), 0});
            lastDate = date;
        }
        if (const std::string unrated = races.text(4); !unrated.empty()) {
            skipped.push_back({days.back().path, unrated});
            continue;
        }
        ++days.back().races;
        const auto raceId = static_cast<size_t>(races.integer(0));
        if (raceId >= slotOfRace.size()) slotOfRace.resize(raceId + 1, -1);
        slotOfRace[raceId] = static_cast<int32_t>(tallied.size());
        report::TalliedRace& race = tallied.emplace_back();
        race.marks = marksOf(races.text(2));
        race.trifecta = races.integer(3) != 0;
        race.runners.reserve(static_cast<size_t>(races.integer(6)));
    }

    // Every entry in one pass, in race and horse-number order; only integers are read.
    Statement runners = db.prepare(
        "SELECT race, mark, rank, combined, finish, popularity, opponent FROM entries ORDER BY race, horse_number");
    while (runners.step()) {
        const auto raceId = static_cast<size_t>(runners.integer(0));
        if (raceId >= slotOfRace.size() || slotOfRace[raceId] < 0) continue;
        report::TalliedRunner& runner = tallied[static_cast<size_t>(slotOfRace[raceId])].runners.emplace_back();
        runner.mark = static_cast<int>(runners.integer(1));
        runner.rank = static_cast<int>(runners.integer(2));
        runner.indexBand = report::indexBandOf(static_cast<int32_t>(runners.integer(3)));
        runner.found = !runners.isNull(4);
        if (runner.found) {
            runner.finish = static_cast<int>(runners.integer(4));
            runner.popularity = static_cast<int>(runners.integer(5));
            runner.opponent = static_cast<int>(runners.integer(6));
        }
    }

    addOwnMarks(db, slotOfRace, tallied);
    report::ReportCard card = report::countRaces(tallied);
    card.days = std::move(days);
    card.skipped = std::move(skipped);
    return card;
}

}  // namespace zv::library

namespace zv::library {

ReportFilterChoices reportFilterChoices(const Library& library) {
    Database& db = library.database();
    ReportFilterChoices choices;
    Statement racecourses = db.prepare(
        "SELECT racecourse FROM races WHERE racecourse <> '' GROUP BY racecourse ORDER BY "
        "min(racecourse_code)");
    while (racecourses.step()) choices.racecourses.push_back(racecourses.text(0));
    Statement classes = db.prepare("SELECT DISTINCT class FROM races WHERE class <> '' ORDER BY class");
    while (classes.step()) choices.classes.push_back(classes.text(0));
    Statement dates = db.prepare("SELECT min(date), max(date) FROM days");
    if (dates.step() && !dates.isNull(0)) {
        choices.firstDate = static_cast<int>(dates.integer(0));
        choices.lastDate = static_cast<int>(dates.integer(1));
    }
    return choices;
}

}  // namespace zv::library
