#include "clipboard_copies.h"

#include <QApplication>
#include <QClipboard>

#include "data/convert.h"
#include "data/error.h"
#include "data/race_name.h"
#include "data/sjis.h"
#include "session/race_session.h"
#include "ui/cp932_text.h"
#include "ui/grid_markup.h"
#include "ui/race_grid_view.h"

namespace zv::app {

void copySelectedHorseNames(const RaceSession& session, const ui::RaceGridView& grid) {
    static const std::string horseNumberField = sj("馬番");
    const std::shared_ptr<const RaceResult> result = session.result();
    std::string names;
    for (const int row : grid.selectedRows()) {
        const GridCell* cell = grid.raceModel()->cellAt(row, kColRunner);
        if (!cell || !result) continue;
        const int number = strictInt(ui::markupPlainText(cell->text), horseNumberField);
        if (number < 1 || number > int(result->pastColumns.size()))
            throw conversionError(horseNumberField, std::to_string(number));
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
