// A grid cell's text as the engine builds it: lines, each aligned left, centred or right, made of
// runs, each a piece of text in one style (bold, the small 8-point font, a link to a runner's
// horse detail). A link run is painted in the link colour, every other run in the cell's text
// colour. The texts of all runs lie back to back in one buffer; the runs and lines are small
// arrays inside the cell, so a cell costs one allocation. cell_builder.h builds one,
// cell_markup.h writes one in the grid mark-up. Texts are CP932 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "finish_incident.h"

namespace zv {

enum class LineAlignment : uint8_t { Left, Centre, Right };

struct RunStyle {
    bool bold = false;
    bool small = false;  // the 8-point font
    uint8_t link = 0;    // the runner number the run links to; 0 for no link
    // A finish that is no place (31..35): people read its name (finish_incident.h), while the
    // mark-up keeps the run's text as recorded ("33着"); 0 for any other run.
    uint8_t incident = 0;

    bool operator==(const RunStyle&) const = default;
};

struct CellRun {
    uint16_t begin = 0;  // the run's bytes in the cell's buffer
    uint16_t end = 0;
    RunStyle style;

    bool operator==(const CellRun&) const = default;
};

struct CellLine {
    LineAlignment alignment = LineAlignment::Left;
    uint8_t firstRun = 0;  // the line's runs go up to the next line's first run

    bool operator==(const CellLine&) const = default;
};

class CellText {
public:
    static constexpr int kMaxLines = 3;
    static constexpr int kMaxRuns = 8;

    // A cell without lines shows nothing.
    bool empty() const { return lineCount_ == 0; }
    std::span<const CellLine> lines() const { return {lines_.data(), lineCount_}; }
    std::span<const CellRun> runs(size_t line) const {
        const size_t end = line + 1 < lineCount_ ? lines_[line + 1].firstRun : runCount_;
        return {runs_.data() + lines_[line].firstRun, end - lines_[line].firstRun};
    }
    std::string_view text(const CellRun& run) const {
        return std::string_view(text_).substr(run.begin, run.end - run.begin);
    }
    // The run as people read it: an incident's name, otherwise its text.
    std::string_view shown(const CellRun& run) const {
        return run.style.incident != 0 ? finishIncidentName(run.style.incident) : text(run);
    }
    // Every run as people read it, one after the other, the line breaks dropped.
    std::string shownText() const {
        std::string shownRuns;
        for (size_t line = 0; line < lineCount_; ++line) {
            for (const CellRun& run : runs(line)) shownRuns += shown(run);
        }
        return shownRuns;
    }

    bool operator==(const CellText&) const = default;

private:
    friend class CellBuilder;

    std::string text_;
    std::array<CellRun, kMaxRuns> runs_{};
    std::array<CellLine, kMaxLines> lines_{};
    uint8_t runCount_ = 0;
    uint8_t lineCount_ = 0;
};

}  // namespace zv
