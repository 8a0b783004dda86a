#include "race_session.h"

#include "data/error.h"
#include "library/library.h"
#include "predict/compute_race.h"
#include "predict/grid_sort.h"
#include "settings/developer_mode.h"

namespace zv {

RaceSession::RaceSession(RaceSessionSetup setup) : setup_(std::move(setup)) {
    if (!setup_.clock) setup_.clock = localNow;
    developerMode_ = settings::readDeveloperMode(setup_.programFile, setup_.dataFolder);
}

void RaceSession::loadDataFolder() {
    const std::filesystem::path& folder = setup_.dataFolder;
    std::error_code ignored;
    if (!std::filesystem::exists(folder / kHeaderFile, ignored) ||
        !std::filesystem::exists(folder / kHorseFile, ignored)) {
        return;
    }
    if (zv::loadDataFolder(store_, folder)) dataSetReplaced();
}

IntakeResult RaceSession::openArchive(const std::filesystem::path& archive, const archive::ProgressFn& progress) {
    IntakeResult taken = zv::openArchive(archive, setup_.dataFolder, store_, progress);
    if (!taken) return taken;
    libraryProblem_.clear();
    try {
        library::Library(setup_.dataFolder, library::OpenMode::Create).addDay(store_, archive.string());
    } catch (const Error& e) {
        libraryProblem_ = e.message();
    }
    dataSetReplaced();
    return taken;
}

void RaceSession::dataSetReplaced() {
    result_.reset();
    currentRace_ = -1;
    tell(SessionChange::DataSet);
    select(0);
}

void RaceSession::select(int race) {
    try {
        result_ = std::make_shared<const RaceResult>(computeRace(store_, race, sortColumn_, setup_.clock()));
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
    if (currentRace_ + 1 >= store_.raceCount) return false;
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

void RaceSession::tell(SessionChange change) const {
    if (listener_) listener_(change);
}

}  // namespace zv
