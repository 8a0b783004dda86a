#include "horse_note_cells.h"

#include "cell_builder.h"
#include "data/sjis.h"

namespace zv {

namespace {

// The sign's run has a style of its own, which no other run of a name cell has, so that a sign
// shown before is found and taken out again.
constexpr RunStyle kSignStyle{.bold = true, .small = true};

void signNameCell(CellText& cell, bool noted) {
    static const std::string sign = sj(" ※");
    CellBuilder signed_(cell.lines().empty() ? LineAlignment::Left : cell.lines()[0].alignment);
    for (size_t line = 0; line < cell.lines().size(); ++line) {
        if (line > 0) signed_.line(cell.lines()[line].alignment);
        for (const CellRun& run : cell.runs(line)) {
            if (run.style != kSignStyle) signed_.styled(run.style) << cell.text(run);
        }
        if (line == 0 && noted) signed_.styled(kSignStyle) << sign;
    }
    signed_.writeTo(cell);
}

}  // namespace

void showHorseNotes(RaceResult& result, std::vector<bool> noted) {
    for (int runner = 1; runner < static_cast<int>(result.cells.size()); ++runner) {
        const auto n = static_cast<size_t>(runner - 1);
        signNameCell(result.cells[static_cast<size_t>(runner)][kColName].text, n < noted.size() && noted[n]);
    }
    result.noted = std::move(noted);
}

}  // namespace zv
