#include "race_grid_model.h"

#include <QColor>
#include <algorithm>

#include "cp932_text.h"
#include "grid_roles.h"

namespace zv::ui {

namespace {

QVariant colourOf(const CellColour& colour) {
    if (!colour) return {};
    return QColor::fromRgb(QRgb(*colour));
}

}  // namespace

RaceGridModel::RaceGridModel(QObject* parent) : QAbstractTableModel(parent) {}

RaceGridModel::~RaceGridModel() = default;

void RaceGridModel::setResult(std::shared_ptr<const RaceResult> result) {
    beginResetModel();
    result_ = std::move(result);
    lines_.clear();
    if (result_) lines_.resize(result_->rowOrder.size() * kGridColumns);
    endResetModel();
}

void RaceGridModel::updateCells(std::shared_ptr<const RaceResult> result) {
    result_ = std::move(result);
    std::fill(lines_.begin(), lines_.end(), std::nullopt);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kGridColumns - 1));
}

int RaceGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !result_) return 0;
    return int(result_->rowOrder.size());
}

int RaceGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

const GridCell* RaceGridModel::cellAt(int row, int column) const {
    if (!result_ || row < 0 || row >= int(result_->rowOrder.size()) || column < 0 || column >= kGridColumns) {
        return nullptr;
    }
    const int runner = result_->rowOrder[size_t(row)];
    if (runner < 1 || runner >= int(result_->cells.size())) return nullptr;
    return &result_->cells[size_t(runner)][size_t(column)];
}

QVariant RaceGridModel::data(const QModelIndex& index, int role) const {
    const GridCell* cell = cellAt(index.row(), index.column());
    if (!cell) return {};
    switch (role) {
        case Qt::DisplayRole: return fromCp932(cell->text.shownText());
        case Qt::ForegroundRole: return colourOf(cell->fg);
        case Qt::BackgroundRole: return colourOf(cell->bg);
        case RightBorderRole: return cell->rightBorder;
        case RunnerNumberRole: return result_->rowOrder[size_t(index.row())];
        default: return {};
    }
}

QVariant RaceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return {};
    if (role == Qt::DisplayRole) return fromCp932(gridHeadings()[size_t(section)]);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

const std::vector<PaintLine>& RaceGridModel::lines(const QModelIndex& index) const {
    static const std::vector<PaintLine> none;
    const GridCell* cell = cellAt(index.row(), index.column());
    if (!cell) return none;
    auto& slot = lines_[size_t(index.row()) * kGridColumns + size_t(index.column())];
    if (!slot) slot = paintLines(cell->text);
    return *slot;
}

}  // namespace zv::ui
