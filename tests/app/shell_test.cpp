#include <unistd.h>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "app/about_window.h"
#include "app/archive_choice.h"
#include "app/japanese_ui.h"
#include "app/single_instance.h"

using namespace zv::app;

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void secondCopyHandsItsArchiveToTheFirst_data();
    void secondCopyHandsItsArchiveToTheFirst();
    void secondCopyWithoutAnAnsweringFirstEndsQuietly();
    void aFreedLockCanBeTakenAgain();
    void theSocketLivesInTheUsersRuntimeFolder();
    void noPathGoesToASocketOfAnotherUser();
    void fadeInSteps();
    void versionWindowFadesInAndSplashDoesNot();
    void dropOpensOnlyAFirstLzhFile_data();
    void dropOpensOnlyAFirstLzhFile();
    void theOpenDialogStartsInTheDownloadFolder();
    void theOpenDialogOffersDataArchivesEveryArchiveAndEveryFile_data();
    void theOpenDialogOffersDataArchivesEveryArchiveAndEveryFile();
    // Last: it installs the Japanese translation for the whole test program.
    void qtsOwnDialogsSpeakJapaneseUnderTheCLocale();
};

namespace {

QString uniqueName() {
    return QStringLiteral("ZelvoraTest-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate());
}

}  // namespace

void ShellTest::secondCopyHandsItsArchiveToTheFirst_data() {
    QTest::addColumn<QString>("archive");
    QTest::newRow("an archive path") << "/home/user/ダウンロード/hb100502.lzh";
    QTest::newRow("no argument: the first copy only comes to the front") << "";
}

void ShellTest::secondCopyHandsItsArchiveToTheFirst() {
    QFETCH(QString, archive);
    const QString name = uniqueName();
    SingleInstance first(name);
    QVERIFY(first.becomePrimary());
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    SingleInstance second(name);
    QVERIFY(!second.becomePrimary());
    QVERIFY(second.handOver(archive));
    QVERIFY(requests.wait(3000) || requests.size() == 1);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().first().toString(), archive);
}

void ShellTest::secondCopyWithoutAnAnsweringFirstEndsQuietly() {
    SingleInstance nobody(uniqueName());
    QVERIFY(!nobody.handOver(QStringLiteral("/x.lzh"), 200));
}

void ShellTest::aFreedLockCanBeTakenAgain() {
    const QString name = uniqueName();
    {
        SingleInstance first(name);
        QVERIFY(first.becomePrimary());
    }
    SingleInstance next(name);
    QVERIFY(next.becomePrimary());
}

void ShellTest::theSocketLivesInTheUsersRuntimeFolder() {
    SingleInstance first(uniqueName());
    QVERIFY(first.becomePrimary());
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!runtime.isEmpty());
    QCOMPARE(QFileInfo(first.socketPath()).absolutePath(), QFileInfo(runtime).absoluteFilePath());
    QVERIFY(QFileInfo::exists(first.socketPath()));
    QCOMPARE(QFileInfo(runtime).permissions() &
                 (QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther),
             QFileDevice::Permissions());
}

// A socket at the meeting place that another user owns gets nothing, not even a connection.
void ShellTest::noPathGoesToASocketOfAnotherUser() {
    if (::getuid() != 0) QSKIP("making a socket another user's needs root");
    const QString name = uniqueName();
    SingleInstance first(name);
    QVERIFY(first.becomePrimary());
    QSignalSpy requests(&first, &SingleInstance::activationRequested);
    QCOMPARE(::chown(QFile::encodeName(first.socketPath()).constData(), 65534, 65534), 0);

    SingleInstance second(name);
    QVERIFY(!second.becomePrimary());
    QVERIFY(!second.handOver(QStringLiteral("/home/user/hb100502.lzh")));
    QCoreApplication::processEvents();
    QCOMPARE(requests.size(), 0);
}

void ShellTest::fadeInSteps() {
    QList<int> steps{0};
    while (steps.last() < 255) steps << nextFadeOpacity(steps.last());
    QCOMPARE(steps, (QList<int>{0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 255}));
}

void ShellTest::versionWindowFadesInAndSplashDoesNot() {
    auto* splash = new AboutWindow;
    splash->showAsSplash();
    QCOMPARE(splash->opacity(), 255);
    QVERIFY(!splash->fading());
    QPointer<AboutWindow> guard(splash);
    QTest::mouseClick(splash, Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());

    auto* about = new AboutWindow;
    QPointer<AboutWindow> version(about);
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("versionLabel"))->text(),
             QStringLiteral("Version " ZV_PROJECT_VERSION));
    QList<int> seen;
    QTimer::singleShot(0, about, [&] {
        seen << about->opacity();
        QTRY_VERIFY(!about->fading());
        seen << about->opacity();
        about->close();
    });
    about->execFadingIn();
    QCOMPARE(seen, (QList<int>{0, 255}));
    QTRY_VERIFY(version.isNull());
}

void ShellTest::dropOpensOnlyAFirstLzhFile_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("opened");
    const auto file = [](const char* path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
    QTest::newRow("day.lzh") << QList<QUrl>{file("/d/day.lzh")} << "/d/day.lzh";
    QTest::newRow("day.LZH is not taken") << QList<QUrl>{file("/d/day.LZH")} << "";
    QTest::newRow("of three archives only the first")
        << QList<QUrl>{file("/d/a.lzh"), file("/d/b.lzh"), file("/d/c.lzh")} << "/d/a.lzh";
    QTest::newRow("a first file of another kind") << QList<QUrl>{file("/d/a.txt"), file("/d/b.lzh")} << "";
    QTest::newRow("a web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.jp/a.lzh"))} << "";
    QTest::newRow("nothing") << QList<QUrl>{} << "";
}

void ShellTest::dropOpensOnlyAFirstLzhFile() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, opened);
    const std::optional<QString> archive = archiveToOpenFromDrop(urls);
    QCOMPARE(archive.value_or(QString()), opened);
}

void ShellTest::theOpenDialogStartsInTheDownloadFolder() {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data")), stored = dir.filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(data));
    QCOMPARE(archiveStartFolder(QString(), data), data);
    QVERIFY(QDir().mkpath(data + QStringLiteral("/BVO")));
    QCOMPARE(archiveStartFolder(QString(), data), data + QStringLiteral("/BVO"));
    QCOMPARE(archiveStartFolder(stored, data), data + QStringLiteral("/BVO"));  // a stored folder that is gone
    QVERIFY(QDir().mkpath(stored));
    QCOMPARE(archiveStartFolder(stored, data), stored);
}

void ShellTest::theOpenDialogOffersDataArchivesEveryArchiveAndEveryFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<bool>>("shownBy");  // by each filter, in the dialog's order
    QTest::newRow("a data archive") << "hb261210.lzh" << QList<bool>{true, true, true};
    QTest::newRow("the other data archive") << "hz261210.lzh" << QList<bool>{true, true, true};
    QTest::newRow("another archive") << "season.lzh" << QList<bool>{false, true, true};
    QTest::newRow("no archive") << "hb261210.txt" << QList<bool>{false, false, true};
}

void ShellTest::theOpenDialogOffersDataArchivesEveryArchiveAndEveryFile() {
    QFETCH(QString, file);
    QFETCH(QList<bool>, shownBy);
    const QStringList filters = archiveFileFilters().split(QStringLiteral(";;"));
    QCOMPARE(filters.size(), 3);
    QVERIFY(filters[1].startsWith(QStringLiteral("すべての書庫 (*.lzh)")));
    QCOMPARE(filters[2], QStringLiteral("すべてのファイル (*)"));
    for (qsizetype i = 0; i < filters.size(); ++i) {
        // The patterns stand between the filter's parentheses, as the dialog reads them.
        const qsizetype open = filters[i].lastIndexOf(QLatin1Char('('));
        const QStringList patterns = filters[i].mid(open + 1).chopped(1).split(QLatin1Char(' '));
        QCOMPARE(QDir::match(patterns, file), shownBy[i]);
    }
}

void ShellTest::qtsOwnDialogsSpeakJapaneseUnderTheCLocale() {
    QLocale::setDefault(QLocale::c());
    installJapaneseUi(*qApp);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("フォルダー"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("名前を付けて保存"));
    QVERIFY(QLocale().toString(QDate(2026, 5, 3), QLocale::LongFormat).startsWith(QStringLiteral("2026年5月3日")));
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
