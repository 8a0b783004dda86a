// The grid's copy and row menu: Ctrl+C puts the selected runners on the clipboard as tab-separated
// lines, Ctrl+A selects nothing, and a right click on a row offers its detail, the bet lines and
// the copy.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

#include "app/clipboard_copies.h"
#include "data/field.h"
#include "data/records.h"
#include "data/sjis.h"
#include "main_window_fixture.h"
#include "predict/ratings.h"
#include "ui/grid_roles.h"
#include "ui/race_grid_view.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::activate;
using zv::app::testing::MainWindowFixture;

class GridCopyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void eachRunnerIsOneLineOfSevenFields();
    void ctrlCCopiesTheSelectedRunnersTopToBottom_data();
    void ctrlCCopiesTheSelectedRunnersTopToBottom();
    void ctrlASelectsNothing();
    void aRightClickOffersTheDetailTheBetLinesAndTheCopy();
};

namespace {

int runnerOfRow(const ui::RaceGridView& grid, int row) {
    return grid.model()->index(row, 0).data(ui::RunnerNumberRole).toInt();
}

}  // namespace

void GridCopyTest::eachRunnerIsOneLineOfSevenFields() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.showRace(10);
    const RaceResult& result = *window.session().result();
    const RaceDataStore& store = window.session().store();
    const int marked = result.markedRunners[0];
    QVERIFY(marked > 0);
    const int other = marked == 1 ? 2 : 1;
    const QStringList lines = QString::fromStdString(toUtf8(app::runnerCopyText(store, result, {marked, other})))
                                  .split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const int number = i == 0 ? marked : other;
        const PastColumn& runner = result.pastColumns[size_t(number - 1)];
        const std::string_view line = store.runnerLines[size_t(store.firstRunner(10) + number - 1)];
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[0], QString::number(number));
        QCOMPARE(fields[1], QString::fromStdString(toUtf8(runner.name)));
        QCOMPARE(fields[2],
                 QString::fromStdString(toUtf8(std::string(trimmed(field(line, runner_line::jockey_name))))));
        QVERIFY(!fields[2].isEmpty());
        QCOMPARE(fields[3], QString::number(runner.TR));
        QCOMPARE(fields[4], QString::number(runner.PR));
        QCOMPARE(fields[5], QString::fromStdString(indexText(runner.combined)));
    }
    QCOMPARE(lines[0].split(QLatin1Char('\t'))[6], QStringLiteral("◎"));
}

void GridCopyTest::ctrlCCopiesTheSelectedRunnersTopToBottom_data() {
    QTest::addColumn<bool>("developer");
    QTest::newRow("a user: the runners") << false;
    QTest::newRow("developer mode: the horse names, as ever") << true;
}

void GridCopyTest::ctrlCCopiesTheSelectedRunnersTopToBottom() {
    QFETCH(bool, developer);
    MainWindowFixture fixture;
    fixture.writeDay();
    if (developer) fixture.writeIni("[Option]\nDeveloperMode=1\n");
    MainWindow& window = fixture.open();
    activate(window);
    window.gridHeadingClicked(kColIndex);  // rows no longer in runner order
    ui::RaceGridView* grid = window.grid();
    grid->clearSelection();
    grid->selectionModel()->select(grid->model()->index(4, kColTR), QItemSelectionModel::Select);
    grid->selectionModel()->select(grid->model()->index(1, kColName), QItemSelectionModel::Select);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const RaceResult& result = *window.session().result();
    const std::vector<int> runners{runnerOfRow(*grid, 1), runnerOfRow(*grid, 4)};
    const std::string expected = developer ? result.pastColumns[size_t(runners[0] - 1)].name + "\r\n" +
                                                 result.pastColumns[size_t(runners[1] - 1)].name
                                           : app::runnerCopyText(window.session().store(), result, runners);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(toUtf8(expected)));
    QCOMPARE(fixture.beeps, 0);
}

void GridCopyTest::ctrlASelectsNothing() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    ui::RaceGridView* grid = window.grid();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{grid->currentIndex()});
}

void GridCopyTest::aRightClickOffersTheDetailTheBetLinesAndTheCopy() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    ui::RaceGridView* grid = window.grid();
    const QRect cell = grid->visualRect(grid->model()->index(3, kColJockey));
    QContextMenuEvent click(QContextMenuEvent::Mouse, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(grid->viewport(), &click);
    QMenu* menu = window.rowMenu();
    QTRY_VERIFY(menu->isVisible());
    QStringList captions;
    for (QAction* item : menu->actions()) captions << item->text();
    QCOMPARE(captions.size(), 4);
    QVERIFY(captions[0].startsWith(QStringLiteral("詳細")));
    QVERIFY(captions[1].startsWith(QStringLiteral("買い目")));
    QVERIFY(captions[2].startsWith(QStringLiteral("コピー")));
    QVERIFY(captions[3].startsWith(QStringLiteral("自印")));
    menu->hide();
    const int runner = runnerOfRow(*grid, 3);
    QCOMPARE(grid->currentIndex().row(), 3);

    menu->actions()[0]->trigger();
    QVERIFY(fixture.detail().isVisible());
    QCOMPARE(fixture.detail().selectedRunnerIndex(), runner - 1);
    menu->actions()[1]->trigger();
    QVERIFY(fixture.bets().isVisible());
    menu->actions()[2]->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(toUtf8(app::runnerCopyText(
                                                    window.session().store(), *window.session().result(), {runner}))));
}

QTEST_MAIN(GridCopyTest)
#include "grid_copy_test.moc"
