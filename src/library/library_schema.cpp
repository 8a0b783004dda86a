#include "library_schema.h"

#include <iterator>

#include "entry_outcomes.h"
#include "sqlite_db.h"
#include "unusable_library.h"

namespace zv::library {
namespace {

// "ZvLb": marks the file as this program's library.
constexpr int64_t kApplicationId = 0x5A764C62;

// The kept days' rows.
constexpr const char* kDayTables = R"sql(
CREATE TABLE days(
  date INTEGER PRIMARY KEY,
  date_text TEXT NOT NULL,
  racecourses TEXT NOT NULL,
  races INTEGER NOT NULL,
  runners INTEGER NOT NULL,
  source TEXT NOT NULL,
  kept_file TEXT NOT NULL
);
CREATE TABLE races(
  id INTEGER PRIMARY KEY,
  date INTEGER NOT NULL,
  race_index INTEGER NOT NULL,
  racecourse_code INTEGER NOT NULL,
  racecourse TEXT NOT NULL,
  race_number INTEGER NOT NULL,
  surface TEXT NOT NULL,
  distance INTEGER NOT NULL,
  class TEXT NOT NULL,
  name TEXT NOT NULL,
  pace TEXT NOT NULL,
  runners INTEGER NOT NULL,
  marks TEXT NOT NULL,
  trifecta INTEGER NOT NULL,
  unrated TEXT NOT NULL,
  UNIQUE(date, race_index)
);
CREATE TABLE horses(
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL UNIQUE,
  folded TEXT NOT NULL
);
CREATE TABLE entries(
  race INTEGER NOT NULL,
  horse_number INTEGER NOT NULL,
  horse INTEGER NOT NULL,
  mark INTEGER NOT NULL,
  combined INTEGER NOT NULL,
  rank INTEGER NOT NULL,
  tr INTEGER NOT NULL,
  pr INTEGER NOT NULL,
  PRIMARY KEY(race, horse_number)
) WITHOUT ROWID;
CREATE INDEX entries_by_horse ON entries(horse);
CREATE TABLE past_races(
  horse INTEGER NOT NULL,
  date INTEGER NOT NULL,
  racecourse_code INTEGER NOT NULL,
  seen INTEGER NOT NULL,
  horse_number INTEGER NOT NULL,
  finish INTEGER NOT NULL,
  popularity INTEGER NOT NULL,
  opponent TEXT NOT NULL,
  race_name TEXT NOT NULL,
  surface TEXT NOT NULL,
  distance INTEGER NOT NULL,
  field_size INTEGER NOT NULL,
  race_time INTEGER NOT NULL,
  jockey TEXT NOT NULL,
  PRIMARY KEY(horse, date, racecourse_code)
) WITHOUT ROWID;
)sql";

// What the user writes: own marks on runners, by day, race and horse number, with the horse's name
// as the card gave it as a check; at most one of ◎ ○ ▲ △ × ☆ (0..5) per race, 消 (6) on any number.
// Notes on horses, by name. No row refers to a kept day: a mark may be set on any day's card.
constexpr const char* kUserTables = R"sql(
CREATE TABLE own_marks(
  date INTEGER NOT NULL,
  racecourse_code INTEGER NOT NULL,
  race_number INTEGER NOT NULL,
  horse_number INTEGER NOT NULL,
  horse_name TEXT NOT NULL,
  mark INTEGER NOT NULL CHECK(mark BETWEEN 0 AND 6),
  PRIMARY KEY(date, racecourse_code, race_number, horse_number)
) WITHOUT ROWID;
CREATE UNIQUE INDEX own_marks_once_per_race ON own_marks(date, racecourse_code, race_number, mark) WHERE mark < 6;
CREATE TABLE horse_notes(
  name TEXT PRIMARY KEY,
  note TEXT NOT NULL
) WITHOUT ROWID;
)sql";

int64_t pragmaValue(Database& db, const char* pragma) {
    Statement statement = db.prepare(std::string("PRAGMA ") + pragma);
    return statement.step() ? statement.integer(0) : 0;
}

void addDayTables(Database& db) {
    db.exec(kDayTables);
    db.exec("PRAGMA application_id=" + std::to_string(kApplicationId));
}

void addUserTables(Database& db) { db.exec(kUserTables); }

// The first libraries kept each past race's racecourse name beside its code; the name is now made
// from the code on reading, and rows are written without it.
void dropPastRaceCourseNames(Database& db) {
    Statement column = db.prepare("SELECT count(*) FROM pragma_table_info('past_races') WHERE name = 'racecourse'");
    if (column.step() && column.integer(0) > 0) db.exec("ALTER TABLE past_races DROP COLUMN racecourse");
}

// Entries hold their runner's outcome (entry_outcomes.h): finish is NULL until a later kept day's
// record gives it, opponent the horse number that record names (0 for none).
void addEntryOutcomes(Database& db) {
    db.exec(
        "ALTER TABLE entries ADD COLUMN finish INTEGER;"
        "ALTER TABLE entries ADD COLUMN popularity INTEGER NOT NULL DEFAULT 0;"
        "ALTER TABLE entries ADD COLUMN opponent INTEGER NOT NULL DEFAULT 0");
    setEveryEntryOutcome(db);
}

// The horse search reads a horse's entries from the index alone, without a look-up of each row.
void coverEntriesByHorse(Database& db) {
    db.exec(
        "DROP INDEX entries_by_horse;"
        "CREATE INDEX entries_by_horse ON entries(horse, race, horse_number, mark, combined, finish)");
}

// The schema's steps in order; a database of version v has taken the first v of them. A fresh
// database takes them all, an older one the steps it lacks, each in one transaction.
constexpr void (*kSteps[])(Database&) = {addDayTables, addUserTables, dropPastRaceCourseNames, addEntryOutcomes,
                                         coverEntriesByHorse};
constexpr int64_t kSchemaVersion = std::size(kSteps);

}  // namespace

void prepareSchema(Database& db) {
    int64_t applicationId = 0;
    int64_t tables = 0;
    try {
        applicationId = pragmaValue(db, "application_id");
        Statement count = db.prepare("SELECT count(*) FROM sqlite_schema");
        tables = count.step() ? count.integer(0) : 0;
    } catch (const UnusableLibrary&) {
        throw UnusableLibrary("データベースではないか、壊れています");
    }
    if (applicationId == 0 && tables > 0) throw UnusableLibrary("このプログラムのものではありません");
    if (applicationId != 0 && applicationId != kApplicationId)
        throw UnusableLibrary("このプログラムのものではありません");
    db.exec("PRAGMA journal_mode=WAL");
    db.exec("PRAGMA synchronous=NORMAL");
    const int64_t version = applicationId == 0 ? 0 : pragmaValue(db, "user_version");
    if (version > kSchemaVersion) throw UnusableLibrary("新しい版のプログラムで作られています");
    for (int64_t step = version; step < kSchemaVersion; ++step) {
        Transaction transaction(db);
        // Read again under the writer's lock: another run may have taken the step meanwhile.
        if (pragmaValue(db, "user_version") > step) continue;
        kSteps[static_cast<size_t>(step)](db);
        db.exec("PRAGMA user_version=" + std::to_string(step + 1));
        transaction.commit();
    }
}

}  // namespace zv::library
