// The copies to the clipboard: the selected runners of the grid as tab-separated lines, and the
// developer-mode copies of the tools menu (the selected rows' horse names, the current race's
// name).
#pragma once

#include <string>
#include <vector>

namespace zv {
class RaceSession;
struct RaceDataStore;
struct RaceResult;
}  // namespace zv
namespace zv::ui {
class RaceGridView;
}

namespace zv::app {

// One CP932 line per runner, in the order given: horse number, name, jockey, TR, PR, index value
// and mark (empty without one), separated by tabs; CR LF between the lines, none after the last.
std::string runnerCopyText(const RaceDataStore& store, const RaceResult& result, const std::vector<int>& runners);

// The runners of the selected grid rows, top to bottom; false, and nothing copied, when no race
// is shown or no row is selected.
bool copySelectedRunners(const RaceSession& session, const ui::RaceGridView& grid);

// The names one per line, top to bottom; an empty text when no row is selected.
void copySelectedHorseNames(const RaceSession& session, const ui::RaceGridView& grid);

// False, and nothing copied, when no race is current.
bool copyRaceName(const RaceSession& session);

}  // namespace zv::app
