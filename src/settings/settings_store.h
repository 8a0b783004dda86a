// The per-user settings file: QSettings under organisation and application "Zelvora" (on Linux
// ~/.config/Zelvora/Zelvora.conf, whose native format is INI). Texts are UTF-8. The file holds passwords, so it
// is kept readable by the user alone (mode 0600) whenever this class writes it.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "settings_keys.h"

namespace zv::settings {

class SettingsStore {
public:
    // The user's settings file.
    SettingsStore();
    // A settings file at an explicit path (INI format).
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Lenient: a missing value or one that is not a whole number gives the key's default.
    int readInt(const IntKey& key) const;
    // For keys whose default is computed by the caller (window centring).
    int readInt(const IntKey& key, int computedDefault) const;
    // A missing value gives an empty text (or computedDefault).
    std::string readText(const TextKey& key, const std::string& computedDefault = {}) const;
    // The deciphered secret as CP932 bytes, the form the service gets; empty when none is stored.
    // Throws zv::Error when the stored text cannot be deciphered.
    std::string readSecret(const SecretKey& key) const;

    void writeInt(const IntKey& key, int value);
    void writeText(const TextKey& key, const std::string& value);
    // secret: CP932 bytes; stored enciphered.
    void writeSecret(const SecretKey& key, std::string_view secret);

    // Writes pending changes to disk and keeps the file at mode 0600.
    void sync();

    QString filePath() const;

private:
    std::unique_ptr<QSettings> settings_;
    bool dirty_ = false;
};

}  // namespace zv::settings
