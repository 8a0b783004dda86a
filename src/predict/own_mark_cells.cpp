#include "own_mark_cells.h"

#include "grid_cells.h"

namespace zv {

void showOwnMarks(RaceResult& result, RaceOwnMarks marks) {
    for (int runner = 1; runner < static_cast<int>(result.cells.size()); ++runner) {
        const auto n = static_cast<size_t>(runner - 1);
        const int mark = n < marks.marks.size() ? marks.marks[n] : -1;
        const bool nameDiffers = n < marks.nameDiffers.size() && marks.nameDiffers[n];
        fillOwnMarkCell(result.cells[static_cast<size_t>(runner)], mark, nameDiffers);
    }
    result.ownMarks = std::move(marks);
}

}  // namespace zv
