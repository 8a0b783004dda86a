#include "library_schema.h"

#include "sqlite_db.h"
#include "unusable_library.h"

namespace zv::library {
namespace {

// "ZvLb": marks the file as this program's library.
constexpr int64_t kApplicationId = 0x5A764C62;
constexpr int64_t kSchemaVersion = 1;

constexpr const char* kTables = R"sql(
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

int64_t pragmaValue(Database& db, const char* pragma) {
    Statement statement = db.prepare(std::string("PRAGMA ") + pragma);
    return statement.step() ? statement.integer(0) : 0;
}

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
    if (applicationId == 0) {
        Transaction transaction(db);
        if (pragmaValue(db, "application_id") == 0) {
            db.exec(kTables);
            db.exec("PRAGMA application_id=" + std::to_string(kApplicationId));
            db.exec("PRAGMA user_version=" + std::to_string(kSchemaVersion));
        }
        transaction.commit();
    } else if (pragmaValue(db, "user_version") > kSchemaVersion) {
        throw UnusableLibrary("新しい版のプログラムで作られています");
    }
}

}  // namespace zv::library
