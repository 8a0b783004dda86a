// The race grid's model: a thin view of the core's race result. Rows follow the result's row
// order; every text, colour and border comes from the result as it stands.
#pragma once

#include <QAbstractTableModel>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "predict/race_result.h"

namespace zv::ui {

class RaceGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RaceGridModel(QObject* parent = nullptr);
    ~RaceGridModel() override;

    // Shows result (which must outlive the model's use of it), or nothing for nullptr. Call again
    // after the result changed (for example after a header click reordered its rows).
    void setResult(const RaceResult* result);
    const RaceResult* result() const { return result_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The laid-out rich text of a cell, built once per result. The font is the grid's.
    QTextDocument* document(const QModelIndex& index, const QFont& font) const;

    // The result's cell behind a grid position, or nullptr outside the rows.
    const GridCell* cellAt(int row, int column) const;

private:
    const RaceResult* result_ = nullptr;
    mutable std::vector<std::unique_ptr<QTextDocument>> documents_;  // row * columns + column
};

}  // namespace zv::ui
