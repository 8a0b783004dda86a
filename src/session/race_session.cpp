#include "race_session.h"

#include "data/error.h"
#include "library/horse_notes.h"
#include "library/library.h"
#include "library/own_marks.h"
#include "predict/compute_race.h"
#include "predict/grid_sort.h"
#include "predict/horse_note_cells.h"
#include "predict/own_mark_cells.h"
#include "settings/developer_mode.h"

namespace zv {

RaceSession::RaceSession(RaceSessionSetup setup) : setup_(std::move(setup)) {
    if (!setup_.clock) setup_.clock = localNow;
    developerMode_ = settings::readDeveloperMode(setup_.programFile, setup_.dataFolder);
}

RaceSession::~RaceSession() = default;

bool RaceSession::readDataFolder(RaceDataStore& store) const {
    const std::filesystem::path& folder = setup_.dataFolder;
    std::error_code ignored;
    return std::filesystem::exists(folder / kHeaderFile, ignored) &&
           std::filesystem::exists(folder / kHorseFile, ignored) && zv::loadDataFolder(store, folder);
}

void RaceSession::loadDataFolder() {
    RaceDataStore fresh;
    if (readDataFolder(fresh)) replaceDataSet(std::move(fresh));
}

IntakeResult RaceSession::openArchive(const std::filesystem::path& archive, const archive::ProgressFn& progress) {
    RaceDataStore fresh;
    IntakeResult taken = zv::openArchive(archive, setup_.dataFolder, fresh, progress);
    if (!taken) return taken;
    libraryProblem_.clear();
    try {
        library::Library(setup_.dataFolder, library::OpenMode::Create).addDay(fresh, archive.string());
    } catch (const Error& e) {
        libraryProblem_ = e.message();
    }
    replaceDataSet(std::move(fresh));
    return taken;
}

void RaceSession::showKeptDay(int date, int race) {
    RaceDataStore day;
    if (!library::Library(setup_.dataFolder, library::OpenMode::Existing).loadDay(date, day))
        throw Error(ErrorKind::Io, "ライブラリに " + library::slashedDate(date) + " の開催日はありません。");
    const int races = day.raceCount;
    store_ = std::make_shared<const RaceDataStore>(std::move(day));
    keptDay_ = date;
    presentDataSet(race >= 0 && race < races ? race : 0);
}

void RaceSession::showDataFolder() {
    RaceDataStore current;
    if (readDataFolder(current)) return replaceDataSet(std::move(current));
    store_ = std::make_shared<const RaceDataStore>();
    keptDay_.reset();
    result_.reset();
    currentRace_ = -1;
    tell(SessionChange::DataSet);
    tell(SessionChange::Race);
}

void RaceSession::replaceDataSet(RaceDataStore fresh) {
    store_ = std::make_shared<const RaceDataStore>(std::move(fresh));
    keptDay_.reset();
    presentDataSet(0);
}

void RaceSession::presentDataSet(int race) {
    result_.reset();
    currentRace_ = -1;
    tell(SessionChange::DataSet);
    select(race);
}

void RaceSession::select(int race) {
    try {
        auto computed = std::make_shared<RaceResult>(computeRace(*store_, race, sortColumn_, setup_.clock()));
        showOwnMarks(*computed, ownMarksOf(race));
        showHorseNotes(*computed, notedOf(race));
        result_ = std::move(computed);
    } catch (const Error&) {
        result_.reset();
        currentRace_ = race;
        tell(SessionChange::Race);
        throw;
    }
    currentRace_ = race;
    sortColumn_ = result_->sort.column;
    tell(SessionChange::Race);
}

bool RaceSession::previous() {
    if (currentRace_ <= 0) return false;
    select(currentRace_ - 1);
    return true;
}

bool RaceSession::next() {
    if (currentRace_ + 1 >= store_->raceCount) return false;
    select(currentRace_ + 1);
    return true;
}

bool RaceSession::clickHeader(int column) {
    if (!result_) return false;
    auto reordered = std::make_shared<RaceResult>(*result_);
    const bool changed = clickGridHeader(*reordered, column);
    sortColumn_ = reordered->sort.column;
    if (!changed) return false;
    result_ = std::move(reordered);
    tell(SessionChange::Order);
    return true;
}

int RaceSession::setOwnMark(int runner, int mark) {
    if (!result_) return 0;
    const int gaveUp = ownMarks().setOnCard(*store_, currentRace_, runner, mark);
    auto marked = std::make_shared<RaceResult>(*result_);
    showOwnMarks(*marked, ownMarksOf(currentRace_));
    result_ = std::move(marked);
    tell(SessionChange::Marks);
    return gaveUp;
}

std::string RaceSession::horseNote(std::string_view horseName) {
    try {
        return horseNotes().get(horseName).value_or(std::string());
    } catch (const Error&) {
        return {};
    }
}

void RaceSession::setHorseNote(std::string_view horseName, std::string_view text) {
    horseNotes().set(horseName, text);
    if (!result_) return;
    auto noted = std::make_shared<RaceResult>(*result_);
    showHorseNotes(*noted, notedOf(currentRace_));
    result_ = std::move(noted);
    tell(SessionChange::Marks);
}

library::Library& RaceSession::userLibrary() {
    if (!library_) library_ = std::make_unique<library::Library>(setup_.dataFolder, library::OpenMode::Create);
    return *library_;
}

library::OwnMarks& RaceSession::ownMarks() {
    if (!ownMarks_) ownMarks_ = std::make_unique<library::OwnMarks>(userLibrary());
    return *ownMarks_;
}

library::HorseNotes& RaceSession::horseNotes() {
    if (!horseNotes_) horseNotes_ = std::make_unique<library::HorseNotes>(userLibrary());
    return *horseNotes_;
}

std::vector<bool> RaceSession::notedOf(int race) {
    try {
        std::vector<bool> noted(static_cast<size_t>(store_->runnerCount(race)));
        for (int runner = 1; runner <= store_->runnerCount(race); ++runner)
            noted[static_cast<size_t>(runner - 1)] =
                horseNotes().get(library::horseNameOf(*store_, race, runner)).has_value();
        return noted;
    } catch (const Error&) {
        return {};
    }
}

RaceOwnMarks RaceSession::ownMarksOf(int race) {
    try {
        return RaceOwnMarks(ownMarks().onCard(*store_, race));
    } catch (const Error&) {
        // Setting a mark says why; the race shows without them.
        return {};
    }
}

void RaceSession::tell(SessionChange change) const {
    if (listener_) listener_(change);
}

}  // namespace zv
