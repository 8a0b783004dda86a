#include "own_mark_cells.h"

#include <algorithm>

#include "grid_cells.h"

namespace zv {

bool RaceOwnMarks::any() const {
    return std::any_of(marks.begin(), marks.end(), [](int mark) { return mark >= 0; });
}

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
