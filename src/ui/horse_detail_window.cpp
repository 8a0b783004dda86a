#include "horse_detail_window.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <map>
#include <string_view>

#include "cp932_text.h"
#include "predict/detail_past_races.h"
#include "ui_fonts.h"

namespace zv::ui {

namespace {

constexpr int kPanelHeight = 300;
constexpr int kMinimumWidth = 556;
constexpr int kMinimumHeight = 442;
constexpr int kGridRowHeight = 18;
// The columns' designed widths; a column is widened where the font needs more room.
constexpr int kGridWidths[kDetailGridColumns] = {40, 80, 50, 54, 64, 38, 32, 32, 32, 44, 34, 64, 58, 32, 32, 32, 110};
// The widest text each column shows for a real race: a local racecourse with its suffix, a full
// six-byte race name, the longest class of a current race, a steeplechase on heavy going, the
// widest counters, a jockey of four characters, a handicap with both furlong times, four corner
// positions, and a horse name of nine characters.
constexpr const char* kWidestTexts[kDetailGridColumns] = {
    "5走前",
    "札(地)08/05/25",
    "皐月賞",
    "オープン，牝馬",
    "障3900M不",
    "2.59.9",
    "18頭",
    "18人",
    "18着",
    "ルメール",
    "H56.0",
    "H35.2-34.8",
    "⑱⑱⑱⑱",
    "512k",
    "18番",
    "-12.5",
    "ゼルヴォラブライト",
};

// Where a group of labels stands: the profile on the left, the records in the middle, the
// distance records on the right. The blocks are placed from the widths of their captions.
enum class Block { Top, Profile, Style, Record, Distance };

// A label beside its caption (the field's; the top row has none): its block and line.
struct LabelPlace {
    DetailField field;
    Block block;
    int y;
};

constexpr int kMargin = 8;      // from the window's edges
constexpr int kBlockGap = 14;   // between a block's values and the next block's captions
constexpr int kCaptionGap = 6;  // between a caption and its value
constexpr int kLabelHeight = 15;
constexpr char kEmptyRecord[] = "  0  0  0  0";

using F = DetailField;
constexpr LabelPlace kPlaces[] = {
    {F::SexAgeCoat, Block::Top, 10},          {F::HorseMarker, Block::Top, 10},
    {F::Birthplace, Block::Profile, 40},      {F::Breeder, Block::Profile, 64},
    {F::Owner, Block::Profile, 88},           {F::Trainer, Block::Profile, 112},
    {F::Sire, Block::Profile, 136},           {F::Dam, Block::Profile, 160},
    {F::DamSire, Block::Profile, 184},        {F::DamDam, Block::Profile, 208},
    {F::TotalPrize, Block::Profile, 240},     {F::MainPrize, Block::Profile, 260},
    {F::RunningStyle, Block::Style, 280},     {F::CareerRecord, Block::Record, 40},
    {F::TurfRecord, Block::Record, 60},       {F::DirtRecord, Block::Record, 80},
    {F::TurfHeavyRecord, Block::Record, 100}, {F::DirtHeavyRecord, Block::Record, 120},
    {F::TurfRightRecord, Block::Record, 140}, {F::TurfLeftRecord, Block::Record, 160},
    {F::DirtRightRecord, Block::Record, 180}, {F::DirtLeftRecord, Block::Record, 200},
    {F::StraightRecord, Block::Record, 220},  {F::TurfTo1000m, Block::Distance, 40},
    {F::TurfTo1200m, Block::Distance, 55},    {F::TurfTo1400m, Block::Distance, 70},
    {F::TurfTo1600m, Block::Distance, 85},    {F::TurfTo1800m, Block::Distance, 100},
    {F::TurfTo2000m, Block::Distance, 115},   {F::TurfTo2200m, Block::Distance, 130},
    {F::TurfOver2200m, Block::Distance, 145}, {F::DirtTo1000m, Block::Distance, 165},
    {F::DirtTo1200m, Block::Distance, 180},   {F::DirtTo1400m, Block::Distance, 195},
    {F::DirtTo1600m, Block::Distance, 210},   {F::DirtTo1800m, Block::Distance, 225},
    {F::DirtTo2000m, Block::Distance, 240},   {F::DirtTo2200m, Block::Distance, 255},
    {F::DirtOver2200m, Block::Distance, 270},
};
static_assert(std::size(kPlaces) == kDetailFieldCount);

QString captionOf(const LabelPlace& place) { return QString::fromUtf8(detailField(place.field).caption); }

// The widest caption of a block in the caption font.
int captionWidth(Block block, const QFontMetrics& metrics) {
    int widest = 0;
    for (const LabelPlace& place : kPlaces) {
        if (place.block == block) widest = std::max(widest, metrics.horizontalAdvance(captionOf(place)));
    }
    return widest;
}

// A text longer than its label is cut at the edge; the whole of it shows on pointing.
void showWholeTextOnPointing(QLabel* label) {
    const bool whole = label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
    label->setToolTip(whole ? QString() : label->text());
}

Qt::Alignment alignmentOf(DetailCellAlignment alignment) {
    switch (alignment) {
        case DetailCellAlignment::Centre: return Qt::AlignCenter;
        case DetailCellAlignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case DetailCellAlignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The note's tab carries the grid's sign while the horse has one.
QString noteTabText(const QString& note) { return note.isEmpty() ? QStringLiteral("メモ") : QStringLiteral("メモ ※"); }

}  // namespace

HorseDetailWindow::HorseDetailWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      panel_(new QWidget(this)),
      runnerList_(new QComboBox(this)),
      tabs_(new QTabWidget(this)),
      pastRaceGrid_(new QTableWidget(kDetailGridRows, kDetailGridColumns)),
      libraryRaces_(new QTableWidget),
      noteEditor_(new QPlainTextEdit),
      ownMark_(new QLabel(this)) {
    setObjectName(QStringLiteral("horseDetailWindow"));
    setWindowTitle(QStringLiteral("詳細情報"));
    // The upper panel carries the captions on a background of its own.
    panel_->setAutoFillBackground(true);
    QPalette shade = panel_->palette();
    shade.setColor(QPalette::Window, QColor(236, 240, 228));
    panel_->setPalette(shade);
    panel_->lower();
    runnerList_->setObjectName(QStringLiteral("horseSelector"));
    runnerList_->setFont(gridFont());
    runnerList_->setGeometry(8, 6, 200, 24);
    ownMark_->setObjectName(QStringLiteral("ownMark"));
    ownMark_->setFont(gridFont());
    createLabels();
    createGrid();
    createLibraryTab();
    createNoteTab();
    // The headings stand from the start; the rows stay empty until a runner is chosen.
    HorseDetail headingsOnly;
    fillPastRaceGrid({}, headingsOnly);
    showPastRaces(headingsOnly);
    setMinimumSize(kMinimumWidth, fullHeight());
    resize(fullSize());
    layOut();
    connect(runnerList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        commitNote();
        if (index >= 0) emit runnerSelected(index);
    });
    // Esc closes the window, as it closes a dialog.
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::hide);
    addAction(close);
}

QSize HorseDetailWindow::fullSize() const {
    int columns = 0;
    for (int column = 0; column < kDetailGridColumns; ++column) columns += pastRaceGrid_->columnWidth(column);
    return {std::max(kMinimumWidth, columns + 2 * pastRaceGrid_->frameWidth()), fullHeight()};
}

void HorseDetailWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void HorseDetailWindow::hideEvent(QHideEvent* event) {
    commitNote();
    QWidget::hideEvent(event);
}

bool HorseDetailWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == noteEditor_ && event->type() == QEvent::FocusOut) commitNote();
    return QWidget::eventFilter(watched, event);
}

void HorseDetailWindow::createNoteTab() {
    noteEditor_->setObjectName(QStringLiteral("noteEditor"));
    noteEditor_->setFont(labelFont());
    noteEditor_->setPlaceholderText(QStringLiteral("この馬についてのメモ（馬名ごとに保存されます）"));
    noteEditor_->setEnabled(false);
    noteEditor_->installEventFilter(this);
    tabs_->addTab(noteEditor_, QStringLiteral("メモ"));
}

void HorseDetailWindow::showNote(const QString& horseName, const QString& text) {
    commitNote();
    noteHorse_ = horseName;
    noteEditor_->setPlainText(text);
    noteEditor_->document()->setModified(false);
    noteEditor_->setEnabled(!horseName.isEmpty());
    tabs_->setTabText(2, noteTabText(text));
}

void HorseDetailWindow::commitNote() {
    if (noteHorse_.isEmpty() || !noteEditor_->document()->isModified()) return;
    noteEditor_->document()->setModified(false);
    const QString text = noteEditor_->toPlainText();
    tabs_->setTabText(2, noteTabText(text));
    emit noteEdited(noteHorse_, text);
}

void HorseDetailWindow::showOwnMark(const QString& mark) {
    ownMark_->setText(mark.isEmpty() ? QString() : QStringLiteral("自印 ") + mark);
}

QString HorseDetailWindow::ownMarkShown() const { return ownMark_->text(); }

void HorseDetailWindow::createLabels() {
    const QFont fixed = gridFont();
    const QFont proportional = labelFont();
    QFont captionFont = labelFont();
    captionFont.setBold(true);
    for (int i = 0; i < int(std::size(kPlaces)); ++i) {
        const LabelPlace& place = kPlaces[i];
        auto* value = new QLabel(this);
        const std::string_view name = detailField(place.field).name;
        value->setObjectName(QString::fromLatin1(name.data(), qsizetype(name.size())));
        const bool isRecord = place.block == Block::Record || place.block == Block::Distance;
        value->setFont(isRecord ? fixed : proportional);
        QLabel* caption = nullptr;
        if (place.block != Block::Top) {
            caption = new QLabel(captionOf(place), this);
            caption->setFont(captionFont);
            caption->setStyleSheet(QStringLiteral("color: rgb(0, 64, 128);"));
        }
        if (isRecord) value->setText(QString::fromLatin1(kEmptyRecord));
        labels_[size_t(place.field)] = value;
        placed_.push_back({i, caption, value});
    }
}

void HorseDetailWindow::layOut() {
    panel_->setGeometry(0, 0, width(), kPanelHeight);
    tabs_->setGeometry(0, kPanelHeight, width(), height() - kPanelHeight);
    QFont captionFont = labelFont();
    captionFont.setBold(true);
    const QFontMetrics captions(captionFont);
    // The record blocks stand at the right edge, as wide as their captions and four counters.
    const int recordValue = QFontMetrics(gridFont()).horizontalAdvance(QString::fromLatin1(kEmptyRecord)) + 2;
    struct Column {
        int x = 0;
        int caption = 0;
        int value = 0;
    };
    std::map<Block, Column> columns;
    Column& distance = columns[Block::Distance];
    distance.caption = captionWidth(Block::Distance, captions) + kCaptionGap;
    distance.value = recordValue;
    distance.x = width() - kMargin - distance.caption - distance.value;
    Column& record = columns[Block::Record];
    record.caption = captionWidth(Block::Record, captions) + kCaptionGap;
    record.value = recordValue;
    record.x = distance.x - kBlockGap - record.caption - record.value;
    // The profile takes the room left of them; the running style below it runs to the grid's width.
    Column& profile = columns[Block::Profile];
    profile.x = kMargin;
    profile.caption = captionWidth(Block::Profile, captions) + kCaptionGap;
    profile.value = record.x - kBlockGap - profile.x - profile.caption;
    Column& style = columns[Block::Style];
    style.x = kMargin;
    style.caption = captionWidth(Block::Style, captions) + kCaptionGap;
    style.value = record.x - kBlockGap - style.x - style.caption;
    // The top row continues right of the runner list.
    const int topX = runnerList_->geometry().right() + kMargin;
    const int sexAgeWidth = QFontMetrics(labelFont()).horizontalAdvance(QStringLiteral("セン10　黒鹿毛")) + 8;

    // The own mark stands at the top right, in the grid's font, where the marks look as in the grid.
    const int ownMarkWidth = QFontMetrics(gridFont()).horizontalAdvance(QStringLiteral("自印 ◎")) + 4;
    ownMark_->setGeometry(width() - kMargin - ownMarkWidth, 10, ownMarkWidth, kLabelHeight);

    for (const PlacedLabel& placed : placed_) {
        const LabelPlace& place = kPlaces[placed.place];
        if (place.block == Block::Top) {
            const bool first = place.field == DetailField::SexAgeCoat;
            const int x = first ? topX : topX + sexAgeWidth;
            const int right = width() - kMargin - ownMarkWidth;
            placed.value->setGeometry(x, place.y, first ? sexAgeWidth : right - x, kLabelHeight);
        } else {
            const Column& column = columns[place.block];
            placed.caption->setGeometry(column.x, place.y, column.caption, kLabelHeight);
            placed.value->setGeometry(column.x + column.caption, place.y, column.value, kLabelHeight);
        }
        showWholeTextOnPointing(placed.value);
    }
}

void HorseDetailWindow::createGrid() {
    pastRaceGrid_->setObjectName(QStringLiteral("pastRaceGrid"));
    pastRaceGrid_->setFont(gridFont());
    pastRaceGrid_->horizontalHeader()->hide();
    pastRaceGrid_->verticalHeader()->hide();
    pastRaceGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pastRaceGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    pastRaceGrid_->setFocusPolicy(Qt::NoFocus);
    // The narrow columns cut long texts off as they stand rather than shorten them with dots.
    pastRaceGrid_->setTextElideMode(Qt::ElideNone);
    pastRaceGrid_->setWordWrap(false);
    pastRaceGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pastRaceGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pastRaceGrid_->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    pastRaceGrid_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    // Each column holds its widest realistic text whole, in the font actually used.
    for (int column = 0; column < kDetailGridColumns; ++column) {
        baseWidths_[size_t(column)] = std::max(kGridWidths[column], cellWidth(QString::fromUtf8(kWidestTexts[column])));
        pastRaceGrid_->setColumnWidth(column, baseWidths_[size_t(column)]);
    }
    const QBrush headingBrush = palette().button();
    for (int row = 0; row < kDetailGridRows; ++row) {
        for (int column = 0; column < kDetailGridColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(alignmentOf(detailCellAlignment(row, column)));
            if (row == 0 || column == 0) item->setBackground(headingBrush);
            pastRaceGrid_->setItem(row, column, item);
        }
    }
}

void HorseDetailWindow::createLibraryTab() {
    // The pages fill the tab widget without a frame of their own: the grid keeps its width.
    tabs_->setObjectName(QStringLiteral("detailTabs"));
    tabs_->setDocumentMode(true);
    tabs_->addTab(pastRaceGrid_, QStringLiteral("近5走"));
    libraryRaces_->setObjectName(QStringLiteral("libraryRaces"));
    libraryRaces_->setColumnCount(10);
    libraryRaces_->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("場"), QStringLiteral("レース名"),
                                              QStringLiteral("コース"), QStringLiteral("頭数"), QStringLiteral("馬番"),
                                              QStringLiteral("人気"), QStringLiteral("着順"), QStringLiteral("タイム"),
                                              QStringLiteral("騎手")});
    libraryRaces_->setFont(gridFont());
    libraryRaces_->verticalHeader()->hide();
    libraryRaces_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    libraryRaces_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    libraryRaces_->setSelectionBehavior(QAbstractItemView::SelectRows);
    libraryRaces_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    libraryRaces_->horizontalHeader()->setStretchLastSection(true);
    tabs_->addTab(libraryRaces_, QStringLiteral("保存した全成績"));
}

int HorseDetailWindow::fullHeight() const { return kMinimumHeight + tabs_->tabBar()->sizeHint().height(); }

void HorseDetailWindow::showLibraryRaces(const std::vector<library::PastRaceSeen>& races, const QString& note) {
    libraryRaces_->clearContents();
    libraryRaces_->setRowCount(static_cast<int>(races.size()));
    for (int row = 0; row < static_cast<int>(races.size()); ++row) {
        const library::PastRaceSeen& race = races[size_t(row)];
        const QString time = race.raceTime > 0 ? QStringLiteral("%1.%2.%3")
                                                     .arg(race.raceTime / 1000)
                                                     .arg(race.raceTime / 10 % 100, 2, 10, QLatin1Char('0'))
                                                     .arg(race.raceTime % 10)
                                               : QString();
        const QStringList cells{
            QString::fromStdString(library::slashedDate(race.date)),
            QString::fromStdString(race.racecourse),
            QString::fromStdString(race.raceName),
            QString::fromStdString(race.surface) + QString::number(race.distance) + QStringLiteral("m"),
            QStringLiteral("%1頭").arg(race.fieldSize),
            QStringLiteral("%1番").arg(race.horseNumber),
            race.popularity > 0 ? QStringLiteral("%1人").arg(race.popularity) : QString(),
            race.finish > 0 ? QStringLiteral("%1着").arg(race.finish) : QString(),
            time,
            QString::fromStdString(race.jockey)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column >= 4 && column <= 8) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            libraryRaces_->setItem(row, column, item);
        }
    }
    libraryRaces_->clearSpans();
    if (races.empty() && !note.isEmpty()) {
        libraryRaces_->setRowCount(1);
        libraryRaces_->setItem(0, 0, new QTableWidgetItem(note));
        libraryRaces_->setSpan(0, 0, 1, libraryRaces_->columnCount());
    }
    tabs_->setTabText(1, races.empty() ? QStringLiteral("保存した全成績")
                                       : QStringLiteral("保存した全成績 (%1走)").arg(races.size()));
}

void HorseDetailWindow::fillRunners(const QStringList& entries, int selected) {
    {
        const QSignalBlocker quiet(runnerList_);
        runnerList_->clear();
        runnerList_->addItems(entries);
        runnerList_->setCurrentIndex(-1);
    }
    // The window's own selection handling runs for the chosen runner, as when the user picks it.
    runnerList_->setCurrentIndex(selected);
}

int HorseDetailWindow::selectedRunnerIndex() const { return runnerList_->currentIndex(); }

QStringList HorseDetailWindow::runnerEntries() const {
    QStringList entries;
    for (int i = 0; i < runnerList_->count(); ++i) entries << runnerList_->itemText(i);
    return entries;
}

void HorseDetailWindow::showHorse(const HorseDetail& detail) {
    for (size_t field = 0; field < kDetailFieldCount; ++field) {
        labels_[field]->setText(fromCp932(detail.texts[field]));
        showWholeTextOnPointing(labels_[field]);
    }
    showPastRaces(detail);
}

void HorseDetailWindow::showPastRaces(const HorseDetail& detail) {
    for (int row = 0; row < kDetailGridRows; ++row) {
        const std::optional<uint32_t> colour = row > 0 ? pastRowTextColour(detail.rowState[size_t(row)]) : std::nullopt;
        for (int column = 0; column < kDetailGridColumns; ++column) {
            QTableWidgetItem* item = pastRaceGrid_->item(row, column);
            item->setText(fromCp932(detail.grid[size_t(row)][size_t(column)]));
            if (row > 0 && column > 0) {
                item->setForeground(colour ? QBrush(QColor::fromRgb(QRgb(*colour))) : palette().text());
            }
        }
    }
    fitColumns();
    pastRaceGrid_->scrollToTop();
    pastRaceGrid_->horizontalScrollBar()->setValue(0);
}

int HorseDetailWindow::cellWidth(const QString& text) const {
    // As the item view lays a cell out: the text between two margins, and the grid line.
    const int textMargin =
        pastRaceGrid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, pastRaceGrid_) + 1;
    return QFontMetrics(pastRaceGrid_->font()).horizontalAdvance(text) + 2 * textMargin + 1;
}

void HorseDetailWindow::fitColumns() {
    // A text wider than any expected (a name of full length) widens its column for this horse.
    for (int column = 0; column < kDetailGridColumns; ++column) {
        int width = baseWidths_[size_t(column)];
        for (int row = 0; row < kDetailGridRows; ++row)
            width = std::max(width, cellWidth(pastRaceGrid_->item(row, column)->text()));
        if (pastRaceGrid_->columnWidth(column) != width) pastRaceGrid_->setColumnWidth(column, width);
    }
}

QString HorseDetailWindow::labelText(DetailField field) const { return labels_[size_t(field)]->text(); }

}  // namespace zv::ui
