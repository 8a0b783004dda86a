// The menus and keys of the main window and its companions: every short-cut shows beside its item,
// the shipped help lists every key and explains the report card, the tool-bar buttons are enabled
// only where they can act, the race menu knows Home and End, and Esc closes the horse detail and
// bet-line windows.
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyleOptionMenuItem>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "app/help_window.h"
#include "main_window_fixture.h"
#include "ui/grid_roles.h"
#include "ui/race_grid_view.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::activate;
using zv::app::testing::MainWindowFixture;

class MenusAndKeysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // Some desktops hide the keys of menus that do not drop from a menu bar.
        QCoreApplication::setAttribute(Qt::AA_DontShowShortcutsInContextMenus, true);
    }
    void everyShortcutShowsBesideItsItem_data();
    void everyShortcutShowsBesideItsItem();
    void theHelpListsEveryKeyAndExplainsTheReportCard();
    void toolBarButtonsAreEnabledOnlyWhereTheyCanAct();
    void homeAndEndGoToTheFirstAndTheLastRace();
    void escClosesTheDetailAndTheBetLineWindows();
    void theDetailWindowsRunnerListMovesTheGridSelection();
};

namespace {

// The text a menu draws for an item: its caption, and after a tab the short-cut it shows.
class MenuText : public QMenu {
public:
    static QString of(const QMenu* menu, QAction* action) {
        QStyleOptionMenuItem option;
        (menu->*&MenuText::initStyleOption)(&option, action);
        return option.text;
    }
};

// Every item of menu and of its submenus, with the menu that shows it.
void collectItems(QMenu* menu, QList<std::pair<QMenu*, QAction*>>& items) {
    for (QAction* action : menu->actions()) {
        if (action->menu())
            collectItems(action->menu(), items);
        else if (!action->isSeparator())
            items.append({menu, action});
    }
}

// The main tool bar's button with this hint.
QAction* toolButton(MainWindow& window, const QString& hint) {
    const QToolBar* bar = window.findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly).first();
    for (QToolButton* button : bar->findChildren<QToolButton*>()) {
        if (button->defaultAction() && button->defaultAction()->text() == hint) return button->defaultAction();
    }
    return nullptr;
}

}  // namespace

void MenusAndKeysTest::everyShortcutShowsBesideItsItem_data() {
    QTest::addColumn<bool>("developer");
    QTest::newRow("a user") << false;
    QTest::newRow("developer mode") << true;
}

void MenusAndKeysTest::everyShortcutShowsBesideItsItem() {
    QFETCH(bool, developer);
    MainWindowFixture fixture;
    fixture.writeDay();
    if (developer) fixture.writeIni("[Option]\nDeveloperMode=1\n");
    MainWindow& window = fixture.open();
    QList<std::pair<QMenu*, QAction*>> items;
    for (QAction* menu : window.menuBar()->actions()) collectItems(menu->menu(), items);
    collectItems(window.rowMenu(), items);
    collectItems(fixture.bets().menuBar()->actions().first()->menu(), items);
    collectItems(fixture.bets().menuBar()->actions().last()->menu(), items);
    int shortcuts = 0;
    for (const auto& [menu, action] : items) {
        if (!action->isVisible() || action->shortcut().isEmpty()) continue;
        ++shortcuts;
        const QString shown = MenuText::of(menu, action);
        QVERIFY2(shown.endsWith(QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText)),
                 qPrintable(shown));
    }
    QCOMPARE(shortcuts, developer ? 24 : 21);
    // The tools menu's own keys, which once stood hidden.
    const app::MainWindowActions& a = window.actions();
    for (QAction* item : {a.print, a.betLines, a.betLineFile, a.indexFile}) {
        QVERIFY(std::any_of(items.begin(), items.end(), [&](const auto& shown) { return shown.second == item; }));
    }
    // Ctrl+C is the developer's copy in developer mode, else the runners' copy of the row menu.
    QCOMPARE(a.copyRunners->shortcut().isEmpty(), developer);
    QVERIFY(MenuText::of(window.rowMenu(), a.runnerDetail).endsWith(QStringLiteral("\tEnter")));
    // 印刷 stands in the file menu as well as in the tools menu.
    QVERIFY(window.menuBar()->actions().first()->menu()->actions().contains(a.print));
}

void MenusAndKeysTest::theHelpListsEveryKeyAndExplainsTheReportCard() {
    MainWindowFixture fixture;
    fixture.writeIni("[Option]\nDeveloperMode=1\n");
    MainWindow& window = fixture.open();
    app::HelpWindow help;
    help.showContents();
    const QString page = help.pageText();
    QStringList keys{QStringLiteral("Enter"),
                     QStringLiteral("F2"),
                     QStringLiteral("Esc"),
                     QStringLiteral("Home"),
                     QStringLiteral("End"),
                     QStringLiteral("右クリック"),
                     QStringLiteral("列見出しのクリック")};
    QList<QAction*> actions = window.QWidget::actions();
    actions << fixture.bets().actions();
    for (QAction* action : actions) {
        for (const QKeySequence& key : action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
    }
    for (const QString& key : keys) QVERIFY2(page.contains(key), qPrintable(key));
    // Each own mark's key beside its mark, as the row menu gives them, and the keys that clear one.
    auto* ownMarks = window.rowMenu()->findChild<QMenu*>(QStringLiteral("ownMarkMenu"));
    QVERIFY(ownMarks);
    for (QAction* item : ownMarks->actions()) {
        if (item->isSeparator()) continue;
        const QStringList markAndKey = item->text().split(QLatin1Char('\t'));
        const QString listed = markAndKey[0] == QStringLiteral("外す")
                                   ? QStringLiteral("0 / Delete")
                                   : markAndKey[1] + QLatin1Char(' ') + markAndKey[0];
        QVERIFY2(page.contains(listed), qPrintable(listed));
    }
    // The report card's page: the base of each rate, and why the last days know few results.
    for (const char* text : {"成績集計", "単勝母数", "連対母数", "複勝母数", "後の開催日", "最後の数日"})
        QVERIFY2(page.contains(QString::fromUtf8(text)), text);
}

void MenusAndKeysTest::toolBarButtonsAreEnabledOnlyWhereTheyCanAct() {
    MainWindowFixture fixture;
    MainWindow& empty = fixture.open();
    const QStringList raceHints{QStringLiteral("予想レースの選択"), QStringLiteral("前のレース"),
                                QStringLiteral("次のレース"), QStringLiteral("印刷")};
    for (const QString& hint : raceHints) QVERIFY2(!toolButton(empty, hint)->isEnabled(), qPrintable(hint));
    for (const char* hint : {"BVOデータをダウンロードして読み込む", "既存のBVOデータを読み込む", "ヘルプを表示"})
        QVERIFY2(toolButton(empty, QString::fromUtf8(hint))->isEnabled(), hint);
    // The menu items and keys stay, and beep.
    empty.actions().nextRace->trigger();
    QCOMPARE(fixture.beeps, 1);

    fixture.writeDay();
    MainWindow& window = fixture.open();
    const auto enabled = [&] {
        QList<bool> states;
        for (const QString& hint : raceHints) states << toolButton(window, hint)->isEnabled();
        return states;
    };
    QCOMPARE(enabled(), (QList<bool>{true, false, true, true}));
    toolButton(window, QStringLiteral("次のレース"))->trigger();
    QCOMPARE(window.session().currentRace(), 1);
    QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
    window.showRace(window.session().store().raceCount - 1);
    QCOMPARE(enabled(), (QList<bool>{true, true, false, true}));
    window.actions().nextRace->trigger();
    QCOMPARE(fixture.beeps, 2);
}

void MenusAndKeysTest::homeAndEndGoToTheFirstAndTheLastRace() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    window.showRace(5);
    app::RaceMenu* menu = window.raceSelectMenu();
    QVERIFY(menu->popUpAt(window.mapToGlobal(QPoint(20, 20)), 5));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), menu->actions()[5]);
    QTest::keyClick(menu, Qt::Key_End);
    QCOMPARE(menu->activeAction(), menu->actions().last());
    QTest::keyClick(menu, Qt::Key_Home);
    QCOMPARE(menu->activeAction(), menu->actions().first());
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_COMPARE(window.session().currentRace(), 0);
}

void MenusAndKeysTest::escClosesTheDetailAndTheBetLineWindows() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    activate(window);
    window.openRunnerDetail(2, true);
    activate(fixture.detail());
    QTest::keyClick(&fixture.detail(), Qt::Key_Escape);
    QVERIFY(!fixture.detail().isVisible());
    window.actions().betLines->trigger();
    activate(fixture.bets());
    QTest::keyClick(fixture.bets().textView(), Qt::Key_Escape);
    QVERIFY(!fixture.bets().isVisible());
    QVERIFY(window.isVisible());
}

void MenusAndKeysTest::theDetailWindowsRunnerListMovesTheGridSelection() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.gridHeadingClicked(kColIndex);  // rows no longer in runner order
    window.openRunnerDetail(3, true);
    ui::RaceGridView* grid = window.grid();
    QCOMPARE(grid->currentIndex().data(ui::RunnerNumberRole).toInt(), 3);
    fixture.detail().findChild<QComboBox*>()->setCurrentIndex(6);
    QCOMPARE(grid->currentIndex().data(ui::RunnerNumberRole).toInt(), 7);
    QCOMPARE(grid->currentIndex().row(), grid->rowOfRunner(7));
    QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{grid->currentIndex()});
}

QTEST_MAIN(MenusAndKeysTest)
#include "menus_and_keys_test.moc"
