// Own marks in the main window: the keys and the row menu set them on the current runner, the
// 自印 column shows them at once, the library holds them, and ◎ on another runner moves it. The
// bet-line window makes its lines from them when asked, and follows each change. A note written
// in the horse detail is stored on leaving the field, signed in the grid and read back later.
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include "app/header_panel.h"
#include "library/horse_notes.h"
#include "library/library.h"
#include "library/own_marks.h"
#include "main_window_fixture.h"
#include "ui/bet_lines_window.h"
#include "ui/grid_roles.h"
#include "ui/horse_detail_window.h"
#include "ui/race_grid_view.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::activate;
using zv::app::testing::MainWindowFixture;

class OwnMarksWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void keysSetStoreAndMoveMarks();
    void theRowMenuSetsTheMarkOfTheRowClicked();
    void theBetLineWindowMakesItsLinesFromOwnMarksWhenAsked();
    void aNoteIsStoredOnLeavingTheFieldSignedInTheGridAndReadBack();
};

namespace {

// The stored own marks of race r of the fixture's day, by horse number.
std::map<int, int> storedMarks(MainWindowFixture& fixture, MainWindow& window, int race) {
    const library::Library kept(fixture.dataFolder(), library::OpenMode::Existing);
    std::map<int, int> marks;
    for (const library::OwnMark& mark :
         library::OwnMarks(kept).ofRace(library::raceKeyOf(window.session().store(), race)))
        marks[mark.horseNumber] = mark.mark;
    return marks;
}

// The 自印 cell's text on the runner's row, as the grid shows it.
QString ownMarkShown(ui::RaceGridView& grid, int runner) {
    return grid.model()->index(grid.rowOfRunner(runner), kColOwnMark).data().toString().trimmed();
}

void selectRunner(ui::RaceGridView& grid, int runner) {
    grid.setCurrentIndex(grid.model()->index(grid.rowOfRunner(runner), kColName));
}

}  // namespace

void OwnMarksWindowTest::keysSetStoreAndMoveMarks() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    window.showRace(1);
    window.gridHeadingClicked(kColIndex);  // rows no longer in runner order
    ui::RaceGridView& grid = *window.grid();
    QCOMPARE(grid.model()->headerData(kColOwnMark, Qt::Horizontal).toString(), QStringLiteral("自印"));

    struct Step {
        int runner;
        Qt::Key key;
        std::map<int, int> stored;
    };
    const Step steps[] = {
        {4, Qt::Key_1, {{4, 0}}},
        {2, Qt::Key_7, {{2, 6}, {4, 0}}},
        {5, Qt::Key_7, {{2, 6}, {4, 0}, {5, 6}}},  // 消 on any number of runners
        {3, Qt::Key_1, {{2, 6}, {3, 0}, {5, 6}}},  // ◎ moves from runner 4
        {4, Qt::Key_6, {{2, 6}, {3, 0}, {4, 5}, {5, 6}}},
        {2, Qt::Key_0, {{3, 0}, {4, 5}, {5, 6}}},
        {4, Qt::Key_Delete, {{3, 0}, {5, 6}}},
    };
    for (const Step& step : steps) {
        selectRunner(grid, step.runner);
        const QModelIndex current = grid.currentIndex();
        QTest::keyClick(&grid, step.key);
        QCOMPARE(storedMarks(fixture, window, 1), step.stored);
        QCOMPARE(grid.currentIndex(), current);  // the selection stays on the runner
    }
    QCOMPARE(ownMarkShown(grid, 3), QStringLiteral("◎"));
    QCOMPARE(ownMarkShown(grid, 5), QStringLiteral("消"));
    QCOMPARE(ownMarkShown(grid, 4), QString());
    QCOMPARE(ownMarkShown(grid, 2), QString());
    QCOMPARE(fixture.errors, QStringList());

    // Back on the race after another, and in a new window over the same folder: still there.
    window.showRace(2);
    QCOMPARE(ownMarkShown(grid, 3), QString());
    window.showRace(1);
    QCOMPARE(ownMarkShown(*window.grid(), 3), QStringLiteral("◎"));
    MainWindow& reopened = fixture.open();
    reopened.showRace(1);
    QCOMPARE(ownMarkShown(*reopened.grid(), 5), QStringLiteral("消"));
}

void OwnMarksWindowTest::theRowMenuSetsTheMarkOfTheRowClicked() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    ui::RaceGridView& grid = *window.grid();
    auto* marks = window.rowMenu()->findChild<QMenu*>(QStringLiteral("ownMarkMenu"));
    QVERIFY(marks);
    QStringList items;
    for (QAction* item : marks->actions()) {
        if (!item->isSeparator()) items << item->text();
    }
    QCOMPARE(items, QString::fromUtf8("◎\t1|○\t2|▲\t3|△\t4|×\t5|☆\t6|消\t7|外す\t0").split(QLatin1Char('|')));

    selectRunner(grid, 6);
    marks->findChild<QAction*>(QStringLiteral("ownMark3"))->trigger();  // ▲
    QCOMPARE(storedMarks(fixture, window, 0), (std::map<int, int>{{6, 2}}));
    QCOMPARE(ownMarkShown(grid, 6), QStringLiteral("▲"));
    marks->findChild<QAction*>(QStringLiteral("ownMark0"))->trigger();  // 外す
    QCOMPARE(storedMarks(fixture, window, 0), (std::map<int, int>{}));
}

void OwnMarksWindowTest::theBetLineWindowMakesItsLinesFromOwnMarksWhenAsked() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    ui::RaceGridView& grid = *window.grid();
    emit window.headerPanel()->betIconClicked();
    ui::BetLinesWindow& bets = fixture.bets();
    QVERIFY(bets.isVisible());
    const QString programLines = bets.text();
    QVERIFY(programLines.startsWith(QStringLiteral("[単勝] 計3点")));

    bets.findChild<QToolButton*>(QStringLiteral("ownMarksButton"))->click();
    QCOMPARE(bets.marks(), ui::BetMarks::Own);
    QCOMPARE(bets.text(), QStringLiteral("このレースには自印がありません"));
    // Each key press shows at once in the open window; 消 runners stand in no line.
    const std::pair<int, Qt::Key> presses[] = {{2, Qt::Key_7}, {4, Qt::Key_1}, {1, Qt::Key_7}, {3, Qt::Key_2}};
    for (auto [runner, key] : presses) {
        selectRunner(grid, runner);
        QTest::keyClick(&grid, key);
    }
    QCOMPARE(bets.text(), QStringLiteral("[単勝] 計2点\n 4   3\n\n[複勝] 計2点\n 4   3\n\n[馬連] 計1点\n 3- 4\n\n"
                                         "[馬単] 計1点\n 4- 3\n"));
    selectRunner(grid, 3);
    QTest::keyClick(&grid, Qt::Key_0);
    QCOMPARE(bets.text(), QStringLiteral("[単勝] 計1点\n 4\n\n[複勝] 計1点\n 4\n"));

    bets.findChild<QToolButton*>(QStringLiteral("programMarksButton"))->click();
    QCOMPARE(bets.text(), programLines);
}

void OwnMarksWindowTest::aNoteIsStoredOnLeavingTheFieldSignedInTheGridAndReadBack() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    const QString note = QStringLiteral("先行して粘る\n重馬場は苦手");
    const std::string name = library::horseNameOf(window.session().store(), 0, 2);
    const auto nameCell = [](MainWindow& shown, int runner) {
        ui::RaceGridView& grid = *shown.grid();
        return grid.model()->index(grid.rowOfRunner(runner), kColName).data().toString();
    };
    const auto stored = [&] {
        const library::Library kept(fixture.dataFolder(), library::OpenMode::Existing);
        return library::HorseNotes(kept).get(name);
    };
    QVERIFY(!nameCell(window, 2).contains(QStringLiteral("※")));

    window.openRunnerDetail(2, true);
    QPlainTextEdit* editor = fixture.detail().noteEditor();
    QCOMPARE(editor->toPlainText(), QString());
    editor->insertPlainText(note);
    QVERIFY(!stored());
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(editor, &leave);
    QCOMPARE(stored(), std::optional<std::string>(note.toStdString()));
    QVERIFY(nameCell(window, 2).contains(QStringLiteral("※")));
    QVERIFY(!nameCell(window, 1).contains(QStringLiteral("※")));
    // The runner's own mark shows in the detail, and follows a key press on the grid.
    selectRunner(*window.grid(), 2);
    QTest::keyClick(window.grid(), Qt::Key_1);
    QCOMPARE(fixture.detail().ownMarkShown(), QStringLiteral("自印 ◎"));

    MainWindow& reopened = fixture.open();
    QVERIFY(nameCell(reopened, 2).contains(QStringLiteral("※")));
    reopened.openRunnerDetail(2, true);
    editor = fixture.detail().noteEditor();
    QCOMPARE(editor->toPlainText(), note);
    QCOMPARE(fixture.detail().ownMarkShown(), QStringLiteral("自印 ◎"));
    // Emptied, the note is removed when the window closes, and the sign goes.
    editor->selectAll();
    editor->textCursor().removeSelectedText();
    fixture.detail().hide();
    QCOMPARE(stored(), std::nullopt);
    QVERIFY(!nameCell(reopened, 2).contains(QStringLiteral("※")));
    QCOMPARE(fixture.errors, QStringList());
}

QTEST_MAIN(OwnMarksWindowTest)
#include "own_marks_window_test.moc"
