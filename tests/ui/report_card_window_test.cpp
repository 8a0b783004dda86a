// The report card window on a short demo season: the days are read off the GUI thread, the tables
// and the chart are filled, the note says what the rates are taken over, the CSV is saved, and an
// abort ends the run with the days read so far.
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "demo/demo_season.h"
#include "ui/report_card_window.h"

using zv::ui::ReportCardWindow;

class ReportCardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readsTheDaysAndFillsTablesAndChart();
    void savesTheCsvWithAByteOrderMark();
    void abortEndsTheRunWithTheDaysReadSoFar();

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
}

void ReportCardWindowTest::abortEndsTheRunWithTheDaysReadSoFar() {
    ReportCardWindow window(dir_.path());
    window.addInputs({season_});
    QSignalSpy finished(&window, &ReportCardWindow::finished);
    window.start();
    window.requestAbort();
    QVERIFY(finished.wait(60000));
    QVERIFY(window.card().days.size() <= 4);
    if (window.card().days.size() < 4) QVERIFY(window.card().aborted);
}

QTEST_MAIN(ReportCardWindowTest)
#include "report_card_window_test.moc"
