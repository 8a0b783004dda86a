#include "clipboard_copies.h"

#include <QApplication>
#include <QClipboard>

#include "data/error.h"
#include "data/race_name.h"
#include "data/record_codec.h"
#include "data/sjis.h"
#include "predict/mark_symbols.h"
#include "predict/ratings.h"
#include "session/race_session.h"
#include "ui/cp932_text.h"
#include "ui/grid_roles.h"
#include "ui/race_grid_view.h"

namespace zv::app {

std::string runnerCopyText(const RaceDataStore& store, const RaceResult& result, const std::vector<int>& runners) {
    std::string text;
    for (const int number : runners) {
        const PastColumn& runner = result.pastColumns.at(size_t(number - 1));
        const RunnerEntry& entry = store.records(result.race).runners.at(size_t(number - 1));
        std::string mark;
        for (int pick = 0; pick < kMarks; ++pick) {
            if (result.markedRunners[size_t(pick)] == number) mark = markSymbol(pick);
        }
        if (!text.empty()) text += "\r\n";
        for (const std::string& cell :
             {std::to_string(number), runner.name, storedText(entry, entry.jockeyName), std::to_string(runner.TR),
              std::to_string(runner.PR), indexText(runner.combined), mark}) {
            text += cell;
            text += '\t';
        }
        text.pop_back();
    }
    return text;
}

bool copySelectedRunners(const RaceSession& session, const ui::RaceGridView& grid) {
    const std::shared_ptr<const RaceResult> result = session.result();
    std::vector<int> runners;
    for (const int row : grid.selectedRows()) {
        if (const int number = grid.raceModel()->index(row, 0).data(ui::RunnerNumberRole).toInt(); number > 0)
            runners.push_back(number);
    }
    if (!result || runners.empty()) return false;
    QApplication::clipboard()->setText(ui::fromCp932(runnerCopyText(session.store(), *result, runners)));
    return true;
}

void copySelectedHorseNames(const RaceSession& session, const ui::RaceGridView& grid) {
    const std::shared_ptr<const RaceResult> result = session.result();
    std::string names;
    for (const int row : grid.selectedRows()) {
        if (!result) continue;
        const int number = grid.raceModel()->index(row, kColRunner).data(ui::RunnerNumberRole).toInt();
        if (number < 1 || number > int(result->pastColumns.size()))
            throw conversionError("馬番", Cp932View(std::to_string(number)));
        if (!names.empty()) names += "\r\n";
        names += result->pastColumns[size_t(number - 1)].name;
    }
    QApplication::clipboard()->setText(ui::fromCp932(names));
}

bool copyRaceName(const RaceSession& session) {
    if (session.currentRace() < 0) return false;
    QApplication::clipboard()->setText(ui::fromCp932(raceNameCopyText(session.store(), session.currentRace())));
    return true;
}

}  // namespace zv::app
