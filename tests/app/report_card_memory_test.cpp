// The report card window remembers: closing keeps its inputs and results, a restart brings back its
// place, size and inputs, and counts them again on opening when the last count over them was quick.
#include <QSignalSpy>
#include <QtTest>

#include "app/report_card_command.h"
#include "demo/demo_season.h"
#include "main_window_fixture.h"
#include "ui/cp932_text.h"
#include "ui/report_card_window.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::MainWindowFixture;
using zv::ui::ReportCardWindow;
namespace key = zv::settings::key;

class ReportCardMemoryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void closingKeepsTheInputsAndTheResults();
    void aRestartBringsBackThePlaceAndTheInputs_data();
    void aRestartBringsBackThePlaceAndTheInputs();
    void aPlaceOffTheScreenIsFittedIntoIt();

private:
    QTemporaryDir dir_;
    QString season_;
};

namespace {

ReportCardWindow* openReportCard(MainWindow& window) {
    window.reportCard()->open();
    return window.reportCard()->window();
}

void count(ReportCardWindow* card) {
    QSignalSpy finished(card, &ReportCardWindow::finished);
    if (!card->running()) card->start();
    QVERIFY(finished.wait(60000));
}

}  // namespace

void ReportCardMemoryTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    season_ = dir_.filePath(QStringLiteral("season"));
    demo::writeSeason(ui::toPath(season_), 4, 3);
}

void ReportCardMemoryTest::closingKeepsTheInputsAndTheResults() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    ReportCardWindow* card = openReportCard(window);
    card->addInputs({season_});
    count(card);
    card->close();
    QVERIFY(!card->isVisible());
    QCOMPARE(openReportCard(window), card);
    QVERIFY(card->isVisible());
    QCOMPARE(card->inputs(), QStringList{season_});
    QCOMPARE(card->card().days.size(), size_t(4));
}

void ReportCardMemoryTest::aRestartBringsBackThePlaceAndTheInputs_data() {
    QTest::addColumn<int>("countMilliseconds");  // as the last run stored it; -1 keeps the measured one
    QTest::addColumn<bool>("listChanged");       // an input added after the count
    QTest::addColumn<bool>("countsAgain");
    QTest::newRow("a quick count is done again") << 10 << false << true;
    QTest::newRow("a count at the limit is done again") << int(app::kQuickCountMilliseconds) << false << true;
    QTest::newRow("a slow count is not") << int(app::kQuickCountMilliseconds) + 1 << false << false;
    QTest::newRow("nor a list changed since its count") << 10 << true << false;
}

void ReportCardMemoryTest::aRestartBringsBackThePlaceAndTheInputs() {
    QFETCH(int, countMilliseconds);
    QFETCH(bool, listChanged);
    QFETCH(bool, countsAgain);
    MainWindowFixture fixture;
    QStringList inputs{season_};
    {
        MainWindow& window = fixture.open();
        ReportCardWindow* card = openReportCard(window);
        card->addInputs(inputs);
        count(card);
        if (listChanged) {
            inputs << dir_.filePath(QStringLiteral("later"));
            card->addInputs(inputs);
        }
        card->move(100, 120);
        card->resize(800, 600);
        fixture.closeWindow();
    }
    fixture.writeSetting(key::ReportCardCountMilliseconds, QString::number(countMilliseconds));
    MainWindow& window = fixture.open();
    QVERIFY(!window.reportCard()->window());  // made at the first opening only
    ReportCardWindow* card = openReportCard(window);
    QCOMPARE(card->inputs(), inputs);
    QCOMPARE(card->pos(), QPoint(100, 120));
    QCOMPARE(card->size(), QSize(800, 600));
    QCOMPARE(card->running(), countsAgain);
    if (countsAgain) {
        count(card);
        QCOMPARE(card->card().days.size(), size_t(4));
    } else {
        QVERIFY(card->card().days.empty());
    }
}

void ReportCardMemoryTest::aPlaceOffTheScreenIsFittedIntoIt() {
    MainWindowFixture fixture;
    fixture.screen = QRect(0, 0, 1366, 728);
    fixture.writeSetting(key::ReportCardLeft, QStringLiteral("3000"));
    fixture.writeSetting(key::ReportCardTop, QStringLiteral("-40"));
    fixture.writeSetting(key::ReportCardWidth, QStringLiteral("2000"));
    fixture.writeSetting(key::ReportCardHeight, QStringLiteral("900"));
    MainWindow& window = fixture.open();
    ReportCardWindow* card = openReportCard(window);
    // Shown, with its frame.
    QCOMPARE(card->frameGeometry(), QRect(0, 0, 1366, 728));
}

QTEST_MAIN(ReportCardMemoryTest)
#include "report_card_memory_test.moc"
