// The race grid: twelve fixed columns, an 18-pixel heading row, 41-pixel runner rows, a
// vertical scroll bar only and a sort indicator that only the program moves. The view never sorts
// by itself: heading clicks are reported and the program reorders the rows through the model.
#pragma once

#include <QTableView>

#include "race_grid_delegate.h"
#include "race_grid_model.h"

namespace zv::ui {

class RaceGridView : public QTableView {
    Q_OBJECT
public:
    explicit RaceGridView(QWidget* parent = nullptr);

    RaceGridModel* raceModel() const { return model_; }
    RaceGridDelegate* raceDelegate() const { return delegate_; }

    // Shows result (empty: none), with the sort indicator it carries; selects the top-left cell.
    void showResult(std::shared_ptr<const RaceResult> result);
    // The same race in a new row order: the view is scrolled to the top and the current cell
    // follows its runner (in the same column) to the runner's new row.
    void refreshOrder(std::shared_ptr<const RaceResult> result);
    // The same race in the same order with new own marks: the current cell and scroll stay.
    void refreshMarks(std::shared_ptr<const RaceResult> result);

    // Grid rows with at least one selected cell, top to bottom.
    QList<int> selectedRows() const;
    // The row showing a runner, or -1.
    int rowOfRunner(int runnerNumber) const;

signals:
    void headingClicked(int column);
    // Enter or F2 on the row of runnerNumber, or a click on its horse-name link.
    void runnerDetailRequested(int runnerNumber);
    // Keys 1-6 (◎ ○ ▲ △ × ☆), 7 (消), 0 or Delete (none: -1) on the row of runnerNumber.
    void ownMarkRequested(int runnerNumber, int mark);
    // A right click on a runner's row, which is then the current row and selected.
    void rowMenuRequested(const QPoint& globalPosition);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applySortIndicator();

    RaceGridModel* model_;
    RaceGridDelegate* delegate_;
};

}  // namespace zv::ui
