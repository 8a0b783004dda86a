// The race grid's model: a thin view of the core's race result. Rows follow the result's row
// order; every text, colour and border comes from the result as it stands.
#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <vector>

#include "cell_painter.h"
#include "predict/race_result.h"

namespace zv::ui {

class RaceGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RaceGridModel(QObject* parent = nullptr);
    ~RaceGridModel() override;

    // Shows result, or nothing for an empty pointer.
    void setResult(std::shared_ptr<const RaceResult> result);
    // The same race in the same row order with some cells changed: the rows, the current cell
    // and the selection stay.
    void updateCells(std::shared_ptr<const RaceResult> result);
    const std::shared_ptr<const RaceResult>& result() const { return result_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The paint lines of a cell, built once per result; empty outside the rows.
    const std::vector<PaintLine>& lines(const QModelIndex& index) const;

    // The result's cell behind a grid position, or nullptr outside the rows.
    const GridCell* cellAt(int row, int column) const;

private:
    std::shared_ptr<const RaceResult> result_;
    mutable std::vector<std::optional<std::vector<PaintLine>>> lines_;  // row * columns + column
};

}  // namespace zv::ui
