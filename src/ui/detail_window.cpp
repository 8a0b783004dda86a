#include "detail_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include "data/sjis.h"
#include "predict/detail_past_races.h"
#include "ui_fonts.h"

namespace zv::ui {

namespace {

constexpr int kPanelHeight = 300;
constexpr int kGridRowHeight = 18;
constexpr int kGridWidths[kDetailGridColumns] = {40, 80, 50, 54, 64, 38, 32, 32, 32, 44, 34, 64, 58, 32, 32, 32, 110};

// A label beside its caption: the control name, the caption, and where the pair sits.
struct LabelPlace {
    const char* name;
    const char* caption;
    int x;
    int y;
    int captionWidth;
    int valueWidth;
    bool fixedPitch;  // the record labels line their four counters up
};

constexpr int kProfileX = 8, kRecordX = 262, kDistanceX = 410;

constexpr LabelPlace kPlaces[] = {
    {"lblSeinen", "", 216, 10, 0, 120, false},
    {"lblUmakigou", "", 340, 10, 0, 200, false},
    {"lblSanti", "産地", kProfileX, 40, 48, 206, false},
    {"lblSeisansya", "生産者", kProfileX, 64, 48, 206, false},
    {"lblBanusi", "馬主", kProfileX, 88, 48, 206, false},
    {"lblChokyosi", "調教師", kProfileX, 112, 48, 206, false},
    {"lblTiti", "父", kProfileX, 136, 48, 206, false},
    {"lblHaha", "母", kProfileX, 160, 48, 206, false},
    {"lblHahaTiti", "母父", kProfileX, 184, 48, 206, false},
    {"lblHahaHaha", "母母", kProfileX, 208, 48, 206, false},
    {"lblSouSyokin", "総賞金", kProfileX, 240, 48, 206, false},
    {"lblHonSyokin", "本賞金", kProfileX, 264, 48, 206, false},
    {"lbl1", "全成績", kRecordX, 40, 74, 74, true},
    {"lbl2", "全芝", kRecordX, 60, 74, 74, true},
    {"lbl3", "全ダート", kRecordX, 80, 74, 74, true},
    {"lbl4", "芝重", kRecordX, 100, 74, 74, true},
    {"lbl5", "ダート重", kRecordX, 120, 74, 74, true},
    {"lbl6", "芝右回り", kRecordX, 140, 74, 74, true},
    {"lbl7", "芝左回り", kRecordX, 160, 74, 74, true},
    {"lbl8", "ダート右回り", kRecordX, 180, 74, 74, true},
    {"lbl9", "ダート左回り", kRecordX, 200, 74, 74, true},
    {"lbl10", "直線成績", kRecordX, 220, 74, 74, true},
    {"lblKyakusitu", "連対脚質", kProfileX, 282, 56, 200, false},
    {"lbl1000", "芝～1000m", kDistanceX, 40, 70, 74, true},
    {"lbl1200", "芝～1200m", kDistanceX, 55, 70, 74, true},
    {"lbl1400", "芝～1400m", kDistanceX, 70, 70, 74, true},
    {"lbl1600", "芝～1600m", kDistanceX, 85, 70, 74, true},
    {"lbl1800", "芝～1800m", kDistanceX, 100, 70, 74, true},
    {"lbl2000", "芝～2000m", kDistanceX, 115, 70, 74, true},
    {"lbl2200", "芝～2200m", kDistanceX, 130, 70, 74, true},
    {"lbl2400", "芝2201m～", kDistanceX, 145, 70, 74, true},
    {"lbl1000d", "ダ～1000m", kDistanceX, 165, 70, 74, true},
    {"lbl1200d", "ダ～1200m", kDistanceX, 180, 70, 74, true},
    {"lbl1400d", "ダ～1400m", kDistanceX, 195, 70, 74, true},
    {"lbl1600d", "ダ～1600m", kDistanceX, 210, 70, 74, true},
    {"lbl1800d", "ダ～1800m", kDistanceX, 225, 70, 74, true},
    {"lbl2000d", "ダ～2000m", kDistanceX, 240, 70, 74, true},
    {"lbl2200d", "ダ～2200m", kDistanceX, 255, 70, 74, true},
    {"lbl2400d", "ダ2201m～", kDistanceX, 270, 70, 74, true},
};

QString fromCp932(const std::string& text) { return QString::fromStdString(toUtf8(text)); }

Qt::Alignment alignmentOf(DetailCellAlignment alignment) {
    switch (alignment) {
        case DetailCellAlignment::Centre: return Qt::AlignCenter;
        case DetailCellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case DetailCellAlignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

TfrmSyosai::TfrmSyosai(QWidget* parent)
    : QWidget(parent, Qt::Window), cmbBamei_(new QComboBox(this)), grid2_(new QTableWidget(kDetailGridRows, kDetailGridColumns, this)) {
    setObjectName(QStringLiteral("frmSyosai"));
    setWindowTitle(QStringLiteral("詳細情報"));
    setFixedSize(556, 442);
    // The upper panel carries the captions on a background of its own.
    auto* panel = new QWidget(this);
    panel->setGeometry(0, 0, width(), kPanelHeight);
    panel->setAutoFillBackground(true);
    QPalette shade = panel->palette();
    shade.setColor(QPalette::Window, QColor(236, 240, 228));
    panel->setPalette(shade);
    panel->lower();
    cmbBamei_->setObjectName(QStringLiteral("cmbBamei"));
    cmbBamei_->setFont(gridFont());
    cmbBamei_->setGeometry(8, 6, 200, 24);
    createLabels();
    createGrid();
    // The headings stand from the start; the rows stay empty until a runner is chosen.
    HorseDetail headingsOnly;
    fillPastRaceGrid({}, headingsOnly);
    showPastRaces(headingsOnly);
    connect(cmbBamei_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) emit runnerSelected(index);
    });
}

void TfrmSyosai::createLabels() {
    QFont fixed = gridFont();
    QFont proportional = labelFont();
    QFont captionFont = labelFont();
    captionFont.setBold(true);
    for (const LabelPlace& place : kPlaces) {
        if (place.captionWidth > 0) {
            auto* caption = new QLabel(QString::fromUtf8(place.caption), this);
            caption->setFont(captionFont);
            caption->setStyleSheet(QStringLiteral("color: rgb(0, 64, 128);"));
            caption->setGeometry(place.x, place.y, place.captionWidth, 16);
        }
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(place.name));
        value->setFont(place.fixedPitch ? fixed : proportional);
        value->setGeometry(place.x + place.captionWidth, place.y, place.valueWidth, 16);
        if (place.fixedPitch) value->setText(QStringLiteral("  0  0  0  0"));
        labels_[value->objectName()] = value;
    }
}

void TfrmSyosai::createGrid() {
    grid2_->setObjectName(QStringLiteral("Grid2"));
    grid2_->setGeometry(0, kPanelHeight, width(), height() - kPanelHeight);
    grid2_->setFont(gridFont());
    grid2_->horizontalHeader()->hide();
    grid2_->verticalHeader()->hide();
    grid2_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid2_->setSelectionMode(QAbstractItemView::NoSelection);
    grid2_->setFocusPolicy(Qt::NoFocus);
    // The narrow columns cut long texts off as they stand rather than shorten them with dots.
    grid2_->setTextElideMode(Qt::ElideNone);
    grid2_->setWordWrap(false);
    grid2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid2_->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    grid2_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    for (int column = 0; column < kDetailGridColumns; ++column) grid2_->setColumnWidth(column, kGridWidths[column]);
    const QBrush headingBrush = palette().button();
    for (int row = 0; row < kDetailGridRows; ++row) {
        for (int column = 0; column < kDetailGridColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(alignmentOf(detailCellAlignment(row, column)));
            if (row == 0 || column == 0) item->setBackground(headingBrush);
            grid2_->setItem(row, column, item);
        }
    }
}

void TfrmSyosai::fillRunners(const QStringList& entries, int selected) {
    {
        const QSignalBlocker quiet(cmbBamei_);
        cmbBamei_->clear();
        cmbBamei_->addItems(entries);
        cmbBamei_->setCurrentIndex(-1);
    }
    // The window's own selection handling runs for the chosen runner, as when the user picks it.
    cmbBamei_->setCurrentIndex(selected);
}

int TfrmSyosai::selectedRunnerIndex() const { return cmbBamei_->currentIndex(); }

QStringList TfrmSyosai::runnerEntries() const {
    QStringList entries;
    for (int i = 0; i < cmbBamei_->count(); ++i) entries << cmbBamei_->itemText(i);
    return entries;
}

void TfrmSyosai::showHorse(const HorseDetail& detail) {
    for (const DetailLabel& label : detail.labels) {
        const auto found = labels_.find(QString::fromStdString(label.name));
        if (found != labels_.end()) found->second->setText(fromCp932(label.text));
    }
    showPastRaces(detail);
}

void TfrmSyosai::showPastRaces(const HorseDetail& detail) {
    for (int row = 0; row < kDetailGridRows; ++row) {
        const std::optional<uint32_t> colour = row > 0 ? pastRowTextColour(detail.rowState[size_t(row)]) : std::nullopt;
        for (int column = 0; column < kDetailGridColumns; ++column) {
            QTableWidgetItem* item = grid2_->item(row, column);
            item->setText(fromCp932(detail.grid[size_t(row)][size_t(column)]));
            if (row > 0 && column > 0) {
                item->setForeground(colour ? QBrush(QColor::fromRgb(QRgb(*colour))) : palette().text());
            }
        }
    }
    grid2_->scrollToTop();
    grid2_->horizontalScrollBar()->setValue(0);
}

QString TfrmSyosai::labelText(const QString& name) const {
    const auto found = labels_.find(name);
    return found == labels_.end() ? QString() : found->second->text();
}

}  // namespace zv::ui
