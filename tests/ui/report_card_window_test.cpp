// The report card window on a short demo season: the days are read off the GUI thread, the tables
// and the chart are filled, the note says what the rates are taken over, the CSV is saved (and the
// status bar says where), the dialogs share the one remembered folder, and an abort ends the run
// with the days read so far.
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "demo/demo_season.h"
#include "library/library_report.h"
#include "support/kept_season.h"
#include "ui/report_card_window.h"
#include "ui/save_folder.h"

using zv::ui::ReportCardWindow;

class ReportCardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readsTheDaysAndFillsTablesAndChart();
    void savesTheCsvWithAByteOrderMark();
    void theDialogsStartInTheOneRememberedFolder();
    void abortEndsTheRunWithTheDaysReadSoFar();
    void countsTheLibraryNarrowedByTheFilterAndTheInputsWhenTheyAreChosen();

private:
    QTemporaryDir dir_;
    QString season_;
};

void ReportCardWindowTest::initTestCase() {
    QVERIFY(dir_.isValid());
    season_ = dir_.filePath(QStringLiteral("season"));
    zv::demo::writeSeason(season_.toStdString(), 4, 3);
}

void ReportCardWindowTest::readsTheDaysAndFillsTablesAndChart() {
    ReportCardWindow window(dir_.path());
    window.addInputs({season_, season_});
    QCOMPARE(window.inputs().size(), 1);
    QSignalSpy finished(&window, &ReportCardWindow::finished);
    window.start();
    QVERIFY(window.running());
    QVERIFY(finished.wait(60000));
    QVERIFY(!window.running());
    QCOMPARE(window.card().days.size(), size_t(4));
    auto* marks = window.findChild<QTableWidget*>(QStringLiteral("markTable"));
    QCOMPARE(marks->rowCount(), 7);
    QCOMPARE(marks->item(0, 0)->text(), QStringLiteral("◎"));
    QCOMPARE(window.findChild<QTableWidget*>(QStringLiteral("betLineTable"))->rowCount(), 6);
    auto* chart = window.findChild<QChartView*>(QStringLiteral("rateChart"));
    QVERIFY(chart && chart->chart()->series().size() >= 1);
    auto* note = window.findChild<QLabel*>(QStringLiteral("noteLabel"));
    QVERIFY(note->text().contains(QStringLiteral("最後の数日")));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("summaryLabel"))->text().contains(QStringLiteral("4日")));
    QCOMPARE(window.countRecord().inputs, QStringList{season_});
    QVERIFY(window.countRecord().milliseconds >= 0);
}

void ReportCardWindowTest::savesTheCsvWithAByteOrderMark() {
    ReportCardWindow window(dir_.path());
    const QString csv = dir_.filePath(QStringLiteral("card.csv"));
    window.setChoosers({}, {}, [&](QWidget*, const QString&) { return csv; });
    window.addInputs({season_});
    QSignalSpy finished(&window, &ReportCardWindow::finished);
    window.start();
    QVERIFY(finished.wait(60000));
    window.findChild<QPushButton*>(QStringLiteral("saveCsvButton"))->click();
    std::ifstream in(csv.toStdString(), std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    QVERIFY(content.rfind("\xEF\xBB\xBF", 0) == 0);
    QVERIFY(content.find("印,◎,") != std::string::npos);
    const QString said = window.findChild<QStatusBar*>(QStringLiteral("statusBar"))->currentMessage();
    QVERIFY2(said.contains(QStringLiteral("保存しました")) && said.contains(QStringLiteral("card.csv")),
             qPrintable(said));
    QCOMPARE(zv::ui::lastSaveFolder(), dir_.path());
}

void ReportCardWindowTest::theDialogsStartInTheOneRememberedFolder() {
    ReportCardWindow window(QStringLiteral("/download/folder"));
    QStringList startedIn;
    const auto folderChooser = [&](QWidget*, const QString& start) {
        startedIn << start;
        return QStringLiteral("/days/2026/day1");
    };
    const auto archiveChooser = [&](QWidget*, const QString& start) {
        startedIn << start;
        return QStringList{QStringLiteral("/archives/hb261210.lzh")};
    };
    window.setChoosers(folderChooser, archiveChooser, {});
    zv::ui::setLastSaveFolder(QString());
    const auto click = [&](const QString& caption) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == caption) button->click();
        }
    };
    click(QStringLiteral("フォルダを追加..."));
    click(QStringLiteral("書庫ファイルを追加..."));
    zv::ui::setLastSaveFolder(QStringLiteral("/exports"));
    click(QStringLiteral("フォルダを追加..."));
    QCOMPARE(startedIn, (QStringList{QStringLiteral("/download/folder"), QStringLiteral("/days/2026"),
                                     QStringLiteral("/exports")}));
    QCOMPARE(zv::ui::lastSaveFolder(), QStringLiteral("/days/2026"));
    QCOMPARE(window.inputs(),
             (QStringList{QStringLiteral("/days/2026/day1"), QStringLiteral("/archives/hb261210.lzh")}));
}

void ReportCardWindowTest::abortEndsTheRunWithTheDaysReadSoFar() {
    // The worker waits after its first day until the abort button has been pressed; it is let go
    // whatever happens, before the window waits for it.
    QSemaphore firstDayRead, abortPressed;
    ReportCardWindow window(dir_.path());
    auto letGo = qScopeGuard([&] { abortPressed.release(); });
    window.addInputs({season_});
    window.setProgressOnWorker([&](int done, int) {
        if (done != 1) return;
        firstDayRead.release();
        abortPressed.acquire();
    });
    QSignalSpy finished(&window, &ReportCardWindow::finished);
    window.start();
    QVERIFY(firstDayRead.tryAcquire(1, 60000));
    auto* abort = window.findChild<QPushButton*>(QStringLiteral("abortButton"));
    QVERIFY(abort->isEnabled());
    abort->click();
    abortPressed.release();
    letGo.dismiss();
    QVERIFY(finished.wait(60000));
    QCOMPARE(window.card().days.size(), size_t(1));
    QVERIFY(window.card().aborted);
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("summaryLabel"))->text().contains(QStringLiteral("中止")));
    // A count cut short is no record of the inputs.
    QVERIFY(window.countRecord().inputs.isEmpty());
}

void ReportCardWindowTest::countsTheLibraryNarrowedByTheFilterAndTheInputsWhenTheyAreChosen() {
    QTemporaryDir data;
    zv::fixture::keepDemoSeason(data.path().toStdString(), 4);
    ReportCardWindow window(dir_.path());
    window.setLibraryFolder(data.path().toStdString());
    QCOMPARE(window.source(), ReportCardWindow::Source::Library);  // the library when it holds days
    auto* racecourses = window.findChild<QComboBox*>(QStringLiteral("racecourseBox"));
    QVERIFY(racecourses->count() > 2);
    racecourses->setCurrentIndex(1);
    window.findChild<QComboBox*>(QStringLiteral("surfaceBox"))->setCurrentText(QStringLiteral("芝"));
    zv::library::ReportFilter expected;
    expected.racecourse = racecourses->currentText().toStdString();
    expected.surface = "芝";
    QCOMPARE(window.filter().racecourse, expected.racecourse);
    QCOMPARE(window.filter().surface, expected.surface);

    QSignalSpy finished(&window, &ReportCardWindow::finished);
    window.start();
    QVERIFY(finished.wait(60000));
    const zv::library::Library library(data.path().toStdString(), zv::library::OpenMode::Existing);
    const zv::report::ReportCard narrowed = zv::library::libraryReport(library, expected);
    QVERIFY(narrowed.coverage.races > 0);
    QVERIFY(narrowed.coverage.races < zv::library::libraryReport(library).coverage.races);
    QCOMPARE(window.card().coverage.races, narrowed.coverage.races);
    QCOMPARE(window.card().coverage.runnersWithResult, narrowed.coverage.runnersWithResult);
    QCOMPARE(window.card().byMark.front().win.count, narrowed.byMark.front().win.count);
    QCOMPARE(window.countRecord().milliseconds, qint64(-1));  // a library count is not done again at start

    // Inputs added are what the next count reads.
    window.addInputs({season_});
    QCOMPARE(window.source(), ReportCardWindow::Source::Inputs);
    window.start();
    QVERIFY(finished.wait(60000));
    QCOMPARE(window.card().days.size(), size_t(4));
}

QTEST_MAIN(ReportCardWindowTest)
#include "report_card_window_test.moc"
