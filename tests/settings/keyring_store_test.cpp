// Where the passwords live, against a real Secret Service: a private session bus with an unlocked
// GNOME Keyring (DesktopKeyring), and no session bus at all (NoSessionBus). Both run through
// tests/support/keyring_session.sh, which gives each its own folders.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "data/sjis.h"
#include "service/credential_cipher.h"
#include "settings/settings_store.h"

namespace zv::settings {
namespace {

// The settings file as today's program leaves it after a login and with a proxy set.
QByteArray olderRunsFile() {
    return QByteArray("[Data]\nProvider=0\nUserID=member-id\nPassword=") +
           QByteArray::fromStdString(encipherPassword(sj("会員pw"))) +
           "\n[frmOption]\ngProxyPort=8080\ngProxyServer=proxy.example\ngProxyUserID=proxy-user\n"
           "gProxyPassword=proxy pw\n";
}

struct SecretCase {
    const SecretKey* key;
    std::string account;
    std::string secret;
};

const SecretCase kSecrets[] = {
    {&key::DataPassword, "member-id", "会員pw"},
    {&key::ProxyPassword, "proxy.example", "proxy pw"},
};

class StoreFixture : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Zelvora.conf")); }
    QByteArray fileText() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& text) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // Neither the secret nor its enciphered form is in the file.
    void expectNotInFile(const std::string& secret) const {
        const QByteArray text = fileText();
        EXPECT_FALSE(text.contains(QByteArray::fromStdString(secret))) << secret;
        EXPECT_FALSE(text.contains(QByteArray::fromStdString(encipherPassword(fromUtf8(secret))))) << secret;
    }

    QTemporaryDir dir_;
};

class DesktopKeyring : public StoreFixture {
protected:
    void SetUp() override {
        // Never the user's own keyring: only inside the test's private session.
        ASSERT_TRUE(qEnvironmentVariableIsSet("ZV_KEYRING_SESSION")) << "run through keyring_session.sh";
    }
    static KeyringRead entry(const SecretKey& key, const std::string& account) {
        return Keyring::desktop().read(key.keyringService, account);
    }
};

TEST_F(DesktopKeyring, StoredPasswordsReadBackFromTheKeyringAndNotFromTheFile) {
    for (const SecretCase& c : kSecrets) {
        SettingsStore(path(), Keyring::desktop()).writeSecret(*c.key, c.account, c.secret);
        const StoredSecret stored = SettingsStore(path(), Keyring::desktop()).readSecret(*c.key);
        EXPECT_EQ(stored.text, c.secret);
        EXPECT_FALSE(stored.keptInFile);
        EXPECT_EQ(entry(*c.key, c.account).secret, c.secret);
        EXPECT_EQ(SettingsStore(path()).readText(c.key->account), c.account);
        expectNotInFile(c.secret);
    }
}

TEST_F(DesktopKeyring, TheEntryFollowsItsAccount) {
    SettingsStore store(path(), Keyring::desktop());
    store.writeSecret(key::DataPassword, "old-id", "pw");
    store.writeSecret(key::DataPassword, "new-id", "pw");
    EXPECT_EQ(entry(key::DataPassword, "old-id").answer, KeyringAnswer::NotFound);
    EXPECT_EQ(entry(key::DataPassword, "new-id").secret, "pw");
    // An emptied password leaves no entry behind.
    store.writeSecret(key::DataPassword, "new-id", "");
    EXPECT_EQ(entry(key::DataPassword, "new-id").answer, KeyringAnswer::NotFound);
    EXPECT_EQ(store.readSecret(key::DataPassword).text, "");
}

TEST_F(DesktopKeyring, AFileFromAnOlderRunGivesItsPasswordsToTheKeyringOnce) {
    writeFile(olderRunsFile());
    SettingsStore(path(), Keyring::desktop()).moveSecretsToKeyring();
    for (const SecretCase& c : kSecrets) {
        EXPECT_EQ(entry(*c.key, c.account).secret, c.secret);
        EXPECT_EQ(SettingsStore(path(), Keyring::desktop()).readSecret(*c.key).text, c.secret);
        expectNotInFile(c.secret);
    }
    const SettingsStore moved(path());
    EXPECT_EQ(moved.readText(key::DataUserID), "member-id");
    EXPECT_EQ(moved.readInt(key::DataProvider), 0);
    EXPECT_EQ(moved.readText(key::ProxyUserID), "proxy-user");
    EXPECT_EQ(moved.readInt(key::ProxyPort), 8080);

    const QByteArray afterTheMove = fileText();
    SettingsStore(path(), Keyring::desktop()).moveSecretsToKeyring();
    EXPECT_EQ(fileText(), afterTheMove);
}

TEST_F(DesktopKeyring, ForgettingRemovesTheIDsAndPasswordsFromKeyringAndFile) {
    writeFile(olderRunsFile());
    SettingsStore(path(), Keyring::desktop()).moveSecretsToKeyring();
    SettingsStore(path(), Keyring::desktop()).forgetLogins();
    const SettingsStore store(path(), Keyring::desktop());
    for (const SecretCase& c : kSecrets) {
        EXPECT_EQ(entry(*c.key, c.account).answer, KeyringAnswer::NotFound) << c.account;
        EXPECT_EQ(store.readSecret(*c.key).text, "");
    }
    EXPECT_EQ(store.readText(key::DataUserID), "");
    EXPECT_EQ(store.readText(key::ProxyUserID), "");
    // What is not a login stays.
    EXPECT_EQ(store.readText(key::ProxyServer), "proxy.example");
    EXPECT_EQ(store.readInt(key::ProxyPort), 8080);
    EXPECT_EQ(store.readInt(key::DataProvider), 0);
}

class NoSessionBus : public StoreFixture {
protected:
    void SetUp() override { ASSERT_FALSE(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")); }
};

TEST_F(NoSessionBus, PasswordsStayInTheFileAsTodayAndSaySo) {
    writeFile(olderRunsFile());
    SettingsStore(path(), Keyring::desktop()).moveSecretsToKeyring();
    EXPECT_EQ(fileText(), olderRunsFile());
    for (const SecretCase& c : kSecrets) {
        SettingsStore(path(), Keyring::desktop()).writeSecret(*c.key, c.account, c.secret);
        const StoredSecret stored = SettingsStore(path(), Keyring::desktop()).readSecret(*c.key);
        EXPECT_EQ(stored.text, c.secret);
        EXPECT_TRUE(stored.keptInFile);
    }
    // In today's forms: the service password enciphered, the proxy password as typed.
    const QSettings raw(path(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Data/Password")).toString().toStdString(), encipherPassword(sj("会員pw")));
    EXPECT_EQ(raw.value(QStringLiteral("frmOption/gProxyPassword")).toString(), QStringLiteral("proxy pw"));

    // With nothing in the file the password would still be kept there.
    SettingsStore store(path(), Keyring::desktop());
    store.forgetLogins();
    store.writeText(key::DataUserID, "member-id");
    EXPECT_EQ(store.readSecret(key::DataPassword).text, "");
    EXPECT_TRUE(store.readSecret(key::DataPassword).keptInFile);
}

}  // namespace
}  // namespace zv::settings

int main(int argc, char** argv) {
    // The keyring's jobs finish in the application's event loop.
    const QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
