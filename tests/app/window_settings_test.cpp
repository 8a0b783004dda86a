#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include "app/window_placement.h"
#include "main_window_fixture.h"
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
};

namespace {

QSize screenSize() { return QGuiApplication::primaryScreen()->geometry().size(); }

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
    QCOMPARE(window.pos(), QPoint(-5, 40));
}

void WindowSettingsTest::widthIsFixed() {
    MainWindowFixture fixture;
    fixture.writeSetting(key::MainWidth, QStringLiteral("690"));
    MainWindow& window = fixture.open();
    QCOMPARE(window.width(), 750);
    window.resize(900, 500);
    QCOMPARE(window.width(), 750);
    QCOMPARE(window.height(), 500);
    QCOMPARE(window.minimumWidth(), 750);
    QCOMPARE(window.maximumWidth(), 750);
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

QTEST_MAIN(WindowSettingsTest)
#include "window_settings_test.moc"
