#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

#include "data/sjis.h"
#include "predict/cell_builder.h"
#include "ui/grid_roles.h"
#include "ui/race_grid_metrics.h"
#include "ui/race_grid_view.h"

using namespace zv;
using zv::ui::RaceGridView;
using namespace zv::ui;

class RaceGridTest : public QObject {
    Q_OBJECT
private slots:
    void rowsFollowTheResultsOrder();
    void coloursAndBordersComeFromTheResult_data();
    void coloursAndBordersComeFromTheResult();
    void modelPassesTheModelTester();
    void layoutIsTheGridsFixedOne();
    void headingClickIsReportedAndTheIndicatorStaysTheProgramsOwn();
    void clickOnTheHorseNameReportsTheLink();
    void theCurrentCellKeepsItsColoursInsideAFrame_data();
    void theCurrentCellKeepsItsColoursInsideAFrame();
};

namespace {

// Three runners shown in the order 2, 3, 1; runner 3's "1走前" cell has the layoff border.
RaceResult threeRunners() {
    RaceResult result;
    result.runnerCount = 3;
    result.cells.resize(4);
    for (int runner = 1; runner <= 3; ++runner) {
        GridRow& row = result.cells[size_t(runner)];
        row[kColFrame].text = (CellBuilder().line(LineAlignment::Centre) << runner).cell();
        row[kColRunner].text = row[kColFrame].text;
        CellBuilder name;
        name.small() << sj("牡3歳");
        name.line().link(runner) << sj("ウマ") << runner;
        name.line(LineAlignment::Right).small() << "4.5";
        row[kColName].text = name.cell();
        for (GridCell& cell : row) cell.fg = 0x000000;
        row[kColFrame].bg = runner == 1 ? 0xFFFFFF : 0x000000;
        row[kColFrame].fg = runner == 1 ? 0x000000 : 0xFFFFFF;
        row[kColPast1].bg = 0xFFCC99;
    }
    result.cells[3][kColPast1].rightBorder = true;
    result.cells[2][kColPast2].bg.reset();
    result.rowOrder = {2, 3, 1};
    result.sort = {kColTR, false};
    return result;
}

}  // namespace

void RaceGridTest::rowsFollowTheResultsOrder() {
    const auto result = std::make_shared<const RaceResult>(threeRunners());
    ui::RaceGridModel model;
    model.setResult(result);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), kGridColumns);
    const QStringList expected{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(model.index(row, kColRunner).data().toString(), expected[row]);
        QCOMPARE(model.index(row, kColRunner).data(ui::RunnerNumberRole).toInt(), expected[row].toInt());
    }
    QCOMPARE(model.headerData(kColName, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("馬　名"));
    model.setResult(nullptr);
    QCOMPARE(model.rowCount(), 0);
}

void RaceGridTest::coloursAndBordersComeFromTheResult_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<bool>("border");
    QTest::newRow("bracket 2 is white on black")
        << 0 << int(kColFrame) << QColor(Qt::black) << QColor(Qt::white) << false;
    QTest::newRow("bracket 1 is black on white")
        << 2 << int(kColFrame) << QColor(Qt::white) << QColor(Qt::black) << false;
    QTest::newRow("a past race with PR only")
        << 0 << int(kColPast1) << QColor(0xFF, 0xCC, 0x99) << QColor(Qt::black) << false;
    QTest::newRow("a layoff follows the most recent race")
        << 1 << int(kColPast1) << QColor(0xFF, 0xCC, 0x99) << QColor(Qt::black) << true;
    QTest::newRow("a default colour stays the grid's") << 0 << int(kColPast2) << QColor() << QColor(Qt::black) << false;
}

void RaceGridTest::coloursAndBordersComeFromTheResult() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QColor, background);
    QFETCH(QColor, foreground);
    QFETCH(bool, border);
    const auto result = std::make_shared<const RaceResult>(threeRunners());
    ui::RaceGridModel model;
    model.setResult(result);
    const QModelIndex index = model.index(row, column);
    QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(), background);
    QCOMPARE(index.data(Qt::ForegroundRole).value<QColor>(), foreground);
    QCOMPARE(index.data(ui::RightBorderRole).toBool(), border);
}

void RaceGridTest::modelPassesTheModelTester() {
    const auto result = std::make_shared<const RaceResult>(threeRunners());
    ui::RaceGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setResult(result);
    model.setResult(nullptr);
    model.setResult(result);
}

void RaceGridTest::layoutIsTheGridsFixedOne() {
    const auto result = std::make_shared<const RaceResult>(threeRunners());
    RaceGridView view;
    view.showResult(result);
    QCOMPARE(view.horizontalHeader()->height(), kGridHeaderHeight);
    QCOMPARE(view.rowHeight(0), kGridRowHeight);
    for (int column = 0; column < kGridColumns; ++column)
        QCOMPARE(view.columnWidth(column), kGridColumnWidths[size_t(column)]);
    QCOMPARE(view.horizontalHeader()->sortIndicatorSection(), kColTR);
    QCOMPARE(view.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QVERIFY(!view.isSortingEnabled());
    QCOMPARE(view.currentIndex(), view.model()->index(0, 0));
}

void RaceGridTest::headingClickIsReportedAndTheIndicatorStaysTheProgramsOwn() {
    const auto result = std::make_shared<const RaceResult>(threeRunners());
    RaceGridView view;
    view.resize(760, 300);
    view.showResult(result);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&view, &RaceGridView::headingClicked);
    QHeaderView* heading = view.horizontalHeader();
    const QPoint centre(heading->sectionViewportPosition(kColPast3) + 10, kGridHeaderHeight / 2);
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().first().toInt(), kColPast3);
    QCOMPARE(heading->sortIndicatorSection(), kColTR);
    QCOMPARE(heading->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(view.model()->index(0, kColRunner).data().toString(), QStringLiteral("2"));
}

void RaceGridTest::clickOnTheHorseNameReportsTheLink() {
    const auto result = std::make_shared<const RaceResult>(threeRunners());
    RaceGridView view;
    view.resize(760, 300);
    view.showResult(result);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy links(&view, &RaceGridView::runnerDetailRequested);
    const QModelIndex name = view.model()->index(1, kColName);
    const QRect cell = view.visualRect(name);
    // Find a point of the link's text in the cell, then click there.
    QPoint onLink(-1, -1);
    for (int y = 0; y < cell.height() && onLink.x() < 0; ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if (ui::RaceGridDelegate::linkAt(name, view.font(), cell.width(), cell.height(), QPoint(x, y)) != 0) {
                onLink = QPoint(x, y);
                break;
            }
        }
    }
    QVERIFY(onLink.x() >= 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.topLeft() + onLink);
    QCOMPARE(links.size(), 1);
    QCOMPARE(links.first().first().toInt(), 3);
    QSignalSpy none(&view, &RaceGridView::runnerDetailRequested);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(1, kColTR)).center());
    QCOMPARE(none.size(), 0);
}

void RaceGridTest::theCurrentCellKeepsItsColoursInsideAFrame_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("background");
    QTest::newRow("runner 1's white bracket cell") << 2 << int(kColFrame) << QColor(Qt::white);
    QTest::newRow("a black bracket cell") << 0 << int(kColFrame) << QColor(Qt::black);
    QTest::newRow("a coloured past race") << 1 << int(kColPast1) << QColor(0xFF, 0xCC, 0x99);
}

void RaceGridTest::theCurrentCellKeepsItsColoursInsideAFrame() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QColor, background);
    RaceGridView view;
    view.resize(760, 300);
    view.showResult(std::make_shared<const RaceResult>(threeRunners()));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QModelIndex index = view.model()->index(row, column);
    view.setCurrentIndex(index);
    const QRect cell = view.visualRect(index);
    const QImage picture = view.viewport()->grab().toImage();
    QCOMPARE(picture.pixelColor(cell.left() + 4, cell.top() + 4), background);
    QCOMPARE(picture.pixelColor(cell.left() + 1, cell.center().y()), view.palette().color(QPalette::Highlight));
}

QTEST_MAIN(RaceGridTest)
#include "race_grid_test.moc"
