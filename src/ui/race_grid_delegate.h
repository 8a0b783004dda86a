// Paints one race grid cell: its background and text colours, its lines of styled runs and the
// 2-pixel right border; a click on a link in a cell reports the runner it links to.
#pragma once

#include <QStyledItemDelegate>
#include <optional>

#include "cell_painter.h"

namespace zv::ui {

class RaceGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The room the cell's lines take in the option's font.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The runner the link under a point of the cell (cell coordinates) leads to, or 0.
    static int linkAt(const QModelIndex& index, const QFont& font, int cellWidth, int cellHeight, QPoint point);

signals:
    void linkActivated(int runner);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    const CellPainter& painterFor(const QFont& font) const;

    mutable std::optional<CellPainter> painter_;
};

}  // namespace zv::ui
