// The developer-mode copies of the tools menu: the horse names of the grid rows selected, and the
// current race's name, put on the clipboard.
#pragma once

namespace zv {
class RaceSession;
}
namespace zv::ui {
class RaceGridView;
}

namespace zv::app {

// The names one per line, top to bottom; an empty text when no row is selected.
void copySelectedHorseNames(const RaceSession& session, const ui::RaceGridView& grid);

// False, and nothing copied, when no race is current.
bool copyRaceName(const RaceSession& session);

}  // namespace zv::app
