// Draws the lines of a grid cell with plain QPainter text calls: the base font, its bold face and
// the 8-point small font, links underlined in the link colour. Much faster than laying out a
// rich-text document per cell, which a race of 18 runners cannot afford. The engine's cell text
// (predict/cell_text.h) is turned into paint lines once per result, its texts into QString.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "predict/cell_text.h"

class QPainter;

namespace zv::ui {

// A piece of a cell line in one style.
struct PaintRun {
    QString text;
    bool bold = false;
    bool small = false;  // the 8-point font
    int link = 0;        // the runner the run links to; 0 for no link
};

// One line of a cell with its alignment (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight).
struct PaintLine {
    Qt::Alignment alignment = Qt::AlignLeft;
    std::vector<PaintRun> runs;
};

std::vector<PaintLine> paintLines(const CellText& cell);

class CellPainter {
public:
    explicit CellPainter(const QFont& base);

    const QFont& baseFont() const { return fonts_[0]; }

    void paint(QPainter& painter, const QRect& cell, const std::vector<PaintLine>& lines, const QColor& text,
               const QColor& link) const;

    // The room the lines take: the widest line with the padding on both sides, and every line's height.
    QSize sizeOf(const std::vector<PaintLine>& lines) const;

    // The runner the run under point (cell coordinates) links to, or 0.
    int linkAt(const QSize& cell, const std::vector<PaintLine>& lines, QPoint point) const;

private:
    QSize lineSize(const PaintLine& line) const;
    // Calls place for every run with its rectangle inside a cell of the given size.
    void layOut(const QSize& cell, const std::vector<PaintLine>& lines,
                const std::function<void(const PaintRun&, const QRect&, int font)>& place) const;

    std::array<QFont, 4> fonts_;  // index: small * 2 + bold
    std::vector<QFontMetrics> metrics_;
};

}  // namespace zv::ui
