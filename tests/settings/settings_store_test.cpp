#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include "data/error.h"
#include "data/sjis.h"
#include "service/credential_cipher.h"
#include "settings/settings_store.h"

namespace zv::settings {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }

    QString path() const { return dir_.filePath(QStringLiteral("Zelvora.conf")); }

    void writeRaw(const QString& content) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, MissingFileGivesEveryDefault) {
    const SettingsStore store(path());
    for (const IntKey& key : kIntKeys) {
        EXPECT_EQ(store.readInt(key), key.fallback) << key.name;
        EXPECT_EQ(store.readInt(key, 1234), 1234) << key.name;
    }
    for (const TextKey& key : kTextKeys) EXPECT_EQ(store.readText(key), "") << key.name;
    for (const SecretKey& key : kSecretKeys) EXPECT_EQ(store.readSecret(key).text, "") << key.name;
    EXPECT_EQ(store.readInt(key::MainHeight), 700);
    EXPECT_EQ(store.readInt(key::MainRestoreHeight), 700);
    EXPECT_EQ(store.readInt(key::MainWidth), 690);
    EXPECT_EQ(store.readInt(key::DataProvider), -1);
    EXPECT_EQ(store.readInt(key::ProxyPort), 0);
    EXPECT_EQ(store.readText(key::DataDir, "/data/BVO"), "/data/BVO");
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SettingsStoreTest, StoredTextThatIsNotANumberGivesTheDefault) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {
        {"820", 820}, {"-5", -5},          {"  42", 42}, {"abc", 700},  {"", 700},
        {"12x", 700}, {"9999999999", 700}, {"1.5", 700}, {"0x10", 700},
    };
    for (const Case& c : cases) {
        writeRaw(QStringLiteral("[frmMain]\nHeight=%1\n").arg(QString::fromUtf8(c.stored)));
        const SettingsStore store(path());
        EXPECT_EQ(store.readInt(key::MainHeight), c.expected) << c.stored;
    }
}

TEST_F(SettingsStoreTest, WrittenValuesReadBackUnderTheirSectionsAndNames) {
    {
        SettingsStore store(path());
        store.writeInt(key::MainHeight, 30);
        store.writeInt(key::MainRestoreHeight, 820);
        store.writeSecret(key::ProxyPassword, "proxy.example", "p@ss word,;=");
        store.writeText(key::DataUserID, "ユーザー");
    }
    const SettingsStore store(path());
    EXPECT_EQ(store.readInt(key::MainHeight), 30);
    EXPECT_EQ(store.readInt(key::MainRestoreHeight), 820);
    EXPECT_EQ(store.readText(key::ProxyServer), "proxy.example");
    EXPECT_EQ(store.readSecret(key::ProxyPassword).text, "p@ss word,;=");
    EXPECT_EQ(store.readText(key::DataUserID), "ユーザー");

    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(content.contains(QStringLiteral("[frmMain]")));
    EXPECT_TRUE(content.contains(QStringLiteral("Height2=820")));
    EXPECT_TRUE(content.contains(QStringLiteral("[frmOption]")));
}

// Without a keyring the service password is kept enciphered over its CP932 bytes, as it always was.
TEST_F(SettingsStoreTest, WithoutAKeyringTheServicePasswordIsStoredEnciphered) {
    for (const char* password : {"member-pw", "会員パス"}) {
        SettingsStore(path()).writeSecret(key::DataPassword, "member-id", password);
        const QSettings raw(path(), QSettings::IniFormat);
        EXPECT_EQ(raw.value(QStringLiteral("Data/Password")).toString().toStdString(),
                  encipherPassword(fromUtf8(password)));
        EXPECT_EQ(raw.value(QStringLiteral("Data/UserID")).toString(), QStringLiteral("member-id"));
        const StoredSecret stored = SettingsStore(path()).readSecret(key::DataPassword);
        EXPECT_EQ(stored.text, password);
        EXPECT_TRUE(stored.keptInFile);
    }

    writeRaw(QStringLiteral("[Data]\nUserID=member-id\nPassword=c2hvcnQ=\n"));  // deciphers to too few bytes
    EXPECT_THROW(SettingsStore(path()).readSecret(key::DataPassword), Error);
}

TEST_F(SettingsStoreTest, NothingStoredIsNotKeptAnywhere) {
    writeRaw(QStringLiteral("[Data]\nUserID=member-id\nPassword=\n"));
    // Without a keyring a password would be kept in the file; without an account, nowhere yet.
    EXPECT_TRUE(SettingsStore(path()).readSecret(key::DataPassword).keptInFile);
    EXPECT_FALSE(SettingsStore(path()).readSecret(key::ProxyPassword).keptInFile);
    EXPECT_EQ(SettingsStore(path()).readSecret(key::DataPassword).text, "");
}

TEST_F(SettingsStoreTest, ForgettingRemovesTheIDsAndPasswordsOnly) {
    writeRaw(QStringLiteral("[Data]\nProvider=0\nUserID=member-id\nPassword=%1\nDir=/d\n[frmOption]\n"
                            "gProxyPort=8080\ngProxyServer=proxy.example\ngProxyUserID=pu\ngProxyPassword=pp\n")
                 .arg(QString::fromStdString(encipherPassword("member-pw"))));
    SettingsStore(path()).forgetLogins();
    const QSettings raw(path(), QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys(),
              (QStringList{QStringLiteral("Data/Dir"), QStringLiteral("Data/Provider"),
                           QStringLiteral("frmOption/gProxyPort"), QStringLiteral("frmOption/gProxyServer")}));
}

TEST_F(SettingsStoreTest, WrittenFileIsReadableByTheUserAlone) {
    struct Case {
        const char* name;
        bool existsBefore;
    };
    const Case cases[] = {{"new file", false}, {"existing world-readable file", true}};
    for (const Case& c : cases) {
        QFile::remove(path());
        if (c.existsBefore) {
            writeRaw(QStringLiteral("[Data]\nUserID=x\n"));
            QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                                              QFileDevice::ReadGroup);
        }
        {
            SettingsStore store(path());
            store.writeSecret(key::DataPassword, "member-id", "secret");
        }
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &info), 0) << c.name;
        EXPECT_EQ(info.st_mode & 0777, 0600u) << c.name;
    }
}

TEST_F(SettingsStoreTest, UserFileLivesUnderTheOrganisationAndApplicationName) {
    const SettingsStore store;
    EXPECT_TRUE(store.filePath().endsWith(QStringLiteral("Zelvora/Zelvora.conf"))) << store.filePath().toStdString();
    EXPECT_TRUE(store.filePath().contains(QStringLiteral(".qttest"))) << store.filePath().toStdString();
}

}  // namespace
}  // namespace zv::settings
