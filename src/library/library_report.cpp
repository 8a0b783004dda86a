#include "library_report.h"

#include <map>
#include <vector>

#include "own_marks.h"
#include "predict/bet_lines.h"
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

// Every horse's name by its id: one read instead of a join per runner.
std::vector<std::string> horseNames(Database& db) {
    std::vector<std::string> names;
    Statement all = db.prepare("SELECT id, name FROM horses");
    while (all.step()) {
        const auto id = static_cast<size_t>(all.integer(0));
        if (id >= names.size()) names.resize(id + 1);
        names[id] = all.text(1);
    }
    return names;
}

// The user's marks on the races, each race that carries one standing for the own-mark rows. A mark
// set on another horse than the card names at its number counts for nothing.
void addOwnMarks(const OwnMarks& marks, const std::vector<RaceKey>& keys, std::vector<report::TalliedRace>& races) {
    std::map<RaceKey, std::vector<OwnMark>> byRace;
    for (OwnMark& mark : marks.ofDay(0)) byRace[mark.race].push_back(std::move(mark));
    for (size_t at = 0; at < races.size(); ++at) {
        const auto found = byRace.find(keys[at]);
        if (found == byRace.end()) continue;
        report::TalliedRace& race = races[at];
        report::OwnPicks own;
        own.trifecta = keys[at].raceNumber >= kFirstTrifectaRace;
        bool any = false;
        for (const OwnMark& mark : found->second) {
            const auto n = static_cast<size_t>(mark.horseNumber - 1);
            if (n >= race.runners.size() || race.runners[n].name != mark.horseName) continue;
            race.runners[n].ownMark = mark.mark;
            if (mark.mark < kRuledOut) own.picks[static_cast<size_t>(mark.mark)] = mark.horseNumber;
            any = true;
        }
        if (any) race.own = own;
    }
}

}  // namespace

report::ReportCard libraryReport(const Library& library, const ReportFilter& filter) {
    Database& db = library.database();
    const Conditions conditions = conditionsOf(filter);
    const std::vector<std::string> names = horseNames(db);

    Statement races = db.prepare(
        "SELECT r.id, r.date, r.marks, r.trifecta, r.unrated, d.source, r.runners, r.racecourse_code, r.race_number "
        "FROM races r JOIN days d ON "
        "d.date = r.date WHERE 1" +
        conditions.sql + " ORDER BY r.date, r.race_index");
    conditions.bind(races);
    Statement runners = db.prepare(
        "SELECT r.id, e.horse, e.mark, e.rank, e.combined, p.finish, p.popularity, p.opponent "
        "FROM races r JOIN entries e ON e.race = r.id LEFT JOIN past_races p ON p.horse = e.horse AND "
        "p.date = r.date AND p.racecourse_code = r.racecourse_code AND p.horse_number = e.horse_number WHERE 1" +
        conditions.sql + " ORDER BY r.date, r.race_index, e.horse_number");
    conditions.bind(runners);

    std::vector<report::TalliedRace> tallied;
    std::vector<report::ReportDay> days;
    std::vector<report::SkippedInput> skipped;
    std::vector<int64_t> raceIds;
    std::vector<RaceKey> raceKeys;
    while (races.step()) {
        const int date = static_cast<int>(races.integer(1));
        const std::string source = races.text(5);
        if (days.empty() || days.back().date != slashedDate(date)) days.push_back({slashedDate(date), source, 0});
        if (const std::string unrated = races.text(4); !unrated.empty()) {
            skipped.push_back({source, unrated});
            continue;
        }
        ++days.back().races;
        report::TalliedRace& race = tallied.emplace_back();
        race.marks = marksOf(races.text(2));
        race.trifecta = races.integer(3) != 0;
        race.runners.reserve(static_cast<size_t>(races.integer(6)));
        raceIds.push_back(races.integer(0));
        raceKeys.push_back({date, static_cast<int>(races.integer(7)), static_cast<int>(races.integer(8))});
    }

    // The runners come in the same race order, of rated races only.
    size_t at = 0;
    while (runners.step()) {
        while (raceIds.at(at) != runners.integer(0)) ++at;
        report::TalliedRace& race = tallied[at];
        report::TalliedRunner& runner = race.runners.emplace_back();
        runner.name = names.at(static_cast<size_t>(runners.integer(1)));
        runner.mark = static_cast<int>(runners.integer(2));
        runner.rank = static_cast<int>(runners.integer(3));
        runner.indexBand = report::indexBandOf(static_cast<int32_t>(runners.integer(4)));
        runner.found = !runners.isNull(5);
        if (runner.found) {
            runner.finish = static_cast<int>(runners.integer(5));
            runner.popularity = static_cast<int>(runners.integer(6));
            runner.opponent = runners.text(7);
        }
    }

    addOwnMarks(OwnMarks(library), raceKeys, tallied);
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
