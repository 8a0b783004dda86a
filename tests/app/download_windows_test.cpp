// The login and download windows against the fake data service: member and guest logins, a
// refused login that keeps the window open, and a purchase of two archives with one retry that
// writes the billing log and hands the topmost archive to the intake. Message boxes are answered
// from a script so that nothing blocks. The tests run twice: without a keyring, and through
// tests/support/keyring_session.sh with a real one of their own, where the passwords live there.
#include <QComboBox>
#include <QFileDevice>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <memory>

#include "app/download_window.h"
#include "app/login_window.h"
#include "data/sjis.h"
#include "service/billing_log.h"
#include "service/credential_cipher.h"
#include "service/prepare_catalogue.h"
#include "service_fixture.h"
#include "settings/settings_store.h"

namespace zv::app {

namespace {

bool inKeyringSession() { return qEnvironmentVariableIsSet("ZV_KEYRING_SESSION"); }

// Acts once the window is on screen: reading the keyring while it opens runs the event loop.
void whenVisible(QWidget* window, const std::function<void()>& act) {
    QTimer::singleShot(0, window, [window, act] {
        if (window->isVisible()) {
            act();
        } else {
            whenVisible(window, act);
        }
    });
}

}  // namespace

class DownloadWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loginShowsMembershipAndTheArchivesNotYetPresent_data();
    void loginShowsMembershipAndTheArchivesNotYetPresent();
    void refusedLoginKeepsTheWindowOpenAndTheTypedCredentials();
    void loginThatNeverReachesTheServerSaysWhyInTheDetails();
    void purchaseFetchesTickedArchivesWithARetryAndOpensTheTopmost();
    void declinedTotalFetchesNothing();
    void passwordsLiveInTheKeyringWhenThereIsOne_data();
    void passwordsLiveInTheKeyringWhenThereIsOne();
    void withoutAKeyringTheWindowSaysOnceThatTheFileKeepsThePassword();

private:
    struct Run {
        bool loginAccepted = false;
        bool loginVisibleAfterOk = false;
        QString memberText;
        QStringList rows;
    };
    // Opens the login window with the given stored credentials, presses OK and, when the download
    // window opens, records it and lets drive act on it (closing it when drive does nothing).
    Run login(const QString& userId, const std::string& password,
              const std::function<void(DownloadWindow&)>& drive = {});
    // The same with the credentials as stored; beforeOk may fill the window in.
    Run pressOk(const std::function<void(DownloadWindow&)>& drive,
                const std::function<void(LoginWindow&)>& beforeOk = {});
    void openSettings();
    QString settingsPath() const { return QString::fromStdString((data_->path() / "settings.ini").string()); }
    ServiceWindowsSetup setup();
    static std::string archive(const std::string& name) { return fixture::lhaArchive("bvo_den1.bv2", name); }

    std::unique_ptr<fixture::FakeService> service_;
    std::unique_ptr<fixture::TempFolder> data_;
    std::unique_ptr<settings::SettingsStore> settings_;
    StoredProxy proxy_;
    QStringList notices_;
    QStringList details_;  // of the notices
    QStringList errors_;
    QStringList questions_;
    std::deque<bool> answers_;
    QStringList opened_;
};

void DownloadWindowsTest::init() {
    service_ = std::make_unique<fixture::FakeService>();
    data_ = std::make_unique<fixture::TempFolder>();
    openSettings();
    const std::string https = service_->hostPort(true);
    service_->putFile(
        kSettingsFilePath,
        fixture::serviceSettingsText(https,
                                     "[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/all/\r\nPRICE=1000,800\r\n"
                                     "FILE=hb0410.lzh\r\nFILE=hb0411.lzh\r\nFILE=hb0412.lzh\r\nFILE=hb0413.lzh\r\n"));
    for (const char* name : {"hb0411.lzh", "hb0412.lzh", "hb0413.lzh"}) {
        service_->putFile(std::string("/member/all/") + name, archive(name));
    }
    std::filesystem::create_directories(data_->path() / "BVO");
    fixture::writeFile(data_->path() / "BVO", "hz0410.lzh", "bought earlier");
    settings_->writeText(settings::key::DataServiceHost, service_->hostPort(false));
    settings_->writeText(settings::key::DataCAFile, service_->caFile().string());
    settings_->writeInt(settings::key::DataProvider, 0);
    settings_->sync();
    proxy_ = {};
    notices_.clear();
    details_.clear();
    errors_.clear();
    questions_.clear();
    answers_.clear();
    opened_.clear();
}

void DownloadWindowsTest::openSettings() {
    settings_.reset();
    settings_ = std::make_unique<settings::SettingsStore>(
        settingsPath(), inKeyringSession() ? settings::Keyring::desktop() : settings::Keyring());
}

void DownloadWindowsTest::cleanup() {
    settings_.reset();
    data_.reset();
    service_.reset();
}

ServiceWindowsSetup DownloadWindowsTest::setup() {
    ServiceWindowsSetup setup;
    setup.settings = settings_.get();
    setup.dataFolder = data_->path();
    setup.proxy = &proxy_;
    setup.feedback.noticeWithDetails = [this](QWidget*, const QString& text, const QString& details) {
        notices_ << text;
        details_ << details;
    };
    setup.feedback.errorReport = [this](QWidget*, const QString& text) { errors_ << text; };
    setup.feedback.askYesNo = [this](QWidget*, const QString& text, const QString&) {
        questions_ << text;
        if (answers_.empty()) return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    };
    setup.openArchive = [this](const QString& file) { opened_ << file; };
    return setup;
}

DownloadWindowsTest::Run DownloadWindowsTest::login(const QString& userId, const std::string& password,
                                                    const std::function<void(DownloadWindow&)>& drive) {
    settings_->writeSecret(settings::key::DataPassword, userId.toStdString(), password);
    settings_->sync();
    return pressOk(drive);
}

DownloadWindowsTest::Run DownloadWindowsTest::pressOk(const std::function<void(DownloadWindow&)>& drive,
                                                      const std::function<void(LoginWindow&)>& beforeOk) {
    Run run;
    LoginWindow window(setup());
    window.downloadWindowShown = [&](QDialog* shown) {
        auto* download = static_cast<DownloadWindow*>(shown);
        QTimer::singleShot(0, download, [&run, download, drive] {
            run.memberText = download->memberText();
            for (int i = 0; i < download->archiveList()->topLevelItemCount(); ++i)
                run.rows << download->archiveList()->topLevelItem(i)->text(0);
            if (drive) drive(*download);
            if (download->isVisible()) download->reject();
        });
    };
    whenVisible(&window, [&] {
        if (beforeOk) beforeOk(window);
        auto* ok = window.findChild<QPushButton*>(QStringLiteral("okButton"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), 60000);
        run.loginVisibleAfterOk = window.isVisible();
        if (window.isVisible()) window.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    run.loginAccepted = window.openModal() == QDialog::Accepted;
    return run;
}

void DownloadWindowsTest::loginShowsMembershipAndTheArchivesNotYetPresent_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("memberText");
    QTest::addColumn<QString>("firstPrice");
    QTest::newRow("a member sees the member label and prices") << "member-id"
                                                               << "member-pw"
                                                               << "member-idはBIGLOBEメンバーとして認証されています"
                                                               << "840円";
    QTest::newRow("a guest sees the guest label and prices") << "guest-id"
                                                             << "guest-pw"
                                                             << "guest-idはBIGLOBEゲストとして認証されています"
                                                             << "1050円";
}

void DownloadWindowsTest::loginShowsMembershipAndTheArchivesNotYetPresent() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, memberText);
    QFETCH(QString, firstPrice);
    QString price;
    QString listLabel;
    const Run run = login(user, password.toStdString(), [&](DownloadWindow& download) {
        price = download.archiveList()->topLevelItem(0)->text(2);
        listLabel = download.findChild<QLabel*>(QStringLiteral("listCaption"))->text();
        QVERIFY(!download.findChild<QPushButton*>(QStringLiteral("okButton"))->isEnabled());
    });
    QVERIFY(notices_.isEmpty());
    QCOMPARE(run.memberText, memberText);
    QCOMPARE(run.rows,
             (QStringList{QStringLiteral("hb0411.lzh"), QStringLiteral("hb0412.lzh"), QStringLiteral("hb0413.lzh")}));
    QCOMPARE(price, firstPrice);
    QCOMPARE(listLabel, QStringLiteral("ダウンロードしたいファイルにチェックをしてOKボタンを押してください"));
    QVERIFY(run.loginAccepted);
    QVERIFY(opened_.isEmpty());
    // Closing the download window keeps the folder and removes the fetched settings file.
    QCOMPARE(QString::fromStdString(settings_->readText(settings::key::DataDir)),
             QString::fromStdString((data_->path() / "BVO").string()));
    QVERIFY(!std::filesystem::exists(data_->path() / kSettingsFileName));
}

void DownloadWindowsTest::refusedLoginKeepsTheWindowOpenAndTheTypedCredentials() {
    const Run run = login(QStringLiteral("member-id"), "wrong-pw");
    QVERIFY(run.loginVisibleAfterOk);
    QVERIFY(!run.loginAccepted);
    QVERIFY(run.rows.isEmpty());
    QCOMPARE(notices_, QStringList{QStringLiteral("認証できませんでした。ユーザーIDとパスワードをお確かめください。")});
    QCOMPARE(details_, QStringList{QStringLiteral("原因: サーバーがエラーを返しました（HTTP 401）")});
    QCOMPARE(settings_->readText(settings::key::DataUserID), std::string("member-id"));
    QCOMPARE(settings_->readSecret(settings::key::DataPassword).text, std::string("wrong-pw"));
    const auto mode = std::filesystem::status(settings_->filePath().toStdString()).permissions();
    QCOMPARE(mode & std::filesystem::perms::all,
             std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    QVERIFY(!std::filesystem::exists(data_->path() / "BVO" / "hb0411.lzh"));
}

void DownloadWindowsTest::loginThatNeverReachesTheServerSaysWhyInTheDetails() {
    settings_->writeText(settings::key::DataCAFile, service_->unrelatedCaFile().string());
    const Run run = login(QStringLiteral("member-id"), "member-pw");
    QVERIFY(run.loginVisibleAfterOk);
    QCOMPARE(notices_, QStringList{QStringLiteral(
                           "認証先のサーバーに接続できませんでした。\r\n\r\nもう一度認証をやり直してください。")});
    QCOMPARE(details_, QStringList{QString::fromStdString("原因: " + service_->hostPort(true)) +
                                   QStringLiteral(" のサーバー証明書を信頼できません")});
}

void DownloadWindowsTest::purchaseFetchesTickedArchivesWithARetryAndOpensTheTopmost() {
    service_->failFirst("/member/all/hb0413.lzh", 1);
    answers_ = {true};
    QStringList rowsAfter;
    const Run run = login(QStringLiteral("member-id"), "member-pw", [&](DownloadWindow& download) {
        download.archiveList()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        download.archiveList()->topLevelItem(2)->setCheckState(0, Qt::Checked);
        auto* ok = download.findChild<QPushButton*>(QStringLiteral("okButton"));
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!download.jobRunning(), 60000);
        for (int i = 0; i < download.archiveList()->topLevelItemCount(); ++i)
            rowsAfter << download.archiveList()->topLevelItem(i)->text(0);
    });
    QVERIFY(errors_.isEmpty());
    QVERIFY(notices_.isEmpty());
    QCOMPARE(questions_, QStringList{QStringLiteral("チェックされたファイルの合計金額は1680円(税込)になります。\r\n\r\n"
                                                    "ダウンロードしてもよろしいですか？")});
    QCOMPARE(rowsAfter, QStringList{QStringLiteral("hb0412.lzh")});
    QCOMPARE(opened_, QStringList{QString::fromStdString((data_->path() / "BVO" / "hb0411.lzh").string())});
    QVERIFY(run.loginAccepted);
    QCOMPARE(fixture::readFile(data_->path() / "BVO" / "hb0413.lzh"), archive("hb0413.lzh"));
    QVERIFY(!std::filesystem::exists(data_->path() / "BVO" / "hb0412.lzh"));
    const std::string log = fixture::readFile(data_->path() / kBillingLogName);
    const std::string tail = sj("    840円    member-id@BIGLOBE\r\n");
    QCOMPARE(log.size(), 2 * (19 + 4 + 10 + tail.size()));
    QVERIFY(log.find("hb0413.lzh" + tail) < log.find("hb0411.lzh" + tail));
}

void DownloadWindowsTest::declinedTotalFetchesNothing() {
    answers_ = {false};
    bool stillOpen = false;
    login(QStringLiteral("member-id"), "member-pw", [&](DownloadWindow& download) {
        download.archiveList()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        QTest::mouseClick(download.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!download.jobRunning(), 60000);
        stillOpen =
            download.isVisible() && download.findChild<QPushButton*>(QStringLiteral("cancelButton"))->isEnabled();
    });
    QVERIFY(stillOpen);
    QCOMPARE(questions_.size(), 1);
    QVERIFY(opened_.isEmpty());
    QVERIFY(!std::filesystem::exists(data_->path() / "BVO" / "hb0412.lzh"));
    QVERIFY(!std::filesystem::exists(data_->path() / kBillingLogName));
}

void DownloadWindowsTest::passwordsLiveInTheKeyringWhenThereIsOne_data() {
    QTest::addColumn<bool>("typed");
    QTest::newRow("stored enciphered by an older run, moved at the start") << false;
    QTest::newRow("typed into the login window") << true;
}

void DownloadWindowsTest::passwordsLiveInTheKeyringWhenThereIsOne() {
    QFETCH(bool, typed);
    const std::string enciphered = encipherPassword("member-pw");
    if (!typed) {
        settings_.reset();
        QSettings older(settingsPath(), QSettings::IniFormat);
        older.setValue(QStringLiteral("Data/UserID"), QStringLiteral("member-id"));
        older.setValue(QStringLiteral("Data/Password"), QString::fromStdString(enciphered));
        older.sync();
        openSettings();
        settings_->moveSecretsToKeyring();
    }
    const Run run = pressOk({}, [typed](LoginWindow& window) {
        if (!typed) return;
        window.findChild<QLineEdit*>(QStringLiteral("userIdEdit"))->setText(QStringLiteral("member-id"));
        window.findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(QStringLiteral("member-pw"));
    });
    QCOMPARE(run.memberText, QStringLiteral("member-idはBIGLOBEメンバーとして認証されています"));
    settings_->sync();
    const std::string file = fixture::readFile(settingsPath().toStdString());
    QVERIFY(file.find("member-id") != std::string::npos);
    QVERIFY(file.find("member-pw") == std::string::npos);
    // Without a keyring the file keeps the password as it always has.
    QCOMPARE(file.find(enciphered) != std::string::npos, !inKeyringSession());
}

void DownloadWindowsTest::withoutAKeyringTheWindowSaysOnceThatTheFileKeepsThePassword() {
    settings_->writeSecret(settings::key::DataPassword, "member-id", "member-pw");
    settings_->sync();
    QList<bool> shown;
    for (int opening = 0; opening < 2; ++opening) {
        LoginWindow window(setup());
        whenVisible(&window, [&] {
            shown << window.findChild<QLabel*>(QStringLiteral("passwordFileNotice"))->isVisible();
            window.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
        window.openModal();
    }
    QCOMPARE(shown, (QList<bool>{!inKeyringSession(), false}));
}

}  // namespace zv::app

QTEST_MAIN(zv::app::DownloadWindowsTest)
#include "download_windows_test.moc"
