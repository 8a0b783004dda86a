#include "cell_painter.h"

#include <QPainter>
#include <algorithm>

#include "cp932_text.h"

namespace zv::ui {

namespace {

constexpr int kPadding = 2;  // left and right
constexpr int kTopMargin = 1;

int fontIndex(const PaintRun& run) { return (run.small ? 2 : 0) + (run.bold ? 1 : 0); }

Qt::Alignment qtAlignment(LineAlignment alignment) {
    switch (alignment) {
        case LineAlignment::Centre: return Qt::AlignHCenter;
        case LineAlignment::Right: return Qt::AlignRight;
        case LineAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace

std::vector<PaintLine> paintLines(const CellText& cell) {
    std::vector<PaintLine> lines;
    for (size_t i = 0; i < cell.lines().size(); ++i) {
        PaintLine& line = lines.emplace_back();
        line.alignment = qtAlignment(cell.lines()[i].alignment);
        for (const CellRun& run : cell.runs(i)) {
            line.runs.push_back({fromCp932(cell.shown(run)), run.style.bold, run.style.small, run.style.link});
        }
    }
    return lines;
}

CellPainter::CellPainter(const QFont& base) {
    QFont small = base;
    small.setPointSizeF(8);
    fonts_ = {base, base, small, small};
    fonts_[1].setBold(true);
    fonts_[3].setBold(true);
    for (const QFont& font : fonts_) metrics_.emplace_back(font);
}

QSize CellPainter::lineSize(const PaintLine& line) const {
    int height = line.runs.empty() ? metrics_[0].height() : 0;
    int width = 0;
    for (const PaintRun& run : line.runs) {
        const QFontMetrics& metrics = metrics_[size_t(fontIndex(run))];
        height = std::max(height, metrics.height());
        width += metrics.horizontalAdvance(run.text);
    }
    return {width, height};
}

QSize CellPainter::sizeOf(const std::vector<PaintLine>& lines) const {
    QSize size(0, kTopMargin);
    for (const PaintLine& line : lines) {
        const QSize one = lineSize(line);
        size = QSize(std::max(size.width(), one.width()), size.height() + one.height());
    }
    return {size.width() + 2 * kPadding, size.height()};
}

void CellPainter::layOut(const QSize& cell, const std::vector<PaintLine>& lines,
                         const std::function<void(const PaintRun&, const QRect&, int)>& place) const {
    int top = kTopMargin;
    const int room = cell.width() - 2 * kPadding;
    for (const PaintLine& line : lines) {
        const QSize size = lineSize(line);
        const int height = size.height();
        int left = kPadding;
        if (line.alignment & Qt::AlignHCenter) left += (room - size.width()) / 2;
        if (line.alignment & Qt::AlignRight) left += room - size.width();
        for (const PaintRun& run : line.runs) {
            const int font = fontIndex(run);
            const QFontMetrics& metrics = metrics_[size_t(font)];
            const int runWidth = metrics.horizontalAdvance(run.text);
            // Runs of one line share the baseline of its tallest font.
            const QRect rect(left, top + height - metrics.height(), runWidth, metrics.height());
            place(run, rect, font);
            left += runWidth;
        }
        top += height;
    }
}

void CellPainter::paint(QPainter& painter, const QRect& cell, const std::vector<PaintLine>& lines, const QColor& text,
                        const QColor& link) const {
    painter.save();
    painter.setClipRect(cell);
    painter.translate(cell.topLeft());
    layOut(cell.size(), lines, [&](const PaintRun& run, const QRect& rect, int font) {
        QFont face = fonts_[size_t(font)];
        if (run.link != 0) face.setUnderline(true);
        painter.setFont(face);
        painter.setPen(run.link == 0 ? text : link);
        painter.drawText(rect.left(), rect.top() + metrics_[size_t(font)].ascent(), run.text);
    });
    painter.restore();
}

int CellPainter::linkAt(const QSize& cell, const std::vector<PaintLine>& lines, QPoint point) const {
    int found = 0;
    layOut(cell, lines, [&](const PaintRun& run, const QRect& rect, int) {
        if (run.link != 0 && rect.contains(point)) found = run.link;
    });
    return found;
}

}  // namespace zv::ui
