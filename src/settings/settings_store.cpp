#include "settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/convert.h"
#include "service/credential_cipher.h"

namespace zv::settings {

namespace {

template <class AnyKey>
QString storedName(const AnyKey& key) {
    return QString::fromUtf8(key.section.data(), qsizetype(key.section.size())) + QLatin1Char('/') +
           QString::fromUtf8(key.name.data(), qsizetype(key.name.size()));
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
                                            QStringLiteral("Zelvora"))) {}

SettingsStore::SettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

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

std::string SettingsStore::readSecret(const SecretKey& key) const {
    return decipherPassword(settings_->value(storedName(key)).toString().toStdString());
}

void SettingsStore::writeSecret(const SecretKey& key, std::string_view secret) {
    settings_->setValue(storedName(key), QString::fromStdString(encipherPassword(secret)));
    dirty_ = true;
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
