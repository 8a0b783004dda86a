// The windows over the library of kept days: the day switcher shows a kept day in place of the
// data folder's, the title and status bar say so, the exports act on it, and one step returns.
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "library/library.h"

#include "data/record_codec.h"
#include "export/index_file.h"
#include "main_window_fixture.h"
#include "support/files.h"
#include "support/kept_season.h"
#include "ui/day_switcher_window.h"
#include "ui/grid_roles.h"
#include "ui/horse_search_window.h"
#include "ui/race_grid_view.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::MainWindowFixture;

class LibraryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aDayChosenByItsDateIsShownAndOneStepReturns();
    void theSwitcherSaysWhyItListsNoDay();
    void aHorseFoundOpensItsRaceWithItsRowSelectedAndItsDetailListsTheLibrary();
    void anUnusableLibraryIsNamedAtStartAndMadeAgainWhenTheUserSaysSo();
};

namespace {

QString placeText(MainWindow& window) { return window.findChild<QLabel*>(QStringLiteral("statusText"))->text(); }

}  // namespace

void LibraryWindowsTest::aDayChosenByItsDateIsShownAndOneStepReturns() {
    MainWindowFixture fixture;
    fixture.writeDay();
    const std::vector<int> dates = fixture::keepDemoSeason(fixture.dataFolder(), 3);
    MainWindow& window = fixture.open();
    const RaceDataStore current = window.session().store();
    QVERIFY(!window.windowTitle().contains(QStringLiteral("保存した開催日")));

    window.actions().chooseDay->trigger();
    ui::DaySwitcherWindow* switcher = window.libraryWindows().daySwitcher();
    QVERIFY(switcher && switcher->isVisible());
    QCOMPARE(switcher->listedDates(), (std::vector<int>{dates[2], dates[1], dates[0]}));  // newest first
    QCOMPARE(switcher->dayList()->topLevelItem(0)->text(0), QStringLiteral("2026/05/16(土)"));
    switcher->findBox()->setText(QStringLiteral("５/１０"));  // as typed with the input method on
    QCOMPARE(switcher->listedDates(), std::vector<int>{20260510});
    QTest::keyClick(switcher->findBox(), Qt::Key_Return);

    QVERIFY(!switcher->isVisible());
    QCOMPARE(window.session().keptDayShown(), std::optional<int>(20260510));
    QCOMPARE(window.session().currentRace(), 0);
    QCOMPARE(window.session().store(), fixture::demoSeasonDays(2)[1]);
    QCOMPARE(window.windowTitle(), QStringLiteral("Zelvora! - 保存した開催日 2026/05/10(日)"));
    QVERIFY2(placeText(window).startsWith(QStringLiteral("保存した開催日 2026/05/10(日)  ")),
             qPrintable(placeText(window)));

    // The exports act on the day on screen: its name proposed, its races written.
    const std::filesystem::path written = fixture.dataFolder().parent_path() / "kept.idx";
    const std::filesystem::path expected = fixture.dataFolder().parent_path() / "expected.idx";
    fixture.saveAnswer = QString::fromStdString(written.string());
    fixture.runExport(window.actions().indexFile);
    QTRY_VERIFY(std::filesystem::exists(written));
    QCOMPARE(fixture.saveProposals.last(), QStringLiteral("zv260510.idx"));
    writeIndexFile(expected, window.session().store(), {});
    QVERIFY(fixture::readFile(written) == fixture::readFile(expected));

    // The current data set is one step away, and on it the step only beeps.
    window.actions().returnToCurrentDay->trigger();
    QCOMPARE(window.session().keptDayShown(), std::nullopt);
    QCOMPARE(window.session().store(), current);
    QVERIFY(!window.windowTitle().contains(QStringLiteral("保存した開催日")));
    QVERIFY(!placeText(window).startsWith(QStringLiteral("保存した開催日")));
    window.actions().returnToCurrentDay->trigger();
    QCOMPARE(fixture.beeps, 1);
    QVERIFY(fixture.errors.isEmpty());
}

void LibraryWindowsTest::theSwitcherSaysWhyItListsNoDay() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.actions().chooseDay->trigger();
    ui::DaySwitcherWindow* switcher = window.libraryWindows().daySwitcher();
    QVERIFY(switcher->listedDates().empty());
    QVERIFY(switcher->findChild<QLabel*>(QStringLiteral("dayNote"))->text().contains(QStringLiteral("まだありません")));

    // A file of another program in the database's place is named, and the program carries on.
    std::ofstream(library::Library::databaseFile(fixture.dataFolder())) << "another program's notes";
    window.actions().chooseDay->trigger();
    QVERIFY(switcher->listedDates().empty());
    QVERIFY(switcher->findChild<QLabel*>(QStringLiteral("dayNote"))->text().contains(QStringLiteral("ライブラリ")));
}

void LibraryWindowsTest::aHorseFoundOpensItsRaceWithItsRowSelectedAndItsDetailListsTheLibrary() {
    MainWindowFixture fixture;
    fixture.writeDay();
    const std::vector<int> dates = fixture::keepDemoSeason(fixture.dataFolder(), 3);
    // A horse of the third kept day: its name, its race and its number there.
    const RaceDataStore third = fixture::demoSeasonDays(3)[2];
    const int race = 5, runner = 3;
    const std::string name =
        decodeHorseRecord(Cp932View(third.horseLines[size_t(third.firstRunner(race) + runner - 1)])).horseName.text;
    MainWindow& window = fixture.open();

    QCOMPARE(window.actions().findHorse->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    window.actions().findHorse->trigger();
    ui::HorseSearchWindow* search = window.libraryWindows().horseSearch();
    QVERIFY(search && search->isVisible());
    search->nameBox()->setText(QString::fromStdString(name).left(3));
    QTest::keyClick(search->nameBox(), Qt::Key_Return);
    QTreeWidget* results = search->resultList();
    QTreeWidgetItem* horse = nullptr;
    for (int i = 0; i < results->topLevelItemCount(); ++i) {
        if (results->topLevelItem(i)->text(0) == QString::fromStdString(name)) horse = results->topLevelItem(i);
    }
    QVERIFY2(horse, qPrintable(search->summary()));
    QTreeWidgetItem* entry = nullptr;
    for (int i = 0; i < horse->childCount(); ++i) {
        if (horse->child(i)->text(1) == QStringLiteral("2026/05/16")) entry = horse->child(i);
    }
    QVERIFY(entry);
    QCOMPARE(entry->text(3), QString::number(runner));

    results->setCurrentItem(entry);
    QTest::keyClick(results, Qt::Key_Return);
    QCOMPARE(window.session().keptDayShown(), std::optional<int>(dates[2]));
    QCOMPARE(window.session().currentRace(), race);
    QCOMPARE(window.grid()->currentIndex().data(ui::RunnerNumberRole).toInt(), runner);

    // The detail lists every past race the library saw of the horse, newest first, each once.
    window.openRunnerDetail(runner, true);
    QTableWidget* past = fixture.detail().libraryRaces();
    QVERIFY(past->rowCount() > 0);
    for (int row = 1; row < past->rowCount(); ++row) {
        const QString newer = past->item(row - 1, 0)->text() + past->item(row - 1, 1)->text();
        const QString older = past->item(row, 0)->text() + past->item(row, 1)->text();
        QVERIFY2(past->item(row - 1, 0)->text() >= past->item(row, 0)->text() && newer != older, qPrintable(older));
    }
    QVERIFY(fixture.errors.isEmpty());
}

void LibraryWindowsTest::anUnusableLibraryIsNamedAtStartAndMadeAgainWhenTheUserSaysSo() {
    MainWindowFixture fixture;
    fixture.writeDay();
    fixture::keepDemoSeason(fixture.dataFolder(), 2);
    const std::filesystem::path database = library::Library::databaseFile(fixture.dataFolder());
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(database.string() + suffix);
    std::ofstream(database) << "another program's notes";

    // Declined: the day of the data folder is on screen and the file is left alone.
    MainWindow& declined = fixture.open();
    QCOMPARE(fixture.questions.size(), 1);
    QVERIFY2(fixture.questions[0].contains(QStringLiteral("ライブラリ")), qPrintable(fixture.questions[0]));
    QVERIFY(fixture.questions[0].contains(QStringLiteral("作り直しますか")));
    QVERIFY(declined.session().hasData());
    QVERIFY_THROWS_EXCEPTION(library::UnusableLibrary,
                             library::Library(fixture.dataFolder(), library::OpenMode::Existing));

    // Accepted: made again from the kept records.
    fixture.answerYes = true;
    MainWindow& accepted = fixture.open();
    QCOMPARE(fixture.questions.size(), 2);
    QVERIFY(accepted.session().hasData());
    QCOMPARE(library::Library(fixture.dataFolder(), library::OpenMode::Existing).days().size(), size_t(2));
    // Nothing could be read from the file it replaced, so the user hears that no marks came over.
    QCOMPARE(fixture.notices.size(), 1);
    QVERIFY2(fixture.notices[0].contains(QStringLiteral("自印とメモ")), qPrintable(fixture.notices[0]));
    QVERIFY(fixture.errors.isEmpty());

    // A whole library asks nothing.
    fixture.open();
    QCOMPARE(fixture.questions.size(), 2);
}

QTEST_MAIN(LibraryWindowsTest)
#include "library_windows_test.moc"
