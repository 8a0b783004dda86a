#include <QComboBox>
#include <QDate>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <chrono>
#include <fstream>
#include <sstream>
#include <utility>

#include "data/sjis.h"
#include "demo/demo_day.h"
#include "main_window_fixture.h"
#include "predict/bet_lines.h"
#include "predict/horse_detail.h"
#include "session/data_set_fingerprint.h"
#include "support/archive_fixture.h"
#include "ui/cp932_text.h"
#include "ui/progress_window.h"
#include "ui/race_grid_view.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::MainWindowFixture;

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int countLines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

// Calls shown each time a progress window shows.
class ProgressShowWatch : public QObject {
public:
    explicit ProgressShowWatch(std::function<void()> shown) : shown_(std::move(shown)) {
        qApp->installEventFilter(this);
    }
    ~ProgressShowWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<ui::ProgressWindow*>(object)) shown_();
        return false;
    }

private:
    std::function<void()> shown_;
};

QString pdfText(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

QString pdfInfo(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {pdf});
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

}  // namespace

class ExportWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void detailWindowFollowsTheRaceOnScreen();
    void detailWindowShowsTheChosenRunner();
    void betWindowIsRefreshedOnlyWhileVisible();
    void betWindowSavesItsTextWithNothingAfterTheLastLine();
    void exportsWithoutDataGiveAMessageAndNoDialog();
    void cancelledSaveDialogRunsNothing();
    void indexRunRestoresTheRaceAndTheWindows();
    void abortDuringTheRunKeepsTheRacesDone();
    void aFailingRaceStillRestoresEveryWindow();
    void aDayTakenInDuringARunLeavesTheRunOnItsDay();
    void closingDuringARunStopsItAndThenCloses();
    void progressWindowShowsOnlyForARunThatLasts_data();
    void progressWindowShowsOnlyForARunThatLasts();
    void raceFileIntoAMissingFolderShowsTheError();
    void printedRaceShowsTheBetLinesAndTheWholeGrid_data();
    void printedRaceShowsTheBetLinesAndTheWholeGrid();
};

void ExportWindowsTest::initTestCase() { QStandardPaths::setTestModeEnabled(true); }

void ExportWindowsTest::detailWindowFollowsTheRaceOnScreen() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.openRunnerDetail(3, true);
    QCOMPARE(fixture.detail().selectedRunnerIndex(), 2);
    window.showRace(1);
    QCOMPARE(fixture.detail().selectedRunnerIndex(), 0);
    QCOMPARE(fixture.detail().runnerEntries().size(), int(window.session().result()->pastColumns.size()));
    const QString firstName = QString::fromStdString(toUtf8(window.session().result()->pastColumns[0].name));
    QVERIFY(fixture.detail().runnerEntries().first().endsWith(firstName));
    QVERIFY(fixture.detail().runnerEntries().first().startsWith(QStringLiteral(" 1 ")));
}

void ExportWindowsTest::detailWindowShowsTheChosenRunner() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.openRunnerDetail(2, true);
    const HorseDetail expected = buildHorseDetail(window.session().store(), window.session().currentRace(), 1);
    for (DetailField field : {DetailField::SexAgeCoat, DetailField::Sire, DetailField::TotalPrize,
                              DetailField::CareerRecord, DetailField::RunningStyle}) {
        QCOMPARE(fixture.detail().labelText(field), QString::fromStdString(toUtf8(expected.text(field))));
    }
    QTableWidget* grid = fixture.detail().pastRaceGrid();
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("開催日"));
    QCOMPARE(grid->item(5, 0)->text(), QStringLiteral("1走前"));
    for (int row = 1; row < kDetailGridRows; ++row) {
        QCOMPARE(grid->item(row, 16)->text(), QString::fromStdString(toUtf8(expected.grid[size_t(row)][16])));
    }
    QCOMPARE(fixture.errors, QStringList());
}

void ExportWindowsTest::betWindowIsRefreshedOnlyWhileVisible() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    const QString status0 = QString::fromStdString(toUtf8(window.session().result()->titleLine2));
    window.showRace(1);
    QVERIFY(fixture.bets().statusText().isEmpty());  // hidden: not filled
    window.showRace(0);
    fixture.bets().show();
    fixture.bets().setContent(status0, QStringLiteral("stale"));
    window.showRace(2);
    QCOMPARE(fixture.bets().statusText(), QString::fromStdString(toUtf8(window.session().result()->titleLine2)));
    QVERIFY(fixture.bets().text() != QStringLiteral("stale"));
    fixture.bets().hide();
    window.showRace(3);
    QVERIFY(fixture.bets().statusText() != QString::fromStdString(toUtf8(window.session().result()->titleLine2)));
}

void ExportWindowsTest::betWindowSavesItsTextWithNothingAfterTheLastLine() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    fixture.bets().show();
    for (int race : {0, 10}) {
        window.showRace(race);
        const std::filesystem::path saved = fixture.dataFolder() / "bets.txt";
        fixture.bets().writeText(saved);
        const std::string text = readFile(saved);
        QVERIFY(window.session().result()->hasBetLines());
        QCOMPARE(text, betWindowFileText(betWindowText(*window.session().result())));
        QVERIFY(!text.ends_with("\r\n"));
    }
}

void ExportWindowsTest::exportsWithoutDataGiveAMessageAndNoDialog() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    fixture.saveAnswer = QString::fromStdString((fixture.dataFolder() / "out.idx").string());
    fixture.runExport(window.actions().indexFile);
    window.actions().betLineFile->trigger();
    QCOMPARE(fixture.notices.size(), 2);
    QVERIFY(fixture.saveProposals.isEmpty());
    QVERIFY(!std::filesystem::exists(fixture.dataFolder() / "out.idx"));
}

void ExportWindowsTest::cancelledSaveDialogRunsNothing() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.show();
    fixture.runExport(window.actions().indexFile);
    QCOMPARE(fixture.saveProposals.size(), 1);
    QVERIFY(fixture.saveProposals.first().startsWith(QStringLiteral("zv")));
    QVERIFY(fixture.saveProposals.first().endsWith(QStringLiteral(".idx")));
    QVERIFY(window.progressWindow() == nullptr);
    QVERIFY(window.isVisible());
}

void ExportWindowsTest::indexRunRestoresTheRaceAndTheWindows() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.show();
    window.showRace(2);
    window.openRunnerDetail(4, true);
    fixture.bets().show();
    const auto file = fixture.dataFolder() / "all.idx";
    fixture.saveAnswer = QString::fromStdString(file.string());
    bool windowsHiddenDuringRun = false;
    const ProgressShowWatch watch([&] {
        windowsHiddenDuringRun = !window.isVisible() && !fixture.detail().isVisible() && !fixture.bets().isVisible();
    });
    fixture.runExport(window.actions().indexFile);
    QVERIFY(windowsHiddenDuringRun);
    QVERIFY(window.progressWindow() == nullptr);
    QVERIFY(window.isVisible());
    QCOMPARE(window.session().currentRace(), 2);
    QVERIFY(fixture.detail().isVisible());
    QCOMPARE(fixture.detail().selectedRunnerIndex(), 3);
    QVERIFY(fixture.bets().isVisible());
    QCOMPARE(fixture.bets().statusText(), QString::fromStdString(toUtf8(window.session().result()->titleLine2)));
    int runners = 0;
    for (int r = 0; r < window.session().store().raceCount; ++r) runners += window.session().store().runnerCount(r);
    QCOMPARE(countLines(readFile(file)), 1 + runners);
    QCOMPARE(fixture.errors, QStringList());
}

void ExportWindowsTest::abortDuringTheRunKeepsTheRacesDone() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.show();
    window.showRace(5);
    const auto file = fixture.dataFolder() / "part.idx";
    fixture.saveAnswer = QString::fromStdString(file.string());
    int lastPercent = -1;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (ui::ProgressWindow* progress = window.progressWindow()) lastPercent = progress->percent();
    });
    probe.start(0);
    // After the first race the user presses Abort; the run waits for the click to be taken.
    bool pressed = false;
    fixture.allRacesProgress = [&](int) {
        if (std::exchange(pressed, true)) return;
        QMetaObject::invokeMethod(window.progressWindow()->abortButton(), &QPushButton::click,
                                  Qt::BlockingQueuedConnection);
    };
    fixture.runExport(window.actions().indexFile);
    probe.stop();
    QVERIFY(lastPercent > 0);
    QVERIFY(lastPercent < 100);
    QCOMPARE(window.session().currentRace(), 5);
    QVERIFY(window.isVisible());
    QVERIFY(window.progressWindow() == nullptr);
    // The file holds the heading and whole races from the first on, not all of them.
    const int written = countLines(readFile(file));
    int allRunners = 0;
    int racesWhole = 0;
    for (int r = 0, lines = 1; r < window.session().store().raceCount; ++r) {
        lines += window.session().store().runnerCount(r);
        allRunners += window.session().store().runnerCount(r);
        if (lines == written) racesWhole = r + 1;
    }
    QVERIFY(racesWhole >= 1);
    QVERIFY(written < 1 + allRunners);
}

void ExportWindowsTest::aFailingRaceStillRestoresEveryWindow() {
    MainWindowFixture fixture;
    fixture.writeDay(4);
    MainWindow& window = fixture.open();
    window.show();
    window.showRace(1);
    window.openRunnerDetail(2, true);
    fixture.bets().show();
    const auto file = fixture.dataFolder() / "broken.idx";
    fixture.saveAnswer = QString::fromStdString(file.string());
    fixture.runExport(window.actions().indexFile);
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY(window.progressWindow() == nullptr);
    QVERIFY(window.isVisible());
    QVERIFY(fixture.detail().isVisible());
    QVERIFY(fixture.bets().isVisible());
    QCOMPARE(window.session().currentRace(), 1);
    QCOMPARE(fixture.detail().selectedRunnerIndex(), 1);
    QVERIFY(!std::filesystem::exists(file));
}

void ExportWindowsTest::aDayTakenInDuringARunLeavesTheRunOnItsDay() {
    MainWindowFixture fixture;
    fixture.writeDay();
    const std::filesystem::path source = fixture.dataFolder().parent_path() / "source";
    std::filesystem::create_directories(source);
    writeDemoDay(source, 42);
    const std::filesystem::path archive = fixture.dataFolder().parent_path() / "hb261212.lzh";
    fixture::packWithJlha(source, archive, "-a1q", {kHeaderFile, kRunnerFile, kHorseFile});
    MainWindow& window = fixture.open();
    window.show();
    window.showRace(3);
    int runnersBefore = 0;
    for (int r = 0; r < window.session().store().raceCount; ++r)
        runnersBefore += window.session().store().runnerCount(r);
    const std::string dayBefore = dataSetFingerprint(window.session().store());
    const auto file = fixture.dataFolder() / "all.idx";
    fixture.saveAnswer = QString::fromStdString(file.string());
    // After the first race another day is taken in, as a second start hands over an archive.
    bool taken = false;
    fixture.allRacesProgress = [&](int) {
        if (std::exchange(taken, true)) return;
        QMetaObject::invokeMethod(
            &window, [&] { window.openArchive(ui::fromPath(archive)); }, Qt::BlockingQueuedConnection);
    };
    fixture.runExport(window.actions().indexFile);
    QVERIFY(taken);
    QCOMPARE(fixture.errors, QStringList());
    QVERIFY(dataSetFingerprint(window.session().store()) != dayBefore);
    QCOMPARE(window.session().currentRace(), 0);
    QVERIFY(window.isVisible());
    // The file holds the whole day the run started on.
    QCOMPARE(countLines(readFile(file)), 1 + runnersBefore);
}

void ExportWindowsTest::closingDuringARunStopsItAndThenCloses() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.show();
    fixture.saveAnswer = QString::fromStdString((fixture.dataFolder() / "part.idx").string());
    bool closed = false;
    fixture.allRacesProgress = [&](int) {
        if (std::exchange(closed, true)) return;
        QMetaObject::invokeMethod(
            &window, [&] { window.close(); }, Qt::BlockingQueuedConnection);
    };
    fixture.runExport(window.actions().indexFile);
    QVERIFY(closed);
    QVERIFY(!window.isVisible());
    QVERIFY(window.progressWindow() == nullptr);
    int allRunners = 0;
    for (int r = 0; r < window.session().store().raceCount; ++r) allRunners += window.session().store().runnerCount(r);
    QVERIFY(countLines(readFile(fixture.dataFolder() / "part.idx")) < 1 + allRunners);
}

namespace {

// Counts the Show events of progress windows and the Hide events of one window.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* watchedForHide) : watched_(watchedForHide) { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<ui::ProgressWindow*>(object)) ++progressShown;
        if (event->type() == QEvent::Hide && object == watched_) ++windowHidden;
        return false;
    }
    int progressShown = 0;
    int windowHidden = 0;

private:
    QObject* watched_;
};

}  // namespace

void ExportWindowsTest::progressWindowShowsOnlyForARunThatLasts_data() {
    QTest::addColumn<int>("msPerRace");
    QTest::addColumn<bool>("shown");
    // The demo day has 36 races.
    QTest::newRow("a run of 0.36 s shows nothing and hides nothing") << 10 << false;
    QTest::newRow("a run of 0.72 s hides the windows behind the progress window") << 20 << true;
}

void ExportWindowsTest::progressWindowShowsOnlyForARunThatLasts() {
    QFETCH(int, msPerRace);
    QFETCH(bool, shown);
    MainWindowFixture fixture;
    fixture.racePace = std::chrono::milliseconds(msPerRace);
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.show();
    fixture.saveAnswer = QString::fromStdString((fixture.dataFolder() / "all.idx").string());
    ShowCounter counter(&window);
    fixture.runExport(window.actions().indexFile);
    QCOMPARE(counter.progressShown, shown ? 1 : 0);
    QCOMPARE(counter.windowHidden, shown ? 1 : 0);
    QVERIFY(window.isVisible());
    QVERIFY(window.progressWindow() == nullptr);
    QVERIFY(std::filesystem::exists(fixture.dataFolder() / "all.idx"));
}

void ExportWindowsTest::raceFileIntoAMissingFolderShowsTheError() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    fixture.saveAnswer = QString::fromStdString((fixture.dataFolder() / "no such folder" / "kaime.kmi").string());
    window.actions().betLineFile->trigger();
    QCOMPARE(fixture.saveProposals, QStringList{QStringLiteral("kaime.kmi")});
    QCOMPARE(fixture.errors.size(), 1);
    QVERIFY(!std::filesystem::exists(fixture.dataFolder() / "no such folder"));
    fixture.saveAnswer = QString::fromStdString((fixture.dataFolder() / "kaime.kmi").string());
    window.actions().betLineFile->trigger();
    QVERIFY(std::filesystem::exists(fixture.dataFolder() / "kaime.kmi"));
}

void ExportWindowsTest::printedRaceShowsTheBetLinesAndTheWholeGrid_data() {
    QTest::addColumn<int>("raceNumber");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("pageSize");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("trifecta");
    const QString portrait = QStringLiteral("595 x 842"), landscape = QStringLiteral("842 x 595");
    QTest::newRow("race 11 in portrait fits one page") << 11 << false << portrait << 1 << true;
    QTest::newRow("race 11 in landscape goes on to a second page") << 11 << true << landscape << 2 << true;
    QTest::newRow("race 8 prints no trifecta lines") << 8 << false << portrait << 1 << false;
}

void ExportWindowsTest::printedRaceShowsTheBetLinesAndTheWholeGrid() {
    QFETCH(int, raceNumber);
    QFETCH(bool, landscape);
    QFETCH(QString, pageSize);
    QFETCH(int, pages);
    QFETCH(bool, trifecta);
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    int race = -1;
    for (int r = 0; r < window.session().store().raceCount && race < 0; ++r) {
        window.showRace(r);
        if (std::stoi(window.session().result()->raceNumberText) == raceNumber &&
            window.session().result()->hasBetLines())
            race = r;
    }
    QVERIFY(race >= 0);
    QCOMPARE(hasTrifectaLines(window.session().result()->raceNumberText), trifecta);
    // The printer dialog is answered with a PDF file in the chosen orientation.
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("race.pdf"));
    fixture.printerAnswer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        return true;
    };
    window.actions().print->trigger();
    QCOMPARE(fixture.errors, QStringList());
    QVERIFY(pdfInfo(pdf).contains(QStringLiteral("Pages:           %1").arg(pages)));
    QVERIFY(pdfInfo(pdf).contains(QStringLiteral("Page size:       ") + pageSize));

    const QString text = pdfText(pdf);
    const QStringList betHeadings = {QStringLiteral("[単勝・複勝]"), QStringLiteral("[馬連・馬単・3連複]"),
                                     QStringLiteral("[3連単フォーメーション] 1着:"), QStringLiteral("2着:"),
                                     QStringLiteral("3着:")};
    for (int i = 0; i < betHeadings.size(); ++i) QCOMPARE(text.contains(betHeadings[i]), i < 2 || trifecta);
    QVERIFY(text.contains(QString::fromStdString(toUtf8(window.session().result()->titleLine1)).simplified().left(4)));
    for (const PastColumn& runner : window.session().result()->pastColumns) {
        const QString name = QString::fromStdString(toUtf8(runner.name));
        QVERIFY2(text.contains(name), qPrintable(name));
    }
    // The heading row stands at the top of the grid on every page.
    QCOMPARE(text.count(QStringLiteral("騎手")), pages);
    QCOMPARE(text.count(QLatin1Char('\f')), pages);
    // Every page's footer: its number, the page count and the print date.
    for (int page = 1; page <= pages; ++page)
        QVERIFY(text.contains(QStringLiteral("%1 / %2 ページ").arg(page).arg(pages)));
    QCOMPARE(text.count(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))), pages);
}

QTEST_MAIN(ExportWindowsTest)
#include "export_windows_test.moc"
