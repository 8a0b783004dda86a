#include "race_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <set>

#include "grid_roles.h"
#include "ui_fonts.h"

namespace zv::ui {

RaceGridView::RaceGridView(QWidget* parent)
    : QTableView(parent), model_(new RaceGridModel(this)), delegate_(new RaceGridDelegate(this)) {
    setObjectName(QStringLiteral("Grid1"));
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
    heading->setSortIndicatorShown(true);
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

    connect(heading, &QHeaderView::sectionClicked, this, [this](int column) {
        // The heading flips its own indicator on a click; the program's indicator is put back
        // before anyone acts on the click.
        applySortIndicator();
        emit headingClicked(column);
    });
    connect(delegate_, &RaceGridDelegate::linkActivated, this, &RaceGridView::linkActivated);
}

void RaceGridView::showResult(const RaceResult* result) {
    model_->setResult(result);
    applySortIndicator();
    if (result && model_->rowCount() > 0) {
        setCurrentIndex(model_->index(0, 0));
        scrollToTop();
    }
}

void RaceGridView::refreshOrder() {
    const QModelIndex current = currentIndex();
    model_->setResult(model_->result());
    applySortIndicator();
    if (current.isValid()) setCurrentIndex(model_->index(current.row(), current.column()));
}

void RaceGridView::applySortIndicator() {
    const RaceResult* result = model_->result();
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

void RaceGridView::keyPressEvent(QKeyEvent* event) {
    // The grid copies nothing by itself: copying is a command of the main window.
    if (event == QKeySequence::Copy) {
        event->ignore();
        return;
    }
    QTableView::keyPressEvent(event);
}

void RaceGridView::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const QRect rect = visualRect(index);
    const bool overLink =
        index.isValid() &&
        !RaceGridDelegate::linkAt(index, font(), rect.width(), rect.height(), event->position().toPoint() - rect.topLeft())
             .isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QTableView::mouseMoveEvent(event);
}

}  // namespace zv::ui
