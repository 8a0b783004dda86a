#include "race_grid_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <optional>
#include <set>

#include "grid_roles.h"
#include "race_grid_metrics.h"
#include "ui_fonts.h"

namespace zv::ui {

namespace {

// The heading row. The sort indicator is a small triangle at the section's right edge; a heading
// that would run into it moves to the left of the section, so that the one-character headings of
// the narrow columns stay whole (the style's own indicator takes the room of the text).
class GridHeading : public QHeaderView {
public:
    explicit GridHeading(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    static constexpr double kHalfWidth = 2.5, kHeight = 4;
    static constexpr int kIndicatorRoom = 8;  // the triangle and a gap on either side

    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        if (logicalIndex != sortIndicatorSection()) return;
        const int room = sectionSize(logicalIndex);
        const int centredRight = (room + option->fontMetrics.horizontalAdvance(option->text)) / 2;
        if (centredRight > room - kIndicatorRoom) option->textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    }

    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        if (logicalIndex != sortIndicatorSection()) return;
        const QPointF centre(rect.right() - 1 - kHalfWidth, rect.center().y() + 0.5);
        // Ascending points down and descending up, as the style draws them.
        const double tip = sortIndicatorOrder() == Qt::AscendingOrder ? kHeight / 2 : -kHeight / 2;
        const QPointF triangle[] = {{centre.x() - kHalfWidth, centre.y() - tip},
                                    {centre.x() + kHalfWidth, centre.y() - tip},
                                    {centre.x(), centre.y() + tip}};
        painter->save();
        // The style leaves the painter clipped to nothing once it has drawn the section.
        painter->setClipRect(rect, Qt::ReplaceClip);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0x40, 0x40, 0x40));
        painter->drawPolygon(triangle, 3);
        painter->restore();
    }
};

}  // namespace

RaceGridView::RaceGridView(QWidget* parent)
    : QTableView(parent), model_(new RaceGridModel(this)), delegate_(new RaceGridDelegate(this)) {
    setObjectName(QStringLiteral("raceGrid"));
    setHorizontalHeader(new GridHeading(this));
    setModel(model_);
    setItemDelegate(delegate_);
    setFont(gridFont());
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setShowGrid(true);
    setWordWrap(false);
    setMouseTracking(true);

    // Outside the cells: the desktop's workspace grey; the heading row: #EEEEEE.
    QPalette workspace = palette();
    workspace.setColor(QPalette::Base, QColor(0xAB, 0xAB, 0xAB));
    setPalette(workspace);

    QHeaderView* heading = horizontalHeader();
    heading->setFont(gridFont());
    heading->setFixedHeight(kGridHeaderHeight);
    heading->setMinimumSectionSize(1);
    heading->setSectionsClickable(true);
    heading->setSectionsMovable(false);
    heading->setHighlightSections(false);
    heading->setStretchLastSection(false);
    // The indicator is painted by the heading itself (GridHeading); the section keeps only its
    // place, and a click does not turn it.
    heading->setSortIndicatorShown(false);
    heading->setDefaultAlignment(Qt::AlignCenter);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::Button, QColor::fromRgb(QRgb(kGridHeaderBackground)));
    headingPalette.setColor(QPalette::Window, QColor::fromRgb(QRgb(kGridHeaderBackground)));
    heading->setPalette(headingPalette);
    for (int column = 0; column < kGridColumns; ++column) setColumnWidth(column, kGridColumnWidths[size_t(column)]);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kGridRowHeight);

    // A heading click sorts or does nothing: it never selects the column, as a table would.
    disconnect(heading, &QHeaderView::sectionPressed, this, nullptr);
    disconnect(heading, &QHeaderView::sectionEntered, this, nullptr);
    connect(heading, &QHeaderView::sectionClicked, this, [this](int column) {
        // The heading flips its own indicator on a click; the program's indicator is put back
        // before anyone acts on the click.
        applySortIndicator();
        emit headingClicked(column);
    });
    connect(delegate_, &RaceGridDelegate::linkActivated, this, &RaceGridView::runnerDetailRequested);
}

void RaceGridView::showResult(std::shared_ptr<const RaceResult> result) {
    model_->setResult(std::move(result));
    applySortIndicator();
    if (model_->result() && model_->rowCount() > 0) {
        setCurrentIndex(model_->index(0, 0));
        scrollToTop();
    }
}

void RaceGridView::refreshOrder(std::shared_ptr<const RaceResult> result) {
    const QModelIndex current = currentIndex();
    const int runner = current.isValid() ? current.data(RunnerNumberRole).toInt() : 0;
    model_->setResult(std::move(result));
    applySortIndicator();
    // The selection follows the runner to its new row; the view starts again at the top.
    const int row = rowOfRunner(runner);
    if (current.isValid() && row >= 0) setCurrentIndex(model_->index(row, current.column()));
    scrollToTop();
}

void RaceGridView::refreshMarks(std::shared_ptr<const RaceResult> result) { model_->updateCells(std::move(result)); }

void RaceGridView::applySortIndicator() {
    const RaceResult* result = model_->result().get();
    const GridSort sort = result ? result->sort : GridSort{};
    horizontalHeader()->setSortIndicator(sort.column, sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QList<int> RaceGridView::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
    return {rows.begin(), rows.end()};
}

int RaceGridView::rowOfRunner(int runnerNumber) const {
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (model_->index(row, 0).data(RunnerNumberRole).toInt() == runnerNumber) return row;
    }
    return -1;
}

namespace {

// The own mark a key sets: 1-6 ◎ .. ☆, 7 消, 0 or Delete none (-1), from either row of digits.
std::optional<int> ownMarkOfKey(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
    const int key = event.key();
    if (key == Qt::Key_0 || key == Qt::Key_Delete) return -1;
    if (key >= Qt::Key_1 && key <= Qt::Key_7) return key - Qt::Key_1;
    return std::nullopt;
}

}  // namespace

void RaceGridView::keyPressEvent(QKeyEvent* event) {
    // The grid copies nothing by itself: copying is a command of the main window. Nor does it
    // select every cell at once, which would tint the whole grid.
    if (event == QKeySequence::Copy || event == QKeySequence::SelectAll) {
        event->ignore();
        return;
    }
    // Enter or F2 on a runner's row opens its horse detail.
    const bool open = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2;
    if (open && event->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
        if (const int runner = currentIndex().data(RunnerNumberRole).toInt(); runner > 0) {
            emit runnerDetailRequested(runner);
            return;
        }
    }
    if (const std::optional<int> mark = ownMarkOfKey(*event); mark && currentIndex().isValid()) {
        if (const int runner = currentIndex().data(RunnerNumberRole).toInt(); runner > 0) {
            emit ownMarkRequested(runner, *mark);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void RaceGridView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid() || index.data(RunnerNumberRole).toInt() <= 0) return;
    // The row clicked is the one the menu acts on; a click inside the selection keeps it.
    if (!selectionModel()->isSelected(index)) setCurrentIndex(index);
    emit rowMenuRequested(event->globalPos());
}

void RaceGridView::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const QRect rect = visualRect(index);
    const bool overLink =
        index.isValid() && RaceGridDelegate::linkAt(index, font(), rect.width(), rect.height(),
                                                    event->position().toPoint() - rect.topLeft()) != 0;
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QTableView::mouseMoveEvent(event);
}

}  // namespace zv::ui
