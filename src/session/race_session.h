// The race on screen, kept apart from any window: the loaded data set, the race shown, its
// computed result, the grid sort that carries over from race to race, and the developer flag.
// The main window draws what this holds; the exports read the data set and the sort from here.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/archive/intake.h"
#include "data/store.h"
#include "predict/calendar.h"
#include "predict/grid_layout.h"
#include "predict/race_result.h"

namespace zv {

namespace library {
class HorseNotes;
class Library;
class OwnMarks;
}  // namespace library

// What changed, for the one who draws the session.
enum class SessionChange {
    DataSet,  // a new data set was loaded (its race 0 follows as a Race change)
    Race,     // another race is current, or the same race again; its result may be empty
    Order,    // the current race's rows were put in a new order (a new result)
    Marks,    // an own mark or a horse note of the current race changed (a new result, in the same order)
};

struct RaceSessionSetup {
    std::filesystem::path dataFolder;      // where archives are unpacked and the data set is read
    std::filesystem::path programFile;     // its path + ".ini" holds the developer flag
    std::function<LocalDateTime()> clock;  // "now" for the engine; the local clock when empty
};

class RaceSession {
public:
    explicit RaceSession(RaceSessionSetup setup);
    ~RaceSession();
    RaceSession(const RaceSession&) = delete;
    RaceSession& operator=(const RaceSession&) = delete;

    // Told after every change, also when computing the race then failed.
    void setListener(std::function<void(SessionChange)> listener) { listener_ = std::move(listener); }

    // The start-up load: the data set of the data folder, when both its header and its horse
    // file are there, showing race 0. Throws zv::Error when the files are there but do not load
    // (nothing changes), or when race 0 cannot be computed.
    void loadDataFolder();
    // Takes an archive into the data folder and the data set (archive/intake.h); when it is
    // taken in, its day is kept in the library of the data folder (library/library.h) and race 0
    // is selected.
    IntakeResult openArchive(const std::filesystem::path& archive, const archive::ProgressFn& progress);
    // Why the last archive taken in could not be kept in the library (CP932); empty when it was.
    // The intake stands either way.
    const std::string& libraryProblem() const { return libraryProblem_; }

    // Shows the kept day of date from the library of the data folder (library/library.h) at race
    // (its first race when out of range) in place of the data set; the data folder stays as it
    // is. Throws zv::Error, nothing changed, when the day is not kept or cannot be read.
    void showKeptDay(int date, int race = 0);
    // Back to the data set of the data folder, the one the partner files describe: its race 0,
    // or no data when the folder holds none. Throws zv::Error as loadDataFolder does.
    void showDataFolder();
    // The date of the kept day on screen; empty while the data folder's data set is shown.
    std::optional<int> keptDayShown() const { return keptDay_; }

    // Computes race r and makes it the current race. A race that cannot be computed still
    // becomes the current race, without a result, so that moving on starts from it; its
    // zv::Error is thrown again.
    void select(int race);
    // The race before or after the current one; false, and nothing changes, at either end.
    bool previous();
    bool next();
    // A heading click of the grid (clickGridHeader); true when the rows were put in a new order.
    bool clickHeader(int column);
    // Sets the user's own mark (0 ◎ .. 6 消, -1 clears) on runner number `runner` of the current
    // race, stored at once in the library of the data folder; the result then shows it. Returns
    // the runner that gave the mark up, 0 when none did. Throws zv::Error when the mark cannot be
    // stored (nothing changes then).
    int setOwnMark(int runner, int mark);
    // The user's note on the horse named horseName (UTF-8, as the card gives it), empty when
    // there is none or the library cannot be read.
    std::string horseNote(std::string_view horseName);
    // Stores the note at once in its own transaction (an empty text removes it); the result's name
    // cells then show which horses have one. Throws zv::Error when it cannot be stored (nothing
    // changes then).
    void setHorseNote(std::string_view horseName, std::string_view text);

    const RaceDataStore& store() const { return *store_; }
    // The day as it is now, for work that runs on while another day may come in: it never changes.
    std::shared_ptr<const RaceDataStore> snapshot() const { return store_; }
    bool hasData() const { return store_->raceCount > 0; }
    int currentRace() const { return currentRace_; }
    // The current race's header; null when no race is current.
    const RaceHeader* currentHeader() const {
        return currentRace_ >= 0 && currentRace_ < store_->raceCount ? &store_->headers[size_t(currentRace_)] : nullptr;
    }
    // The current race's result; empty when no race is current or it could not be computed.
    // A result never changes once handed out: a new order is a new result.
    std::shared_ptr<const RaceResult> result() const { return result_; }
    int sortColumn() const { return sortColumn_; }
    bool developerMode() const { return developerMode_; }
    const std::filesystem::path& dataFolder() const { return setup_.dataFolder; }
    LocalDateTime now() const { return setup_.clock(); }

private:
    // The data set of the data folder when its header and horse files are there (loadDataFolder).
    bool readDataFolder(RaceDataStore& store) const;
    // The data folder's data set (fresh) takes the place of the one on screen.
    void replaceDataSet(RaceDataStore fresh);
    // A new data set is on screen: told, then race selected.
    void presentDataSet(int race);
    void tell(SessionChange change) const;
    // The data folder's library, opened at the first own mark or note read or set.
    library::Library& userLibrary();
    library::OwnMarks& ownMarks();
    library::HorseNotes& horseNotes();
    // The own marks of race r; none when the library cannot be read or the day has no date.
    RaceOwnMarks ownMarksOf(int race);
    // Per runner of race r: the horse has a note; none when the library cannot be read.
    std::vector<bool> notedOf(int race);

    RaceSessionSetup setup_;
    std::shared_ptr<const RaceDataStore> store_ = std::make_shared<const RaceDataStore>();
    std::shared_ptr<const RaceResult> result_;
    int currentRace_ = -1;
    int sortColumn_ = kColRunner;
    bool developerMode_ = false;
    std::string libraryProblem_;
    std::unique_ptr<library::Library> library_;
    std::unique_ptr<library::OwnMarks> ownMarks_;
    std::unique_ptr<library::HorseNotes> horseNotes_;
    std::optional<int> keptDay_;
    std::function<void(SessionChange)> listener_;
};

}  // namespace zv
