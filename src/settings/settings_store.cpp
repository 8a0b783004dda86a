#include "settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/convert.h"
#include "data/error.h"
#include "data/sjis.h"
#include "service/credential_cipher.h"

namespace zv::settings {

namespace {

QString storedName(std::string_view section, std::string_view name) {
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + QLatin1Char('/') +
           QString::fromUtf8(name.data(), qsizetype(name.size()));
}

template <class AnyKey>
QString storedName(const AnyKey& key) {
    return storedName(key.section, key.name);
}

std::string toFileForm(const SecretKey& key, std::string_view secret) {
    return key.fileForm == FileForm::Enciphered ? encipherPassword(fromUtf8(secret)) : std::string(secret);
}

std::string fromFileForm(const SecretKey& key, const std::string& stored) {
    return key.fileForm == FileForm::Enciphered ? toUtf8(decipherPassword(stored)) : stored;
}

// Creates the file empty and private when it does not exist yet, so that the saved file (which
// takes over an existing file's permissions) never passes through a world-readable state.
void createPrivately(const QString& path) {
    if (QFileInfo::exists(path)) return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) ::close(fd);
}

void makePrivate(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    ::chmod(native.constData(), 0600);
}

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zelvora"),
                                            QStringLiteral("Zelvora"))),
      keyring_(Keyring::desktop()) {}

SettingsStore::SettingsStore(const QString& filePath, Keyring keyring)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)), keyring_(keyring) {}

SettingsStore::~SettingsStore() { sync(); }

int SettingsStore::readInt(const IntKey& key) const { return readInt(key, key.fallback); }

int SettingsStore::readInt(const IntKey& key, int computedDefault) const {
    const QVariant value = settings_->value(storedName(key));
    if (!value.isValid()) return computedDefault;
    return zv::parseInt(value.toString().toStdString()).value_or(computedDefault);
}

std::string SettingsStore::readText(const TextKey& key, const std::string& computedDefault) const {
    const QVariant value = settings_->value(storedName(key));
    if (!value.isValid()) return computedDefault;
    return value.toString().toStdString();
}

void SettingsStore::writeInt(const IntKey& key, int value) {
    settings_->setValue(storedName(key), QString::number(value));
    dirty_ = true;
}

void SettingsStore::writeText(const TextKey& key, const std::string& value) {
    settings_->setValue(storedName(key), QString::fromStdString(value));
    dirty_ = true;
}

std::string SettingsStore::fileSecret(const SecretKey& key) const {
    return settings_->value(storedName(key)).toString().toStdString();
}

void SettingsStore::remove(std::string_view section, std::string_view name) {
    settings_->remove(storedName(section, name));
    dirty_ = true;
}

StoredSecret SettingsStore::readSecret(const SecretKey& key) const {
    if (const std::string stored = fileSecret(key); !stored.empty()) return {fromFileForm(key, stored), true};
    const std::string account = readText(key.account);
    if (account.empty()) return {};
    const KeyringRead entry = keyring_.read(key.keyringService, account);
    if (entry.answer == KeyringAnswer::Found) known_[{std::string(key.keyringService), account}] = entry.secret;
    return {entry.secret, entry.answer == KeyringAnswer::NoKeyring};
}

void SettingsStore::writeSecret(const SecretKey& key, const std::string& account, std::string_view secret) {
    const std::string formerAccount = readText(key.account);
    writeText(key.account, account);
    const std::string service(key.keyringService);
    const auto known = known_.find({service, account});
    const bool alreadyThere = fileSecret(key).empty() && known != known_.end() && known->second == secret;
    bool inKeyring = alreadyThere;
    if (!alreadyThere && !account.empty()) {
        known_.erase({service, account});
        inKeyring = secret.empty() ? keyring_.remove(service, account) : keyring_.write(service, account, secret);
        if (inKeyring && !secret.empty()) known_[{service, account}] = std::string(secret);
    }
    if (inKeyring) {
        remove(key.section, key.name);
    } else {
        settings_->setValue(storedName(key), QString::fromStdString(toFileForm(key, secret)));
    }
    if (!formerAccount.empty() && formerAccount != account && keyring_.remove(service, formerAccount)) {
        known_.erase({service, formerAccount});
    }
    dirty_ = true;
}

void SettingsStore::moveSecretsToKeyring() {
    for (const SecretKey& key : kSecretKeys) {
        const std::string stored = fileSecret(key);
        const std::string account = readText(key.account);
        if (stored.empty() || account.empty()) continue;
        std::string secret;
        try {
            secret = fromFileForm(key, stored);
        } catch (const Error&) {
            continue;  // stays for the login window to report
        }
        if (keyring_.write(key.keyringService, account, secret)) {
            known_[{std::string(key.keyringService), account}] = secret;
            remove(key.section, key.name);
        }
    }
    sync();
}

void SettingsStore::forgetLogins() {
    for (const SecretKey& key : kSecretKeys) {
        if (const std::string account = readText(key.account); !account.empty()) {
            keyring_.remove(key.keyringService, account);
            known_.erase({std::string(key.keyringService), account});
        }
        remove(key.section, key.name);
    }
    for (const TextKey& id : kLoginIDs) remove(id.section, id.name);
    sync();
}

void SettingsStore::sync() {
    if (!dirty_) return;
    createPrivately(settings_->fileName());
    settings_->sync();
    makePrivate(settings_->fileName());
    dirty_ = false;
}

QString SettingsStore::filePath() const { return settings_->fileName(); }

}  // namespace zv::settings
