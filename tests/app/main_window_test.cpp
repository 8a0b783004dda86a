#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <numeric>

#include "app/header_panel.h"
#include "app/help_window.h"
#include "data/race_name.h"
#include "data/sjis.h"
#include "demo/demo_day.h"
#include "main_window_fixture.h"
#include "predict/bet_lines.h"
#include "ui/grid_roles.h"
#include "ui/race_grid_view.h"
#include "ui/ui_fonts.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::activate;
using zv::app::testing::MainWindowFixture;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void withoutDataNavigationOnlyBeeps();
    void anEmptyStartShowsWhatToDoAndTheDemoDayLoadsFromIt();
    void theDemoItemNeverReplacesADataSet();
    void navigationMovesBetweenRacesAndBeepsAtTheEnds();
    void raceSelectItemShowsItsRace();
    void theRaceMenuOpensAtTheGridOrUnderItsButtonWithTheCurrentRaceChecked();
    void developerItems_data();
    void developerItems();
    void copyHorseNamesOfSelectedRows();
    void headingClickSortsAndTheSortCarriesOverToTheNextRace();
    void aRaceThatCannotBeComputedLeavesTheWindowUsable();
    void betIconFillsTheWindowOnlyWhenItOpens();
    void horseLinkSelectsTheRunner();
    void theGridHasTheKeysFromTheStartAndOnceADayIsLoaded();
    void enterOrF2OnARowOpensItsDetailAndClosingItGivesTheGridTheKeys();
    void aSortKeepsTheCurrentRunnerAndStartsAtTheTop();
    void aHeadingClickNeverSelectsAColumn();
    void betLineShortcutsActInTheWindowThatHasTheFocus();
    void statusBarSaysWhichRaceOfTheDayIsShown();
    void dropsAreTakenAsCopiesNeverAsMoves();
    void everyBetLabelOfTheDayShowsInFullInItsBox_data();
    void everyBetLabelOfTheDayShowsInFullInItsBox();
    void theLongestBetLabelsStillFitWithTheWholeTextInTheTooltip();
    void helpWithoutTheHelpFileShowsTheShippedPage();
    void startUpWithABadArchiveArgumentStillLoadsTheDataFolder();
    void startUpWithoutTheHorseFileLoadsNothing();
};

namespace {

// The first race of the day with at least runners runners.
int raceWithRunners(const MainWindow& window, int runners) {
    int race = 0;
    while (window.session().store().runnerCount(race) < runners) ++race;
    return race;
}

}  // namespace

void MainWindowTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    ui::installFontSubstitutions();
}

void MainWindowTest::withoutDataNavigationOnlyBeeps() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.actions().selectRace->trigger();
    window.actions().nextRace->trigger();
    window.actions().previousRace->trigger();
    QCOMPARE(fixture.beeps, 3);
    QCOMPARE(window.session().currentRace(), -1);
    QVERIFY(window.grid()->isHidden());
    QVERIFY(fixture.notices.isEmpty());
    QVERIFY(fixture.errors.isEmpty());
}

void MainWindowTest::anEmptyStartShowsWhatToDoAndTheDemoDayLoadsFromIt() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.show();
    auto* panel = window.findChild<QWidget*>(QStringLiteral("emptyDataPanel"));
    QVERIFY(panel && panel->isVisible());
    QVERIFY(!window.grid()->isVisible());
    // The panel takes the grid's place under the header, down to the status bar.
    QCOMPARE(panel->geometry().top(), window.headerPanel()->geometry().bottom() + 1);
    QVERIFY(panel->height() > 300);
    for (const char* name : {"openArchiveButton", "downloadButton", "demoButton"}) {
        QVERIFY2(panel->findChild<QPushButton*>(QString::fromLatin1(name)), name);
    }
    QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("demoButton")), Qt::LeftButton);
    QVERIFY(window.session().hasData());
    QCOMPARE(window.session().currentRace(), 0);
    QVERIFY(window.grid()->isVisible());
    QVERIFY(!panel->isVisible());
    QCOMPARE(fixture.notices, QStringList());
}

void MainWindowTest::theDemoItemNeverReplacesADataSet() {
    MainWindowFixture fixture;
    fixture.writeDay();
    const auto headerFile = fixture.dataFolder() / kHeaderFile;
    std::ifstream in(headerFile, std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    MainWindow& window = fixture.open();
    window.actions().demo->trigger();
    std::ifstream again(headerFile, std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(again), std::istreambuf_iterator<char>()), before);
    QCOMPARE(fixture.notices.size(), 1);
    QVERIFY(window.session().hasData());
}

void MainWindowTest::navigationMovesBetweenRacesAndBeepsAtTheEnds() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    const int races = window.session().store().raceCount;
    QVERIFY(races > 2);
    QCOMPARE(window.session().currentRace(), 0);
    QVERIFY(!window.grid()->isHidden());

    window.actions().previousRace->trigger();
    QCOMPARE(fixture.beeps, 1);
    QCOMPARE(window.session().currentRace(), 0);

    for (int r = 1; r < races; ++r) {
        window.actions().nextRace->trigger();
        QCOMPARE(window.session().currentRace(), r);
        QCOMPARE(window.grid()->model()->rowCount(), window.session().store().runnerCount(r));
    }
    QCOMPARE(fixture.beeps, 1);
    window.actions().nextRace->trigger();
    QCOMPARE(fixture.beeps, 2);
    QCOMPARE(window.session().currentRace(), races - 1);
    window.actions().previousRace->trigger();
    QCOMPARE(window.session().currentRace(), races - 2);
    QVERIFY(fixture.errors.isEmpty());
}

void MainWindowTest::raceSelectItemShowsItsRace() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    const QList<QAction*> items = window.raceSelectMenu()->actions();
    QCOMPARE(items.size(), window.session().store().raceCount);
    QCOMPARE(items[11]->text(), QString::fromStdString(toUtf8(window.session().store().headers[11].menuTitle)));
    items[11]->trigger();
    QCOMPARE(window.session().currentRace(), 11);
    QCOMPARE(fixture.beeps, 0);
}

void MainWindowTest::theRaceMenuOpensAtTheGridOrUnderItsButtonWithTheCurrentRaceChecked() {
    MainWindowFixture fixture;
    fixture.screen.reset();       // the menu keeps to the real screen, so the window must stand there too
    fixture.writeFirstRaces(12);  // a menu short enough to open where it is asked to
    MainWindow& window = fixture.open();
    activate(window);
    window.showRace(4);
    QMenu* menu = window.raceSelectMenu();
    const QList<QAction*> items = menu->actions();
    const auto verifyOpenAt = [&](const QPoint& corner) {
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->geometry().topLeft(), corner);
        for (int i = 0; i < items.size(); ++i) QCOMPARE(items[i]->isChecked(), i == 4);
        QCOMPARE(menu->activeAction(), items[4]);
        menu->hide();
    };
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    verifyOpenAt(window.grid()->mapToGlobal(QPoint(0, 0)));
    window.actions().selectRace->trigger();
    verifyOpenAt(window.grid()->mapToGlobal(QPoint(0, 0)));
    QToolButton* button = nullptr;
    for (QToolButton* tool : window.findChildren<QToolButton*>()) {
        if (tool->defaultAction() && tool->defaultAction()->text() == QStringLiteral("予想レースの選択")) {
            button = tool;
        }
    }
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    verifyOpenAt(button->mapToGlobal(QPoint(0, button->height())));
}

void MainWindowTest::developerItems_data() {
    QTest::addColumn<QString>("ini");  // empty: no INI file
    QTest::addColumn<bool>("developer");
    QTest::newRow("no INI file") << QString() << false;
    QTest::newRow("DeveloperMode=0") << "[Option]\nDeveloperMode=0\n" << false;
    QTest::newRow("DeveloperMode that is not a number") << "[Option]\nDeveloperMode=on\n" << false;
    QTest::newRow("DeveloperMode=1") << "[Option]\r\nDeveloperMode=1\r\n" << true;
}

void MainWindowTest::developerItems() {
    QFETCH(QString, ini);
    QFETCH(bool, developer);
    MainWindowFixture fixture;
    fixture.writeDay();
    if (!ini.isEmpty()) fixture.writeIni(ini.toStdString());
    MainWindow& window = fixture.open();
    QCOMPARE(window.session().developerMode(), developer);
    const app::MainWindowActions& a = window.actions();
    for (QAction* item : {a.developerSeparator, a.copyHorseNames, a.copyRaceName, a.allBetLineFiles, a.prAverageCsv}) {
        QCOMPARE(item->isVisible(), developer);
    }
    QApplication::clipboard()->setText(QStringLiteral("before"));
    a.copyHorseNames->trigger();
    if (!developer) QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    a.copyRaceName->trigger();
    if (developer) {
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromStdString(toUtf8(raceNameCopyText(window.session().store(), 0))));
    } else {
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }
    QVERIFY(fixture.errors.isEmpty());
}

void MainWindowTest::copyHorseNamesOfSelectedRows() {
    MainWindowFixture fixture;
    fixture.writeDay();
    fixture.writeIni("[Option]\nDeveloperMode=1\n");
    MainWindow& window = fixture.open();
    ui::RaceGridView* grid = window.grid();
    grid->clearSelection();
    grid->selectionModel()->select(grid->model()->index(1, 3), QItemSelectionModel::Select);
    grid->selectionModel()->select(grid->model()->index(4, 0), QItemSelectionModel::Select);
    window.actions().copyHorseNames->trigger();
    const PastColumns& pastColumns = window.session().result()->pastColumns;
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(toUtf8(pastColumns[1].name + "\r\n" + pastColumns[4].name)));

    grid->clearSelection();
    window.actions().copyHorseNames->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString());
}

void MainWindowTest::headingClickSortsAndTheSortCarriesOverToTheNextRace() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    ui::RaceGridView* grid = window.grid();
    const auto trOfRow = [&](int row) { return grid->model()->index(row, kColTR).data().toInt(); };

    window.gridHeadingClicked(kColTR);
    QCOMPARE(window.session().sortColumn(), int(kColTR));
    QCOMPARE(grid->horizontalHeader()->sortIndicatorSection(), int(kColTR));
    QCOMPARE(grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    for (int row = 1; row < grid->model()->rowCount(); ++row) QVERIFY(trOfRow(row - 1) >= trOfRow(row));

    window.actions().nextRace->trigger();
    QCOMPARE(window.session().sortColumn(), int(kColTR));
    QCOMPARE(grid->horizontalHeader()->sortIndicatorSection(), int(kColTR));
    for (int row = 1; row < grid->model()->rowCount(); ++row) QVERIFY(trOfRow(row - 1) >= trOfRow(row));

    window.gridHeadingClicked(kColPast1);
    QCOMPARE(window.session().sortColumn(), int(kColTR));

    window.gridHeadingClicked(kColTR);
    QCOMPARE(window.session().sortColumn(), int(kColRunner));
    QCOMPARE(grid->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        QCOMPARE(grid->model()->index(row, kColRunner).data().toInt(), row + 1);
    }
}

void MainWindowTest::aRaceThatCannotBeComputedLeavesTheWindowUsable() {
    MainWindowFixture fixture;
    fixture.writeDay(1);
    MainWindow& window = fixture.open();
    QCOMPARE(window.session().currentRace(), 0);
    window.actions().nextRace->trigger();
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY(fixture.errors.first().contains(QStringLiteral("5x0")));
    QCOMPARE(window.session().currentRace(), 1);
    QCOMPARE(window.grid()->model()->rowCount(), 0);
    QVERIFY(!window.session().result());
    window.actions().nextRace->trigger();
    QCOMPARE(window.session().currentRace(), 2);
    QCOMPARE(window.grid()->model()->rowCount(), window.session().store().runnerCount(2));
    QCOMPARE(fixture.errors.size(), 1);
}

void MainWindowTest::betIconFillsTheWindowOnlyWhenItOpens() {
    MainWindowFixture fixture;
    MainWindow& empty = fixture.open();
    emit empty.headerPanel()->betIconClicked();
    QVERIFY(!fixture.bets().isVisible());

    fixture.writeDay();
    MainWindow& window = fixture.open();
    emit window.headerPanel()->betIconClicked();
    QVERIFY(fixture.bets().isVisible());
    QCOMPARE(fixture.bets().statusText(), QString::fromStdString(toUtf8(window.session().result()->titleLine2)));
    QVERIFY(!fixture.bets().text().isEmpty());
    fixture.bets().setContent(QStringLiteral("marker"), QStringLiteral("marker"));
    emit window.headerPanel()->betIconClicked();
    QCOMPARE(fixture.bets().text(), QStringLiteral("marker"));
    // While it is open the window follows the race on screen.
    window.actions().nextRace->trigger();
    QCOMPARE(fixture.bets().statusText(), QString::fromStdString(toUtf8(window.session().result()->titleLine2)));
}

void MainWindowTest::horseLinkSelectsTheRunner() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    int race = 0;
    while (window.session().store().runnerCount(race) < 12) ++race;
    window.showRace(race);
    window.openRunnerDetail(12, true);
    QCOMPARE(window.grid()->currentIndex().data(ui::RunnerNumberRole).toInt(), 12);
    const QStringList entries = fixture.detail().runnerEntries();
    QCOMPARE(entries.size(), window.session().store().runnerCount(race));
    QVERIFY(entries[0].startsWith(QStringLiteral(" 1 ")));
    QVERIFY(entries[11].startsWith(QStringLiteral("12 ")));
    QCOMPARE(fixture.detail().selectedRunnerIndex(), 11);
    QVERIFY(fixture.detail().isVisible());
}

void MainWindowTest::theGridHasTheKeysFromTheStartAndOnceADayIsLoaded() {
    {
        MainWindowFixture fixture;
        fixture.writeDay();
        MainWindow& window = fixture.open();
        activate(window);
        QVERIFY(window.grid()->hasFocus());
    }
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    activate(window);
    auto* demo = window.findChild<QPushButton*>(QStringLiteral("demoButton"));
    demo->setFocus();
    QTest::keyClick(demo, Qt::Key_Space);
    QVERIFY(window.session().hasData());
    QVERIFY(window.grid()->hasFocus());
}

void MainWindowTest::enterOrF2OnARowOpensItsDetailAndClosingItGivesTheGridTheKeys() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    ui::RaceGridView* grid = window.grid();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        const int row = key == Qt::Key_Return ? 2 : 4;
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, kColName));
        const int runner = grid->currentIndex().data(ui::RunnerNumberRole).toInt();
        QTest::keyClick(grid, key);
        QVERIFY(fixture.detail().isVisible());
        QCOMPARE(fixture.detail().selectedRunnerIndex(), runner - 1);
        fixture.detail().hide();
        QTRY_VERIFY(grid->hasFocus());
    }
}

void MainWindowTest::aSortKeepsTheCurrentRunnerAndStartsAtTheTop() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    window.showRace(raceWithRunners(window, 16));
    ui::RaceGridView* grid = window.grid();
    const QModelIndex last = grid->model()->index(grid->model()->rowCount() - 1, kColJockey);
    grid->setCurrentIndex(last);
    grid->scrollTo(last);
    QVERIFY(grid->verticalScrollBar()->value() > 0);
    const int runner = last.data(ui::RunnerNumberRole).toInt();

    window.gridHeadingClicked(kColIndex);
    QCOMPARE(grid->currentIndex().data(ui::RunnerNumberRole).toInt(), runner);
    QCOMPARE(grid->currentIndex().column(), int(kColJockey));
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
    QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{grid->currentIndex()});
}

void MainWindowTest::aHeadingClickNeverSelectsAColumn() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    ui::RaceGridView* grid = window.grid();
    const int runner = grid->currentIndex().data(ui::RunnerNumberRole).toInt();
    QHeaderView* heading = grid->horizontalHeader();
    for (const int column : {int(kColPast1), int(kColTR)}) {
        const QPoint centre(heading->sectionViewportPosition(column) + heading->sectionSize(column) / 2,
                            heading->height() / 2);
        QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 1);
    }
    QCOMPARE(window.session().sortColumn(), int(kColTR));
    QCOMPARE(grid->currentIndex().data(ui::RunnerNumberRole).toInt(), runner);
}

void MainWindowTest::betLineShortcutsActInTheWindowThatHasTheFocus() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    window.showRace(10);
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    ui::BetLinesWindow& bets = fixture.bets();
    QVERIFY(bets.isVisible());
    const QString title = QString::fromStdString(toUtf8(window.session().result()->titleLine2));
    QCOMPARE(bets.statusText(), title);

    QStringList proposals;
    bets.setSaveFileChooser([&](QWidget*, const QString& name) {
        proposals << name;
        return QString();
    });
    activate(bets);
    // A menu opened and closed leaves the race title where it was.
    bets.menuBar()->actions().first()->menu()->popup(bets.mapToGlobal(QPoint(0, 0)));
    bets.menuBar()->actions().first()->menu()->hide();
    QCOMPARE(bets.statusText(), title);
    const int raceBefore = window.session().currentRace();
    QTest::keyClick(bets.textView(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(proposals,
             QStringList{QString::fromStdString(toUtf8(ui::proposedBetTextFileName(fromUtf8(title.toStdString()))))});
    QVERIFY(proposals.first().endsWith(QStringLiteral("R.txt")));
    bets.textView()->selectAll();
    QTest::keyClick(bets.textView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), bets.text());
    QTest::keyClick(bets.textView(), Qt::Key_F4, Qt::ControlModifier);
    QVERIFY(!bets.isVisible());
    QVERIFY(window.isVisible());  // Ctrl+F4 closed the bet-line window, not the program
    QCOMPARE(window.session().currentRace(), raceBefore);
    QCOMPARE(fixture.beeps, 0);
}

void MainWindowTest::statusBarSaysWhichRaceOfTheDayIsShown() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    auto* place = window.findChild<QLabel*>(QStringLiteral("statusText"));
    QVERIFY(place);
    const RaceDataStore& store = window.session().store();
    QCOMPARE(place->text(),
             QString::fromStdString(toUtf8(store.headers[0].raceDateText + "  " + racePlaceText(store, 0))));
    QVERIFY(place->text().endsWith(QStringLiteral(" (1/%1)").arg(store.raceCount)));
    window.actions().nextRace->trigger();
    QVERIFY(place->text().endsWith(QStringLiteral(" (2/%1)").arg(store.raceCount)));
}

namespace {

// Every bet summary label shows its whole line and, measured in its own font, stays inside its room.
void verifyShownWhole(const app::HeaderPanel& header, const BetLabels& labels) {
    const std::pair<const char*, const std::string*> lines[] = {{"winPlaceLine", &labels.winPlace},
                                                                {"pairsLine", &labels.pairs},
                                                                {"trifectaFirstLine", &labels.trifectaFirst},
                                                                {"trifectaSecondLine", &labels.trifectaSecond},
                                                                {"trifectaThirdLine", &labels.trifectaThird}};
    for (const auto& [name, text] : lines) {
        const QLabel* label = header.label(name);
        QCOMPARE(label->text(), QString::fromStdString(toUtf8(*text)));
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= header.betLabelRoom(label),
                 qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name), label->text())));
    }
}

}  // namespace

void MainWindowTest::everyBetLabelOfTheDayShowsInFullInItsBox_data() {
    QTest::addColumn<uint>("seed");
    QTest::newRow("the demo day the start script writes") << 1u;
    QTest::newRow("the demo day of these tests") << 7u;
}

void MainWindowTest::everyBetLabelOfTheDayShowsInFullInItsBox() {
    QFETCH(uint, seed);
    MainWindowFixture fixture;
    writeDemoDay(fixture.dataFolder(), seed);
    MainWindow& window = fixture.open();
    window.show();
    for (int race = 0; race < window.session().store().raceCount; ++race) {
        window.showRace(race);
        verifyShownWhole(*window.headerPanel(), window.session().result()->labels);
    }
}

void MainWindowTest::theLongestBetLabelsStillFitWithTheWholeTextInTheTooltip() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.show();
    // The six widest numbers up to 18 in the label font; the widest go to the last marks, which
    // the 馬連 line repeats most.
    const QFontMetrics metrics(ui::labelFont());
    std::vector<int> numbers(18);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) {
        return metrics.horizontalAdvance(QString::number(a)) > metrics.horizontalAdvance(QString::number(b));
    });
    std::array<int, kMarks> marks{};
    for (int m = 0; m < kMarks; ++m) marks[size_t(m)] = numbers[size_t(kMarks - 1 - m)];
    RaceResult result;
    result.labels = betLabels(marks, true);
    app::HeaderPanel& header = *window.headerPanel();
    header.showResult(&result);
    verifyShownWhole(header, result.labels);
    QVERIFY(header.label("pairsLine")->toolTip().endsWith(QString::fromStdString(toUtf8(result.labels.pairs))));
}

void MainWindowTest::dropsAreTakenAsCopiesNeverAsMoves() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/nowhere/hb100502.txt"))});
    const QPoint inside(10, 100);
    QDragEnterEvent copyOrMove(inside, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    copyOrMove.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&window, &copyOrMove);
    QVERIFY(copyOrMove.isAccepted());
    QCOMPARE(copyOrMove.dropAction(), Qt::CopyAction);

    QDragEnterEvent moveOnly(inside, Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &moveOnly);
    QVERIFY(!moveOnly.isAccepted());

    QDropEvent drop(QPointF(inside), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&window, &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
}

void MainWindowTest::helpWithoutTheHelpFileShowsTheShippedPage() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.actions().help->trigger();
    QVERIFY(window.helpWindow());
    QVERIFY(window.helpWindow()->isVisible());
    const QString page = window.helpWindow()->pageText();
    for (const char* topic : {"TR（タイム指数）", "PR（先行指数）", "総合指数", "推定ペース", "印と買い目"}) {
        QVERIFY2(page.contains(QString::fromUtf8(topic)), topic);
    }
    QVERIFY(!page.contains(QStringLiteral("SUPPORT_PAGE_ADDRESS")));
}

void MainWindowTest::startUpWithABadArchiveArgumentStillLoadsTheDataFolder() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open(QStringLiteral("/nonexistent/day.lzh"));
    QCOMPARE(fixture.notices.size(), 1);
    QCOMPARE(
        fixture.notices.first(),
        QStringLiteral("指定した書庫ファイルにデータは含まれておりません。\r\n\r\n正しいBVOデータをご利用ください。"));
    QCOMPARE(window.session().currentRace(), 0);
}

void MainWindowTest::startUpWithoutTheHorseFileLoadsNothing() {
    MainWindowFixture fixture;
    fixture.writeDay();
    std::filesystem::remove(fixture.dataFolder() / "bvo_uma.bv2");
    MainWindow& window = fixture.open();
    QCOMPARE(window.session().currentRace(), -1);
    QCOMPARE(window.session().store().raceCount, 0);
    QVERIFY(window.grid()->isHidden());
    QVERIFY(fixture.notices.isEmpty());
    QVERIFY(fixture.errors.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
