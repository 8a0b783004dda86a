// Building a cell text (cell_text.h) on the stack, as TextBuilder builds a string. A builder starts
// with one line and an open plain run; pieces go into the open run. line() starts the next line,
// plain(), bold(), small() and link() the next run in that style. A run in the style of the run
// before it on the same line goes on as that run, and a run that gets no text is dropped unless
// it is a link (the mark-up keeps an empty link), so equal cells have equal runs.
//
//     CellBuilder cell;
//     cell.small() << "牡3歳";
//     cell.line().link(3) << name;
//     cell.line(LineAlignment::Right).small() << "4.5";
#pragma once

#include <stdexcept>
#include <string>

#include "cell_text.h"
#include "text_builder.h"

namespace zv {

class CellBuilder {
public:
    explicit CellBuilder(LineAlignment alignment = LineAlignment::Left) : lineCount_(1), runCount_(1) {
        lines_[0].alignment = alignment;
    }
    // Goes on from the end of start's last line.
    explicit CellBuilder(const CellText& start) : CellBuilder() {
        if (start.empty()) return;
        runs_ = start.runs_;
        lines_ = start.lines_;
        lineCount_ = start.lineCount_;
        runCount_ = start.runCount_;
        text_ << start.text_;
        open({});
    }

    CellBuilder& line(LineAlignment alignment = LineAlignment::Left) {
        close();
        if (lineCount_ == CellText::kMaxLines) full("lines");
        lines_[lineCount_++] = {alignment, runCount_};
        return open({});
    }
    CellBuilder& plain() { return run({}); }
    CellBuilder& bold() { return run({.bold = true}); }
    CellBuilder& small() { return run({.small = true}); }
    CellBuilder& link(int runner) { return run({.link = static_cast<uint8_t>(runner)}); }
    CellBuilder& incident(int finish) { return run({.incident = static_cast<uint8_t>(finish)}); }
    // The next run in any style, as another cell's run has it.
    CellBuilder& styled(RunStyle style) { return run(style); }

    template <typename Piece>
    CellBuilder& operator<<(const Piece& piece) {
        text_ << piece;
        return *this;
    }

    // Puts the cell built into cell, in place of what it held; the builder is spent. Writing into
    // the cell where it stays spares the copy of a cell returned.
    void writeTo(CellText& cell) {
        close();
        text_.assignTo(cell.text_);
        cell.runs_ = runs_;
        cell.lines_ = lines_;
        cell.runCount_ = runCount_;
        cell.lineCount_ = lineCount_;
    }
    CellText cell() {
        CellText cell;
        writeTo(cell);
        return cell;
    }

private:
    [[noreturn, gnu::cold, gnu::noinline]] static void full(const char* what) {
        throw std::length_error(std::string("a cell holds no more ") + what);
    }
    // The open run is the last one.
    CellBuilder& run(RunStyle style) {
        if (runs_[runCount_ - 1].style == style) return *this;
        close();
        return open(style);
    }
    CellBuilder& open(RunStyle style) {
        const auto here = static_cast<uint16_t>(text_.size());
        if (runCount_ > lines_[lineCount_ - 1].firstRun && runs_[runCount_ - 1].style == style &&
            runs_[runCount_ - 1].end == here) {
            return *this;  // the run before on this line goes on
        }
        if (runCount_ == CellText::kMaxRuns) full("runs");
        runs_[runCount_++] = {here, here, style};
        return *this;
    }
    // Ends the open run: a run without text is dropped, unless it is a link.
    void close() {
        CellRun& last = runs_[--runCount_];
        last.end = static_cast<uint16_t>(text_.size());
        if (last.end != last.begin || last.style.link != 0) ++runCount_;
    }

    TextBuilder text_;
    std::array<CellRun, CellText::kMaxRuns> runs_{};
    std::array<CellLine, CellText::kMaxLines> lines_{};
    uint8_t lineCount_;
    uint8_t runCount_;  // counting the open run
};

}  // namespace zv
