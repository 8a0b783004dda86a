// The library of kept meeting days: every day the program took in, its records kept compressed in
// a folder beside the database (kept_day.h), and its rows (day_rows.h) in an SQLite database in
// the data folder. The database runs in WAL mode and every change is one transaction, so a run
// killed half-way leaves the library as it was before the change or after it. A day is kept once:
// adding a day with the date of a kept one changes nothing. The rows can always be made again
// from the kept records (rebuild).
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/store.h"
#include "unusable_library.h"

namespace zv::library {

class Database;

struct KeptDay {
    int date = 0;                          // YYYYMMDD
    std::string dateText;                  // 2026/05/09(土)
    std::vector<std::string> racecourses;  // 東京, 京都 ..
    int races = 0;
    int runners = 0;
    std::string source;  // where it was added from
};

enum class AddOutcome {
    Added,
    AlreadyKept,       // the same day with the same records
    DateKeptOtherwise  // a day of that date is kept with other records; it stays
};

struct AddResult {
    AddOutcome outcome = AddOutcome::Added;
    int date = 0;
    int races = 0;
};

// One race a horse was entered in.
struct HorseEntry {
    int date = 0;
    std::string race;  // 東京11R
    int raceIndex = 0;
    int horseNumber = 0;
    int mark = -1;              // 0 ◎ .. 5 ☆; -1 unmarked
    int combined = 0;           // the index is indexValue(combined)
    std::optional<int> finish;  // once a later kept day gives it
};

// A past race of a horse as a horse record gives it.
struct PastRaceSeen {
    int date = 0;  // YYYYMMDD
    std::string racecourse;
    std::string raceName;
    std::string surface;
    int distance = 0;
    int fieldSize = 0;
    int horseNumber = 0;
    int popularity = 0;
    int finish = 0;
    int raceTime = 0;  // MSSS
    std::string jockey;
};

struct HorseFound {
    std::string name;
    std::vector<HorseEntry> entries;      // newest first
    std::vector<PastRaceSeen> pastRaces;  // every past race seen in the kept records, newest first
    std::string note;                     // the user's note on the horse (horse_notes.h), where the reader adds it
};

struct CheckResult {
    int days = 0;
    std::vector<std::string> problems;  // UTF-8; none when the library is whole
    std::vector<std::string> notes;     // kept files no row names (left by a killed run): harmless
};

// YYYYMMDD as 2026/05/09.
std::string slashedDate(int date);

enum class OpenMode {
    Create,    // creates the database when there is none
    Existing,  // throws zv::Error (Io) when there is none
};

class Library {
public:
    // The database file and the folder of kept records in dataFolder.
    static std::filesystem::path databaseFile(const std::filesystem::path& dataFolder);
    static std::filesystem::path keptFolder(const std::filesystem::path& dataFolder);

    // Throws UnusableLibrary when the file is not this program's library.
    Library(const std::filesystem::path& dataFolder, OpenMode mode);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Keeps the day of store, added from source (a path, shown to the user). Throws zv::Error when
    // the day has no date or cannot be written; nothing is added then.
    AddResult addDay(const RaceDataStore& store, std::string_view source);

    // Every kept day, newest first.
    std::vector<KeptDay> days() const;
    // The kept day of date into store; false when no day of that date is kept. Throws zv::Error
    // when its records are damaged.
    bool loadDay(int date, RaceDataStore& store) const;
    // The horses whose folded name (name_fold.h) holds the folded query, by name, with their past
    // races only when asked: a list of horses found shows their entries alone.
    enum class PastRaces { Left, Read };
    std::vector<HorseFound> findHorses(std::string_view query, PastRaces pastRaces = PastRaces::Left) const;

    // The database's own check, and every kept day's records read back against its rows.
    CheckResult check() const;

    Database& database() const { return *db_; }

private:
    std::filesystem::path dataFolder_;
    std::unique_ptr<Database> db_;
};

// Makes the database anew from the kept records: the old file is replaced only when the new one is
// whole. Told each kept file's number and the count. Returns the problems met (damaged kept files,
// which are left out), UTF-8.
std::vector<std::string> rebuildLibrary(const std::filesystem::path& dataFolder,
                                        const std::function<void(int done, int total)>& progress = {});

}  // namespace zv::library
