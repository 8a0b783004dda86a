#include "own_marks.h"

#include <algorithm>
#include <cstdio>

#include "data/code_tables.h"
#include "data/error.h"
#include "data/record_codec.h"
#include "data/sjis.h"

namespace zv::library {
namespace {

constexpr const char* kColumns = "date, racecourse_code, race_number, horse_number, horse_name, mark";

OwnMark markOf(const Statement& row) {
    OwnMark mark;
    mark.race = {static_cast<int>(row.integer(0)), static_cast<int>(row.integer(1)), static_cast<int>(row.integer(2))};
    mark.horseNumber = static_cast<int>(row.integer(3));
    mark.horseName = row.text(4);
    mark.mark = static_cast<int>(row.integer(5));
    return mark;
}

std::vector<OwnMark> marksOf(Statement& query) {
    std::vector<OwnMark> marks;
    while (query.step()) marks.push_back(markOf(query));
    query.reset();
    return marks;
}

Statement& bindRace(Statement& statement, const RaceKey& race) {
    return statement.bind(1, race.date).bind(2, race.racecourseCode).bind(3, race.raceNumber);
}

}  // namespace

std::optional<int> ownMarkOfSymbol(std::string_view symbol) {
    const auto found = std::find(kOwnMarkSymbolsUtf8.begin(), kOwnMarkSymbolsUtf8.end(), symbol);
    if (found == kOwnMarkSymbolsUtf8.end()) return std::nullopt;
    return static_cast<int>(found - kOwnMarkSymbolsUtf8.begin());
}

std::string raceLabelOf(const RaceKey& race) {
    char code[8];
    std::snprintf(code, sizeof code, "%02d", race.racecourseCode % 100);
    return toUtf8(racecourseName(code)) + std::to_string(race.raceNumber) + "R";
}

RaceKey raceKeyOf(const RaceDataStore& store, int race) {
    const RaceHeaderRecord header = decodeRaceHeader(Cp932View(store.headerLines.at(static_cast<size_t>(race))));
    if (header.raceDate.number() == 0 || header.racecourse.state != FieldState::Value)
        throw Error(ErrorKind::Format, "レースの開催日か競馬場を読めません");
    return {header.raceDate.number(), static_cast<int>(header.racecourse.code),
            static_cast<int>(header.raceNumber.value)};
}

std::string horseNameOf(const RaceDataStore& store, int race, int horseNumber) {
    if (horseNumber < 1 || horseNumber > store.runnerCount(race))
        throw Error(ErrorKind::Format, "そのレースにない馬番です: " + std::to_string(horseNumber));
    const size_t line = static_cast<size_t>(store.firstRunner(race) + horseNumber - 1);
    return decodeHorseRecord(Cp932View(store.horseLines.at(line))).horseName.text;
}

OwnMarks::OwnMarks(const Library& library)
    : db_(library.database()),
      // The runner's own row, and the row holding the same ◎ .. ☆ in the race: the number that gave
      // the mark up comes back.
      clear_(db_.prepare("DELETE FROM own_marks WHERE date = ?1 AND racecourse_code = ?2 AND race_number = ?3 AND "
                         "(horse_number = ?4 OR (mark = ?5 AND ?5 < 6)) RETURNING horse_number")),
      insert_(db_.prepare(std::string("INSERT INTO own_marks(") + kColumns + ") VALUES(?1, ?2, ?3, ?4, ?5, ?6)")),
      ofRace_(db_.prepare(std::string("SELECT ") + kColumns +
                          " FROM own_marks WHERE date = ?1 AND racecourse_code = ?2 AND race_number = ?3 "
                          "ORDER BY horse_number")),
      ofDay_(db_.prepare(std::string("SELECT ") + kColumns +
                         " FROM own_marks WHERE ?1 = 0 OR date = ?1 "
                         "ORDER BY date, racecourse_code, race_number, horse_number")) {}

int OwnMarks::set(const RaceKey& race, int horseNumber, std::string_view horseName, int mark) {
    if (mark < -1 || mark >= kOwnMarks) throw Error(ErrorKind::Format, "印の番号が範囲外です");
    Transaction transaction(db_);
    int gaveUp = 0;
    bindRace(clear_, race).bind(4, horseNumber).bind(5, mark);
    while (clear_.step()) {
        const int number = static_cast<int>(clear_.integer(0));
        if (number != horseNumber) gaveUp = number;
    }
    clear_.reset();
    if (mark >= 0) bindRace(insert_, race).bind(4, horseNumber).bind(5, horseName).bind(6, mark).run();
    transaction.commit();
    return gaveUp;
}

int OwnMarks::setOnCard(const RaceDataStore& store, int race, int horseNumber, int mark) {
    return set(raceKeyOf(store, race), horseNumber, horseNameOf(store, race, horseNumber), mark);
}

std::vector<OwnMark> OwnMarks::ofRace(const RaceKey& race) const { return marksOf(bindRace(ofRace_, race)); }

std::vector<OwnMark> OwnMarks::ofDay(int date) const { return marksOf(ofDay_.bind(1, date)); }

OwnMarksOnCard OwnMarks::onCard(const RaceDataStore& store, int race) const {
    OwnMarksOnCard card;
    const int runners = store.runnerCount(race);
    card.marks.assign(static_cast<size_t>(runners), -1);
    card.nameDiffers.assign(static_cast<size_t>(runners), false);
    for (OwnMark& mark : ofRace(raceKeyOf(store, race))) {
        if (mark.horseNumber < 1 || mark.horseNumber > runners) {
            card.offCard.push_back(std::move(mark));
            continue;
        }
        const auto at = static_cast<size_t>(mark.horseNumber - 1);
        card.marks[at] = mark.mark;
        card.nameDiffers[at] = mark.horseName != horseNameOf(store, race, mark.horseNumber);
        if (mark.mark < kRuledOut && !card.nameDiffers[at])
            card.picks[static_cast<size_t>(mark.mark)] = mark.horseNumber;
    }
    return card;
}

}  // namespace zv::library
