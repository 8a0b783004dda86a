// Paints one race grid cell: its background and text colours, the rich text of its mark-up and
// the 2-pixel right border; a click on a link in a cell reports the link's value.
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

    // The link value under a point of the cell (cell coordinates), or an empty text.
    static QString linkAt(const QModelIndex& index, const QFont& font, int cellWidth, int cellHeight, QPoint point);

signals:
    void linkActivated(const QString& value);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    const CellPainter& painterFor(const QFont& font) const;

    mutable std::optional<CellPainter> painter_;
};

}  // namespace zv::ui
