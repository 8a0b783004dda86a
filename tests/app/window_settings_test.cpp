#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include "app/window_placement.h"
#include "main_window_fixture.h"
#include "ui/race_grid_view.h"
#include "ui/save_folder.h"

using namespace zv;
using zv::app::MainWindow;
using zv::app::testing::MainWindowFixture;
namespace key = zv::settings::key;

class WindowSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void defaultsWithoutStoredSettings();
    void garbageGivesTheDefaults_data();
    void garbageGivesTheDefaults();
    void storedSizeAndPosition_data();
    void storedSizeAndPosition();
    void widthIsFixed();
    void rollUpKeepsTheUnrolledHeightAcrossARestart();
    void closeWritesEverySettingOfTheWindows();
    void everySaveDialogStartsWhereTheUserSavedLastAcrossARestart();
    void everyRestoredWindowFitsTheScreen_data();
    void everyRestoredWindowFitsTheScreen();
    void fittingMovesTheLeastAndShrinksOnlyWhatIsTooLarge_data();
    void fittingMovesTheLeastAndShrinksOnlyWhatIsTooLarge();
    void aRestartShowsTheRaceOfTheLastCloseOverTheSameDataSet_data();
    void aRestartShowsTheRaceOfTheLastCloseOverTheSameDataSet();
    void forgettingLoginsAsksFirst_data();
    void forgettingLoginsAsksFirst();
};

namespace {

QSize screenSize() { return app::testing::kFixtureScreen.size(); }

}  // namespace

void WindowSettingsTest::defaultsWithoutStoredSettings() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    QCOMPARE(window.height(), 700);
    QCOMPARE(window.restoreHeight(), 700);
    QCOMPARE(window.width(), 750);
    QCOMPARE(window.y(), screenSize().height() / 2 - 700 / 2);
    QCOMPARE(window.x(), screenSize().width() / 2 - 750 / 2);
    QCOMPARE(window.proxy().port, 0);
    QCOMPARE(window.proxy().server, std::string());
}

void WindowSettingsTest::garbageGivesTheDefaults_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("letters") << "tall";
    QTest::newRow("empty") << "";
    QTest::newRow("number with trailing text") << "800px";
    QTest::newRow("beyond 32 bits") << "99999999999";
}

void WindowSettingsTest::garbageGivesTheDefaults() {
    QFETCH(QString, stored);
    MainWindowFixture fixture;
    for (const settings::IntKey* k :
         {&key::MainHeight, &key::MainRestoreHeight, &key::MainTop, &key::MainLeft, &key::ProxyPort}) {
        fixture.writeSetting(*k, stored);
    }
    MainWindow& window = fixture.open();
    QCOMPARE(window.height(), 700);
    QCOMPARE(window.y(), screenSize().height() / 2 - 700 / 2);
    QCOMPARE(window.x(), screenSize().width() / 2 - 750 / 2);
    QCOMPARE(window.proxy().port, 0);
}

void WindowSettingsTest::storedSizeAndPosition_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("height2");
    QTest::addColumn<int>("expected");
    QTest::newRow("closed while rolled up: Height 30, Height2 820") << 30 << 820 << 820;
    QTest::newRow("99 is still rolled up") << 99 << 650 << 650;
    QTest::newRow("100 is a real height") << 100 << 650 << 100;
    QTest::newRow("an ordinary height") << 640 << 640 << 640;
}

void WindowSettingsTest::storedSizeAndPosition() {
    QFETCH(int, height);
    QFETCH(int, height2);
    QFETCH(int, expected);
    MainWindowFixture fixture;
    fixture.writeSetting(key::MainHeight, QString::number(height));
    fixture.writeSetting(key::MainRestoreHeight, QString::number(height2));
    fixture.writeSetting(key::MainTop, QStringLiteral("40"));
    fixture.writeSetting(key::MainLeft, QStringLiteral("-5"));
    MainWindow& window = fixture.open();
    QCOMPARE(window.height(), expected);
    // A place partly off the screen is moved onto it.
    QCOMPARE(window.pos(), QPoint(0, 40));
}

void WindowSettingsTest::widthIsFixed() {
    MainWindowFixture fixture;
    fixture.writeSetting(key::MainWidth, QStringLiteral("690"));
    fixture.writeDay();
    MainWindow& window = fixture.open();
    QCOMPARE(window.width(), 750);
    window.resize(900, 500);
    QCOMPARE(window.width(), 750);
    QCOMPARE(window.height(), 500);
    QCOMPARE(window.minimumWidth(), 750);
    QCOMPARE(window.maximumWidth(), 750);
    // Every column of the grid fits in that width, beside the vertical scroll bar.
    window.show();
    QCoreApplication::processEvents();
    QVERIFY(window.grid()->isVisible());
    QVERIFY2(window.grid()->horizontalHeader()->length() <= window.grid()->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2")
                            .arg(window.grid()->horizontalHeader()->length())
                            .arg(window.grid()->viewport()->width())));
}

void WindowSettingsTest::rollUpKeepsTheUnrolledHeightAcrossARestart() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.show();
    window.resize(750, 640);
    QCOMPARE(window.restoreHeight(), 640);
    window.actions().rollUp->trigger();
    QVERIFY(window.rolledUp());
    QVERIFY(window.height() < app::kRolledUpLimit);
    QCOMPARE(window.restoreHeight(), 640);
    fixture.closeWindow();

    QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
    QVERIFY(stored.value(QStringLiteral("frmMain/Height")).toInt() < app::kRolledUpLimit);
    QCOMPARE(stored.value(QStringLiteral("frmMain/Height2")).toInt(), 640);

    MainWindow& again = fixture.open();
    QCOMPARE(again.height(), 640);
    QVERIFY(!again.rolledUp());
    again.show();
    again.actions().rollUp->trigger();
    again.actions().rollUp->trigger();
    QCOMPARE(again.height(), 640);
}

void WindowSettingsTest::closeWritesEverySettingOfTheWindows() {
    MainWindowFixture fixture;
    MainWindow& window = fixture.open();
    window.proxy() = {"proxy.example", 8080, "user", "pass word"};
    window.move(12, 34);
    fixture.detail().move(56, 78);
    fixture.bets().move(90, 21);
    fixture.detail().resize(1000, 600);
    fixture.closeWindow();
    QSettings stored(fixture.settingsPath(), QSettings::IniFormat);
    const std::pair<const char*, const char*> expected[] = {
        {"frmMain/Top", "34"},
        {"frmMain/Left", "12"},
        {"frmMain/Height", "700"},
        {"frmMain/Height2", "700"},
        {"frmMain/Width", "750"},
        {"frmDetail/Left", "56"},
        {"frmDetail/Top", "78"},
        {"frmDetail/Width", "1000"},
        {"frmDetail/Height", "600"},
        {"frmKaime/Left", "90"},
        {"frmKaime/Top", "21"},
        {"frmOption/gProxyPort", "8080"},
        {"frmOption/gProxyServer", "proxy.example"},
        {"frmOption/gProxyUserID", "user"},
        {"frmOption/gProxyPassword", "pass word"},
    };
    for (const auto& [name, value] : expected)
        QCOMPARE(stored.value(QString::fromLatin1(name)).toString(), QString::fromLatin1(value));
    QCOMPARE(QFileInfo(fixture.settingsPath()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFileDevice::Permissions());
}

void WindowSettingsTest::everySaveDialogStartsWhereTheUserSavedLastAcrossARestart() {
    MainWindowFixture fixture;
    fixture.open();
    ui::rememberSaveFolderOf(QString());  // a cancelled dialog changes nothing
    ui::rememberSaveFolderOf(QStringLiteral("/srv/exports/zv260503.kmi"));
    QCOMPARE(ui::lastSaveFolder(), QStringLiteral("/srv/exports"));
    fixture.closeWindow();
    QCOMPARE(QSettings(fixture.settingsPath(), QSettings::IniFormat).value(QStringLiteral("Export/Dir")).toString(),
             QStringLiteral("/srv/exports"));
    ui::setLastSaveFolder(QString());
    fixture.open();
    QCOMPARE(ui::lastSaveFolder(), QStringLiteral("/srv/exports"));
}

void WindowSettingsTest::everyRestoredWindowFitsTheScreen_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("stored");  // every window's stored place, and size where it keeps one
    QTest::newRow("a second screen that is gone") << QRect(0, 0, 1366, 728) << QRect(2200, 300, 700, 500);
    QTest::newRow("saved maximised at scale 2") << QRect(0, 0, 1366, 728) << QRect(-8, -8, 2752, 1456);
    QTest::newRow("above and left of a screen that starts at 100, 50")
        << QRect(100, 50, 1280, 700) << QRect(-300, -200, 600, 450);
    QTest::newRow("a small screen") << QRect(0, 0, 800, 600) << QRect(10, 10, 900, 700);
}

void WindowSettingsTest::everyRestoredWindowFitsTheScreen() {
    QFETCH(QRect, screen);
    QFETCH(QRect, stored);
    MainWindowFixture fixture;
    fixture.screen = screen;
    const std::pair<const settings::IntKey*, int> values[] = {
        {&key::MainTop, stored.top()},       {&key::MainLeft, stored.left()},
        {&key::MainHeight, stored.height()}, {&key::MainRestoreHeight, stored.height()},
        {&key::DetailTop, stored.top()},     {&key::DetailLeft, stored.left()},
        {&key::DetailWidth, stored.width()}, {&key::DetailHeight, stored.height()},
        {&key::BetLinesTop, stored.top()},   {&key::BetLinesLeft, stored.left()},
    };
    for (const auto& [k, value] : values) fixture.writeSetting(*k, QString::number(value));
    MainWindow& window = fixture.open();
    for (QWidget* shown : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&fixture.detail()),
                           static_cast<QWidget*>(&fixture.bets())}) {
        // Shown, each with its frame.
        shown->show();
        const QRect place = shown->frameGeometry();
        // Only a window's own minimum (the main window's fixed width) may stand out of a small screen.
        if (shown->minimumWidth() <= screen.width()) {
            QVERIFY2(screen.contains(place), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                                            .arg(shown->objectName())
                                                            .arg(place.x())
                                                            .arg(place.y())
                                                            .arg(place.width())
                                                            .arg(place.height())));
        } else {
            QCOMPARE(place.left(), screen.left());
        }
        QVERIFY(place.top() >= screen.top() && place.bottom() <= screen.bottom());
    }
    QVERIFY(window.restoreHeight() <= screen.height());
}

void WindowSettingsTest::fittingMovesTheLeastAndShrinksOnlyWhatIsTooLarge_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("fitted");
    const QRect area(0, 0, 1366, 728);
    QTest::newRow("inside stays") << QRect(10, 20, 300, 200) << QRect(10, 20, 300, 200);
    QTest::newRow("touching the corner stays") << QRect(1066, 528, 300, 200) << QRect(1066, 528, 300, 200);
    QTest::newRow("one pixel out on the right") << QRect(1067, 20, 300, 200) << QRect(1066, 20, 300, 200);
    QTest::newRow("out at the top") << QRect(10, -30, 300, 200) << QRect(10, 0, 300, 200);
    QTest::newRow("too tall") << QRect(10, 20, 300, 900) << QRect(10, 0, 300, 728);
    QTest::newRow("too large and far away") << QRect(5000, 5000, 2000, 2000) << area;
}

void WindowSettingsTest::fittingMovesTheLeastAndShrinksOnlyWhatIsTooLarge() {
    QFETCH(QRect, window);
    QFETCH(QRect, fitted);
    QCOMPARE(app::fitIntoArea(window, QRect(0, 0, 1366, 728)), fitted);
}

void WindowSettingsTest::aRestartShowsTheRaceOfTheLastCloseOverTheSameDataSet_data() {
    QTest::addColumn<int>("shownAtClose");
    QTest::addColumn<bool>("anotherDataSet");  // the data folder holds another day at the restart
    QTest::addColumn<QString>("storedRace");   // written over the stored race; empty keeps it
    QTest::addColumn<int>("shownAtStart");
    QTest::newRow("the same day: the race of the last close") << 7 << false << QString() << 7;
    QTest::newRow("another day: its first race") << 5 << true << QString() << 0;
    QTest::newRow("a stored race past the day's end") << 7 << false << "99" << 0;
    QTest::newRow("a stored race that is not a number") << 7 << false << "seven" << 0;
}

void WindowSettingsTest::aRestartShowsTheRaceOfTheLastCloseOverTheSameDataSet() {
    QFETCH(int, shownAtClose);
    QFETCH(bool, anotherDataSet);
    QFETCH(QString, storedRace);
    QFETCH(int, shownAtStart);
    MainWindowFixture fixture;
    fixture.writeDay();
    fixture.open().showRace(shownAtClose);
    fixture.closeWindow();
    if (anotherDataSet) fixture.writeFirstRaces(8);
    if (!storedRace.isEmpty()) fixture.writeSetting(key::LastRace, storedRace);
    MainWindow& window = fixture.open();
    QCOMPARE(window.session().currentRace(), shownAtStart);
    QVERIFY(window.session().result());
    QVERIFY(fixture.errors.isEmpty());
}

void WindowSettingsTest::forgettingLoginsAsksFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes removes the IDs and passwords, also the proxy's the window holds") << true;
    QTest::newRow("No keeps them") << false;
}

void WindowSettingsTest::forgettingLoginsAsksFirst() {
    QFETCH(bool, yes);
    MainWindowFixture fixture;
    {
        settings::SettingsStore stored(fixture.settingsPath());
        stored.writeSecret(key::DataPassword, "member-id", "member-pw");
        stored.writeSecret(key::ProxyPassword, "proxy.example", "proxy pw");
        stored.writeText(key::ProxyUserID, "proxy-user");
    }
    fixture.answerYes = yes;
    fixture.open().actions().forgetLogins->trigger();
    QCOMPARE(fixture.questions,
             QStringList{QStringLiteral("保存されているログイン情報（ユーザーIDとパスワード、"
                                        "プロキシサーバーの認証のIDとパスワード）を消去しますか？")});
    fixture.closeWindow();  // writes the window's proxy settings back

    const settings::SettingsStore stored(fixture.settingsPath());
    const auto kept = [yes](const char* text) { return std::string(yes ? "" : text); };
    QCOMPARE(stored.readText(key::DataUserID), kept("member-id"));
    QCOMPARE(stored.readSecret(key::DataPassword).text, kept("member-pw"));
    QCOMPARE(stored.readText(key::ProxyUserID), kept("proxy-user"));
    QCOMPARE(stored.readSecret(key::ProxyPassword).text, kept("proxy pw"));
    QCOMPARE(stored.readText(key::ProxyServer), std::string("proxy.example"));
}

QTEST_MAIN(WindowSettingsTest)
#include "window_settings_test.moc"
