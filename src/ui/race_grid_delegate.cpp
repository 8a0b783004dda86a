#include "race_grid_delegate.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>

#include "grid_roles.h"
#include "race_grid_model.h"

namespace zv::ui {

namespace {

QTextDocument* laidOutDocument(const QModelIndex& index, const QFont& font, int cellWidth) {
    const auto* model = qobject_cast<const RaceGridModel*>(index.model());
    if (!model) return nullptr;
    QTextDocument* document = model->document(index, font);
    if (document && document->textWidth() != cellWidth) document->setTextWidth(cellWidth);
    return document;
}

}  // namespace

void RaceGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QRect rect = option.rect;
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(rect, background.isValid() ? background.value<QColor>() : QColor(Qt::white));
    if (option.state & QStyle::State_Selected) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        highlight.setAlpha(90);
        painter->fillRect(rect, highlight);
    }

    if (QTextDocument* document = laidOutDocument(index, option.font, rect.width())) {
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = option.palette;
        const QVariant foreground = index.data(Qt::ForegroundRole);
        context.palette.setColor(QPalette::Text, foreground.isValid() ? foreground.value<QColor>() : QColor(Qt::black));
        context.clip = QRectF(0, 0, rect.width(), rect.height());
        painter->save();
        painter->translate(rect.topLeft());
        painter->setClipRect(context.clip);
        document->documentLayout()->draw(painter, context);
        painter->restore();
    }

    if (index.data(RightBorderRole).toBool()) painter->fillRect(QRect(rect.right() - 1, rect.top(), 2, rect.height()), Qt::black);
}

QString RaceGridDelegate::linkAt(const QModelIndex& index, const QFont& font, int cellWidth, QPointF point) {
    QTextDocument* document = laidOutDocument(index, font, cellWidth);
    return document ? document->documentLayout()->anchorAt(point) : QString();
}

bool RaceGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QString link = linkAt(index, option.font, option.rect.width(), mouse->position() - option.rect.topLeft());
            if (!link.isEmpty()) {
                emit linkActivated(link);
                return true;
            }
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

}  // namespace zv::ui
