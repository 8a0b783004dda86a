#include "race_grid_delegate.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>

#include "grid_roles.h"
#include "race_grid_model.h"

namespace zv::ui {

namespace {

const std::vector<PaintLine>& linesOf(const QModelIndex& index) {
    static const std::vector<PaintLine> none;
    const auto* model = qobject_cast<const RaceGridModel*>(index.model());
    return model ? model->lines(index) : none;
}

}  // namespace

const CellPainter& RaceGridDelegate::painterFor(const QFont& font) const {
    if (!painter_ || painter_->baseFont() != font) painter_.emplace(font);
    return *painter_;
}

void RaceGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect rect = option.rect;
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(rect, background.isValid() ? background.value<QColor>() : QColor(Qt::white));
    // The current cell keeps its own colours and gets a frame; other selected cells (a range
    // chosen for copying) are tinted.
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const bool current = view && view->currentIndex() == index;
    const QColor highlight = option.palette.color(QPalette::Highlight);
    if ((option.state & QStyle::State_Selected) && !current) {
        QColor tint = highlight;
        tint.setAlpha(90);
        painter->fillRect(rect, tint);
    }
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painterFor(option.font)
        .paint(*painter, rect, linesOf(index), foreground.isValid() ? foreground.value<QColor>() : QColor(Qt::black),
               option.palette.color(QPalette::Link));
    if (index.data(RightBorderRole).toBool())
        painter->fillRect(QRect(rect.right() - 1, rect.top(), 2, rect.height()), Qt::black);
    if (current) {
        painter->save();
        painter->setPen(QPen(highlight, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
}

QSize RaceGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return painterFor(option.font).sizeOf(linesOf(index));
}

int RaceGridDelegate::linkAt(const QModelIndex& index, const QFont& font, int cellWidth, int cellHeight, QPoint point) {
    return CellPainter(font).linkAt(QSize(cellWidth, cellHeight), linesOf(index), point);
}

bool RaceGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const int runner =
                painterFor(option.font)
                    .linkAt(option.rect.size(), linesOf(index), mouse->position().toPoint() - option.rect.topLeft());
            if (runner != 0) {
                emit linkActivated(runner);
                return true;
            }
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

}  // namespace zv::ui
