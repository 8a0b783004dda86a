// The detail window with the fonts the program uses: the widest past-race texts of real races fit
// their columns without moving them, a longer name widens only its own column, and the labels
// stand beside their captions without running into each other.
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "data/record_builder.h"
#include "data/record_codec.h"
#include "data/records.h"
#include "data/sjis.h"
#include "predict/horse_detail.h"
#include "support/past_race_record.h"
#include "ui/horse_detail_window.h"
#include "ui/ui_fonts.h"

using namespace zv;

namespace {

using fixture::PastRaceRecord;

std::string horseWith(const PastRaceRecord& p) {
    RecordBuilder b(kHorseLineLength);
    b.set(horse_line::horse_name, sj("テストホース"))
        .setNumber(horse_line::main_prize, 0)
        .setNumber(horse_line::total_prize_part1, 0);
    b.setNumber(horse_line::total_prize_part2, 0);
    for (int c = 0; c < 4; ++c) b.setNumber(horse_line::recordCounter(horse_line::kGroupRunningStyle, c), 0);
    for (int group = 0; group < kPastGroups; ++group) fixture::setPastRaceRecord(b, group, p);
    return b.line();
}

HorseDetail detailOf(const PastRaceRecord& race) {
    return buildHorseDetail(sj("セン10  黒鹿毛"), decodeHorseRecord(Cp932View(horseWith(race))));
}

QList<int> columnWidths(QTableWidget* grid) {
    QList<int> widths;
    for (int column = 0; column < grid->columnCount(); ++column) widths << grid->columnWidth(column);
    return widths;
}

// Cells whose text is wider than their column, measured as the item view sizes the cell, with
// the grid line right of it.
QStringList clippedCells(QTableWidget* grid) {
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.font = grid->font();
    QStringList clipped;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QModelIndex index = grid->model()->index(row, column);
            if (grid->itemDelegate()->sizeHint(option, index).width() + 1 > grid->columnWidth(column)) {
                clipped << QStringLiteral("%1,%2 %3").arg(row).arg(column).arg(index.data().toString());
            }
        }
    }
    return clipped;
}

}  // namespace

Q_DECLARE_METATYPE(PastRaceRecord)

class DetailWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutions(); }
    void widestTextsOfRealRacesFitWithoutMovingTheColumns_data();
    void widestTextsOfRealRacesFitWithoutMovingTheColumns();
    void aNameOfFullFieldLengthWidensOnlyItsColumn();
    void labelsStandApartInsideThePanel_data();
    void labelsStandApartInsideThePanel();
    void opensWithEveryColumnInViewOnA1366PixelScreen();
    void aLargerWindowGivesTheGridTheRoom();
};

void DetailWindowTest::widestTextsOfRealRacesFitWithoutMovingTheColumns_data() {
    QTest::addColumn<PastRaceRecord>("race");
    PastRaceRecord local;
    local.racecourse = "35";  // 札(地)
    local.shortName = "皐月賞";
    local.classCode = "00005";  // オープン，牝馬
    local.jump = "1";
    local.distance = "3900";
    local.going = "3";
    local.time = "2599";
    local.popularity = "18";
    local.finish = "18";
    local.margin = "125";
    local.corners = {"18", "18", "18", "18"};
    local.fieldSize = "18";
    local.horseNumber = "18";
    local.weightRule = "02";
    local.jockey = "ルメール";
    local.opponent = "ゼルヴォラブライト";
    QTest::newRow("a steeplechase at a local course with every field at its widest") << local;
    PastRaceRecord winner = local;
    winner.finish = "01";
    winner.margin = "999";
    QTest::newRow("a winner ten lengths clear") << winner;
    PastRaceRecord abroad;
    abroad.racecourse = "65";    // ＵＡＥ
    abroad.classCode = "00094";  // 能力試験
    abroad.corners = {"34", "34", "34", "34"};
    QTest::newRow("an ability test abroad with a corner incident") << abroad;
    PastRaceRecord scratched;
    scratched.time = "    ";
    scratched.popularity = "34";
    scratched.finish = "34";
    QTest::newRow("a scratched run") << scratched;
}

void DetailWindowTest::widestTextsOfRealRacesFitWithoutMovingTheColumns() {
    QFETCH(PastRaceRecord, race);
    ui::HorseDetailWindow window;
    const QList<int> empty = columnWidths(window.pastRaceGrid());
    window.showHorse(detailOf(race));
    QCOMPARE(clippedCells(window.pastRaceGrid()), QStringList());
    QCOMPARE(columnWidths(window.pastRaceGrid()), empty);
}

void DetailWindowTest::aNameOfFullFieldLengthWidensOnlyItsColumn() {
    ui::HorseDetailWindow window;
    QTableWidget* grid = window.pastRaceGrid();
    const QList<int> usual = columnWidths(grid);
    PastRaceRecord longName;
    longName.opponent = "アイウエオカキクケコサシスセソ";  // the whole 30 bytes of the field
    window.showHorse(detailOf(longName));
    QCOMPARE(clippedCells(grid), QStringList());
    QList<int> widened = columnWidths(grid);
    QVERIFY(widened.takeLast() > usual.last());
    QCOMPARE(widened, usual.mid(0, usual.size() - 1));
    // The next horse gets the usual widths back.
    window.showHorse(detailOf(PastRaceRecord{}));
    QCOMPARE(columnWidths(grid), usual);
}

void DetailWindowTest::labelsStandApartInsideThePanel_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("as it opens") << QSize();
    QTest::newRow("at its smallest") << QSize(1, 1);
    QTest::newRow("made larger") << QSize(1300, 800);
}

void DetailWindowTest::labelsStandApartInsideThePanel() {
    QFETCH(QSize, size);
    ui::HorseDetailWindow window;
    window.show();
    if (size.isValid()) window.resize(size);
    PastRaceRecord race;
    window.showHorse(detailOf(race));
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    QVERIFY(labels.size() > 40);
    const QRect panel(0, 0, window.width(), window.tabs()->y());
    for (QLabel* label : labels) {
        QVERIFY2(panel.contains(label->geometry()), qPrintable(label->objectName()));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
        for (QLabel* other : labels) {
            if (other != label)
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                         qPrintable(label->text() + QStringLiteral(" / ") + other->text()));
        }
    }
}

void DetailWindowTest::opensWithEveryColumnInViewOnA1366PixelScreen() {
    ui::HorseDetailWindow window;
    window.show();
    QVERIFY(window.width() + 2 * 8 <= 1366);  // room for the frame the window manager adds
    QCOMPARE(window.pastRaceGrid()->horizontalScrollBar()->maximum(), 0);
}

void DetailWindowTest::aLargerWindowGivesTheGridTheRoom() {
    ui::HorseDetailWindow window;
    window.show();
    window.resize(window.width() + 200, window.height() + 300);
    QCOMPARE(window.pastRaceGrid()->width(), window.width());
    const QWidget* grid = window.pastRaceGrid();
    QCOMPARE(grid->mapTo(&window, QPoint(0, grid->height() - 1)).y(), window.height() - 1);
    // The record counters keep to the right edge.
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("dirtOver2200m"))->geometry().right(), window.width() - 8 - 1);
}

QTEST_MAIN(DetailWindowTest)
#include "horse_detail_window_test.moc"
