#include "library.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unordered_map>

#include "data/text_file.h"
#include "day_rows.h"
#include "entry_outcomes.h"
#include "kept_day.h"
#include "library_schema.h"
#include "name_fold.h"
#include "sqlite_db.h"
#include "user_rows.h"

namespace zv::library {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDatabaseName = "library.sqlite";
constexpr const char* kKeptFolderName = "kept-days";
constexpr const char* kKeptSuffix = ".day";

std::string keptFileName(int date) { return std::to_string(date) + kKeptSuffix; }

std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) out += (out.empty() ? "" : " ") + text;
    return out;
}

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> out;
    size_t from = 0;
    while (from < text.size()) {
        size_t to = text.find(' ', from);
        if (to == std::string::npos) to = text.size();
        out.push_back(text.substr(from, to - from));
        from = to + 1;
    }
    return out;
}

std::string marksText(const std::array<int, 6>& marks) {
    std::string text;
    for (int runner : marks) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02d", runner % 100);
        text += digits;
    }
    return text;
}

// Writes a day's rows in the caller's transaction.
class RowWriter {
public:
    explicit RowWriter(Database& db)
        : db_(db),
          insertDay_(db.prepare("INSERT INTO days(date, date_text, racecourses, races, runners, source, kept_file) "
                                "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)")),
          insertRace_(db.prepare(
              "INSERT INTO races(date, race_index, racecourse_code, racecourse, race_number, surface, distance, class, "
              "name, pace, runners, marks, trifecta, unrated) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, "
              "?12, ?13, ?14)")),
          insertEntry_(db.prepare("INSERT INTO entries(race, horse_number, horse, mark, combined, rank, tr, pr) "
                                  "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")),
          findHorse_(db.prepare("SELECT id FROM horses WHERE name = ?1")),
          insertHorse_(db.prepare("INSERT INTO horses(name, folded) VALUES(?1, ?2)")),
          // The earliest later day's record of a past race is the one kept, as the report card
          // takes a finish from the first later day that gives it.
          upsertPast_(db.prepare(
              "INSERT INTO past_races(horse, date, racecourse_code, seen, horse_number, finish, popularity, opponent, "
              "race_name, surface, distance, field_size, race_time, jockey) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
              "?10, ?11, ?12, ?13, ?14) ON CONFLICT(horse, date, racecourse_code) DO UPDATE SET "
              "seen = excluded.seen, horse_number = excluded.horse_number, "
              "finish = excluded.finish, popularity = excluded.popularity, opponent = excluded.opponent, "
              "race_name = excluded.race_name, surface = excluded.surface, distance = excluded.distance, "
              "field_size = excluded.field_size, race_time = excluded.race_time, jockey = excluded.jockey "
              "WHERE excluded.seen < past_races.seen")),
          outcomes_(db) {}

    void write(const DayRows& rows, std::string_view source) {
        insertDay_.bind(1, rows.date)
            .bind(2, rows.dateText)
            .bind(3, joined(rows.racecourses))
            .bind(4, static_cast<int>(rows.races.size()))
            .bind(5, rows.runners)
            .bind(6, source)
            .bind(7, keptFileName(rows.date))
            .run();
        for (const RaceRow& race : rows.races) writeRace(rows.date, race);
        for (const PastRaceRow& past : rows.pastRaces) {
            const PastRaceSeen& seen = past.seen;
            const int64_t horse = horseId(past.horse);
            upsertPast_.bind(1, horse)
                .bind(2, seen.date)
                .bind(3, past.racecourseCode)
                .bind(4, rows.date)
                .bind(5, seen.horseNumber)
                .bind(6, seen.finish)
                .bind(7, seen.popularity)
                .bind(8, past.opponent)
                .bind(9, seen.raceName)
                .bind(10, seen.surface)
                .bind(11, seen.distance)
                .bind(12, seen.fieldSize)
                .bind(13, seen.raceTime)
                .bind(14, seen.jockey)
                .run();
            if (db_.changes() > 0) outcomes_.ofPastRace(horse, seen.date, past.racecourseCode);
        }
    }

private:
    void writeRace(int date, const RaceRow& race) {
        insertRace_.bind(1, date)
            .bind(2, race.raceIndex)
            .bind(3, race.racecourseCode)
            .bind(4, race.racecourse)
            .bind(5, race.raceNumber)
            .bind(6, race.surface)
            .bind(7, race.distance)
            .bind(8, race.raceClass)
            .bind(9, race.name)
            .bind(10, race.pace)
            .bind(11, race.runners)
            .bind(12, marksText(race.marks))
            .bind(13, race.trifecta ? 1 : 0)
            .bind(14, race.unrated)
            .run();
        const int64_t raceId = db_.lastRowId();
        for (const EntryRow& entry : race.entries) {
            insertEntry_.bind(1, raceId)
                .bind(2, entry.horseNumber)
                .bind(3, horseId(entry.horse))
                .bind(4, entry.mark)
                .bind(5, entry.combined)
                .bind(6, entry.rank)
                .bind(7, entry.tr)
                .bind(8, entry.pr)
                .run();
        }
        outcomes_.ofRace(raceId);
    }

    int64_t horseId(const std::string& name) {
        if (auto known = ids_.find(name); known != ids_.end()) return known->second;
        findHorse_.bind(1, name);
        int64_t id = 0;
        if (findHorse_.step()) {
            id = findHorse_.integer(0);
            findHorse_.reset();
        } else {
            findHorse_.reset();
            insertHorse_.bind(1, name).bind(2, foldName(name)).run();
            id = db_.lastRowId();
        }
        ids_.emplace(name, id);
        return id;
    }

    Database& db_;
    Statement insertDay_;
    Statement insertRace_;
    Statement insertEntry_;
    Statement findHorse_;
    Statement insertHorse_;
    Statement upsertPast_;
    EntryOutcomes outcomes_;
    std::unordered_map<std::string, int64_t> ids_;
};

std::optional<std::string> keptFileOf(Database& db, int date) {
    Statement find = db.prepare("SELECT kept_file FROM days WHERE date = ?1");
    find.bind(1, date);
    if (!find.step()) return std::nullopt;
    return find.text(0);
}

std::string raceLabel(const std::string& racecourse, int raceNumber) {
    return racecourse + std::to_string(raceNumber) + "R";
}

}  // namespace

std::string slashedDate(int date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date / 10000, date / 100 % 100, date % 100);
    return text;
}

fs::path Library::databaseFile(const fs::path& dataFolder) { return dataFolder / kDatabaseName; }

fs::path Library::keptFolder(const fs::path& dataFolder) { return dataFolder / kKeptFolderName; }

Library::Library(const fs::path& dataFolder, OpenMode mode) : dataFolder_(dataFolder) {
    const fs::path file = databaseFile(dataFolder);
    std::error_code ec;
    if (mode == OpenMode::Existing && !fs::exists(file, ec))
        throw Error(ErrorKind::Io, "ライブラリに開催日がありません (" + pathText(file) + " がありません)");
    if (mode == OpenMode::Create) fs::create_directories(dataFolder, ec);
    db_ = std::make_unique<Database>(file, Database::Mode::ReadWrite);
    prepareSchema(*db_);
}

Library::~Library() = default;

AddResult Library::addDay(const RaceDataStore& store, std::string_view source) {
    const DayRows rows = dayRows(store);
    AddResult result{AddOutcome::Added, rows.date, static_cast<int>(rows.races.size())};
    const std::string kept = keptDayBytes(store);

    Transaction transaction(*db_);
    if (std::optional<std::string> file = keptFileOf(*db_, rows.date)) {
        const bool same = readKeptDay(keptFolder(dataFolder_) / *file) == store;
        result.outcome = same ? AddOutcome::AlreadyKept : AddOutcome::DateKeptOtherwise;
        return result;
    }
    const fs::path folder = keptFolder(dataFolder_);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        throw Error(ErrorKind::Io, "フォルダを作成できません: " + pathText(folder) + " (" + errorCodeText(ec) + ")");
    // The file first: a run killed before the commit leaves a file no row names, which the next
    // add of that day replaces.
    writeFileReplacing(folder / keptFileName(rows.date), kept, FileDurability::Synced);
    RowWriter(*db_).write(rows, source);
    transaction.commit();
    return result;
}

std::vector<KeptDay> Library::days() const {
    Statement list =
        db_->prepare("SELECT date, date_text, racecourses, races, runners, source FROM days ORDER BY date DESC");
    std::vector<KeptDay> days;
    while (list.step()) {
        days.push_back({static_cast<int>(list.integer(0)), list.text(1), split(list.text(2)),
                        static_cast<int>(list.integer(3)), static_cast<int>(list.integer(4)), list.text(5)});
    }
    return days;
}

bool Library::loadDay(int date, RaceDataStore& store) const {
    std::optional<std::string> file = keptFileOf(*db_, date);
    if (!file) return false;
    store = readKeptDay(keptFolder(dataFolder_) / *file);
    return true;
}

// A statement each for the horses, their entries and (when asked) their past races, whatever the
// number of horses found. The matching horses lead every join; the rows are put in order here
// rather than sorted by SQLite.
std::vector<HorseFound> Library::findHorses(std::string_view query, PastRaces pastRaces) const {
    const std::string folded = foldName(query);
    std::vector<HorseFound> found;
    if (folded.empty()) return found;
    constexpr std::string_view kMatching = " WHERE instr(h.folded, ?1) > 0";
    Statement horses = db_->prepare("SELECT h.id, h.name FROM horses h" + std::string(kMatching) + " ORDER BY h.name");
    Statement entries = db_->prepare(
        "SELECT h.id, r.date, r.racecourse, r.race_number, r.race_index, e.horse_number, e.mark, e.combined, e.finish "
        "FROM horses h CROSS JOIN entries e ON e.horse = h.id JOIN races r ON r.id = e.race" +
        std::string(kMatching));

    std::unordered_map<int64_t, size_t> atOfHorse;
    horses.bind(1, folded);
    while (horses.step()) {
        atOfHorse.emplace(horses.integer(0), found.size());
        found.emplace_back().name = horses.text(1);
    }
    entries.bind(1, folded);
    while (entries.step()) {
        HorseEntry& entry = found[atOfHorse.at(entries.integer(0))].entries.emplace_back();
        entry.date = static_cast<int>(entries.integer(1));
        entry.race = raceLabel(entries.text(2), static_cast<int>(entries.integer(3)));
        entry.raceIndex = static_cast<int>(entries.integer(4));
        entry.horseNumber = static_cast<int>(entries.integer(5));
        entry.mark = static_cast<int>(entries.integer(6));
        entry.combined = static_cast<int>(entries.integer(7));
        if (auto finish = entries.optionalInteger(8)) entry.finish = static_cast<int>(*finish);
    }
    if (pastRaces == PastRaces::Read) {
        Statement past = db_->prepare(
            "SELECT h.id, p.date, p.racecourse_code, p.race_name, p.surface, p.distance, p.field_size, "
            "p.horse_number, p.popularity, p.finish, p.race_time, p.jockey FROM horses h CROSS JOIN past_races p ON "
            "p.horse = h.id" +
            std::string(kMatching));
        past.bind(1, folded);
        while (past.step()) {
            found[atOfHorse.at(past.integer(0))].pastRaces.push_back(
                {static_cast<int>(past.integer(1)), racecourseNameOf(static_cast<int>(past.integer(2))), past.text(3),
                 past.text(4), static_cast<int>(past.integer(5)), static_cast<int>(past.integer(6)),
                 static_cast<int>(past.integer(7)), static_cast<int>(past.integer(8)),
                 static_cast<int>(past.integer(9)), static_cast<int>(past.integer(10)), past.text(11)});
        }
    }
    for (HorseFound& horse : found) {
        std::sort(horse.entries.begin(), horse.entries.end(), [](const HorseEntry& a, const HorseEntry& b) {
            return a.date != b.date ? a.date > b.date : a.raceIndex < b.raceIndex;
        });
        std::stable_sort(horse.pastRaces.begin(), horse.pastRaces.end(),
                         [](const PastRaceSeen& a, const PastRaceSeen& b) { return a.date > b.date; });
    }
    return found;
}

CheckResult Library::check() const {
    CheckResult result;
    Statement quick = db_->prepare("PRAGMA quick_check");
    while (quick.step()) {
        std::string line = quick.text(0);
        if (line != "ok") result.problems.push_back("データベース: " + line);
    }
    Statement days = db_->prepare(
        "SELECT d.date, d.kept_file, d.races, d.runners, (SELECT count(*) FROM races r WHERE r.date = d.date) "
        "FROM days d ORDER BY d.date");
    std::set<std::string> named;
    while (days.step()) {
        ++result.days;
        const int date = static_cast<int>(days.integer(0));
        const std::string file = days.text(1);
        named.insert(file);
        try {
            const RaceDataStore store = readKeptDay(keptFolder(dataFolder_) / file);
            int runners = 0;
            for (int r = 0; r < store.raceCount; ++r) runners += store.runnerCount(r);
            if (store.raceCount != days.integer(2) || store.raceCount != days.integer(4) || runners != days.integer(3))
                result.problems.push_back(std::to_string(date) + ": 記録と行のレース数・頭数が合いません");
        } catch (const Error& e) {
            result.problems.push_back(std::to_string(date) + ": " + e.message());
        }
    }
    std::error_code ec;
    for (fs::directory_iterator it(keptFolder(dataFolder_), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.ends_with(kKeptSuffix) && !named.contains(name))
            result.notes.push_back(name + ": 登録されていない記録ファイルです (次に同じ日を追加すると置き換わります)");
    }
    return result;
}

std::vector<std::string> rebuildLibrary(const fs::path& dataFolder,
                                        const std::function<void(int done, int total)>& progress) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(Library::keptFolder(dataFolder), ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == kKeptSuffix) files.push_back(it->path());
    std::sort(files.begin(), files.end());

    const fs::path target = Library::databaseFile(dataFolder);
    const fs::path fresh = target.string() + ".rebuild";
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(fresh.string() + suffix, ec);
    std::vector<std::string> problems;
    {
        Database db(fresh, Database::Mode::ReadWrite);
        prepareSchema(db);
        const int total = static_cast<int>(files.size());
        for (int i = 0; i < total; ++i) {
            if (progress) progress(i, total);
            try {
                const RaceDataStore store = readKeptDay(files[i]);
                const DayRows rows = dayRows(store);
                if (files[i].filename() != keptFileName(rows.date))
                    throw Error(ErrorKind::Format, "ファイル名と開催日が合いません");
                Transaction transaction(db);
                RowWriter(db).write(rows, files[i].string());
                transaction.commit();
            } catch (const UnusableLibrary&) {
                throw;
            } catch (const Error& e) {
                problems.push_back(files[i].filename().string() + ": " + e.message());
            }
        }
        carryUserRows(db, target, problems);
        if (progress) progress(total, total);
    }
    for (const char* suffix : {"-wal", "-shm"}) fs::remove(target.string() + suffix, ec);
    fs::rename(fresh, target, ec);
    if (ec)
        throw Error(ErrorKind::Io,
                    "ライブラリを置き換えられません: " + pathText(target) + " (" + errorCodeText(ec) + ")");
    return problems;
}

}  // namespace zv::library
