// After each export, save and intake the status bar says for a few seconds what was written where,
// or which day with how many races was taken in.
#include <QStatusBar>
#include <QtTest>
#include <fstream>

#include "data/store.h"
#include "demo/demo_day.h"
#include "main_window_fixture.h"
#include "support/archive_fixture.h"
#include "ui/cp932_text.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::MainWindowFixture;

class DoneMessagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void everyExportSaysWhatItWroteWhere();
    void theBetLineWindowSaysWhereItSaved();
    void anIntakeSaysTheDayAndItsRaces();
};

namespace {

QString said(QMainWindow& window) { return window.statusBar()->currentMessage(); }

}  // namespace

void DoneMessagesTest::everyExportSaysWhatItWroteWhere() {
    MainWindowFixture fixture;
    fixture.writeDay();
    fixture.writeIni("[Option]\nDeveloperMode=1\n");
    std::ofstream(fixture.dataFolder() / "zv.csv", std::ios::binary).flush();
    MainWindow& window = fixture.open();
    const QString folder = ui::fromPath(fixture.dataFolder());
    const struct {
        QAction* action;
        const char* file;
        const char* done;
    } exports[] = {
        {window.actions().betLineFile, "race.kmi", "買い目ファイルを保存しました"},
        {window.actions().allBetLineFiles, "all.kmi", "全レースの買い目ファイルを保存しました"},
        {window.actions().indexFile, "day.idx", "外部指数ファイルを保存しました"},
        {window.actions().prAverageCsv, "zv.csv", "PR平均をCSVに"},
    };
    for (const auto& e : exports) {
        window.statusBar()->clearMessage();
        fixture.saveAnswer = folder + QLatin1Char('/') + QString::fromLatin1(e.file);
        fixture.runExport(e.action);
        QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join(QLatin1Char('\n'))));
        QVERIFY2(said(window).startsWith(QString::fromUtf8(e.done)), qPrintable(said(window)));
        QVERIFY2(said(window).endsWith(QStringLiteral(": ") + fixture.saveAnswer), qPrintable(said(window)));
    }
    // A cancelled dialog writes nothing and says nothing.
    window.statusBar()->clearMessage();
    fixture.saveAnswer.clear();
    fixture.runExport(window.actions().indexFile);
    QCOMPARE(said(window), QString());
}

void DoneMessagesTest::theBetLineWindowSaysWhereItSaved() {
    MainWindowFixture fixture;
    fixture.writeDay();
    MainWindow& window = fixture.open();
    window.actions().betLines->trigger();
    const QString file = ui::fromPath(fixture.dataFolder() / "bets.txt");
    fixture.bets().setSaveFileChooser([&](QWidget*, const QString&) { return file; });
    fixture.bets().saveAsText();
    QCOMPARE(said(fixture.bets()), QStringLiteral("買い目を保存しました: ") + file);
}

void DoneMessagesTest::anIntakeSaysTheDayAndItsRaces() {
    MainWindowFixture fixture;
    const std::filesystem::path source = fixture.dataFolder().parent_path() / "source";
    std::filesystem::create_directories(source);
    writeDemoDay(source, 7);
    const std::filesystem::path archive = fixture.dataFolder().parent_path() / "hb261210.lzh";
    fixture::packWithJlha(source, archive, "-a1q", {kHeaderFile, kRunnerFile, kHorseFile});
    MainWindow& window = fixture.open();
    window.openArchive(ui::fromPath(archive));
    QVERIFY(window.session().hasData());
    const RaceDataStore& store = window.session().store();
    QCOMPARE(said(window), QStringLiteral("%1 の %2レースを読み込みました")
                               .arg(ui::fromCp932(store.headers.front().raceDateText))
                               .arg(store.raceCount));
    // The demo day says the same.
    MainWindowFixture empty;
    MainWindow& start = empty.open();
    start.actions().demo->trigger();
    QVERIFY(said(start).endsWith(QStringLiteral("レースを読み込みました")));
}

QTEST_MAIN(DoneMessagesTest)
#include "done_messages_test.moc"
