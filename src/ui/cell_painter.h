// Draws the lines of a grid cell (grid_markup.h) with plain QPainter text calls: the base font,
// its bold face and the 8-point small font, links underlined in the link colour. Much faster
// than laying out a rich-text document per cell, which a race of 18 runners cannot afford.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <array>
#include <functional>
#include <vector>

#include "grid_markup.h"

class QPainter;

namespace zv::ui {

class CellPainter {
public:
    explicit CellPainter(const QFont& base);

    const QFont& baseFont() const { return fonts_[0]; }

    void paint(QPainter& painter, const QRect& cell, const std::vector<MarkupLine>& lines, const QColor& text,
               const QColor& link) const;

    // The link value of the run under point (cell coordinates), or an empty text.
    QString linkAt(const QSize& cell, const std::vector<MarkupLine>& lines, QPoint point) const;

private:
    // Calls place for every run with its rectangle inside a cell of the given size.
    void layOut(const QSize& cell, const std::vector<MarkupLine>& lines,
                const std::function<void(const MarkupRun&, const QRect&, int font)>& place) const;

    std::array<QFont, 4> fonts_;  // index: small * 2 + bold
    std::vector<QFontMetrics> metrics_;
};

}  // namespace zv::ui
