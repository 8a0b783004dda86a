// The per-user settings file: QSettings under organisation and application "Zelvora" (on Linux
// ~/.config/Zelvora/Zelvora.conf, whose native format is INI). Texts are UTF-8. This is the one place
// that decides where a password lives: in the desktop's keyring when it takes it, else in the file.
// The file may hold passwords, so it is kept readable by the user alone (mode 0600) whenever this
// class writes it.
#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "keyring.h"
#include "settings_keys.h"

namespace zv::settings {

struct StoredSecret {
    std::string text;  // UTF-8; empty when none is stored
    // The settings file holds it, or would: no keyring answered.
    bool keptInFile = false;
};

class SettingsStore {
public:
    // The user's settings file, with the desktop's keyring.
    SettingsStore();
    // A settings file at an explicit path (INI format), with the given keyring (by default none).
    explicit SettingsStore(const QString& filePath, Keyring keyring = {});
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Lenient: a missing value or one that is not a whole number gives the key's default.
    int readInt(const IntKey& key) const;
    // For keys whose default is computed by the caller (window centring).
    int readInt(const IntKey& key, int computedDefault) const;
    // A missing value gives an empty text (or computedDefault).
    std::string readText(const TextKey& key, const std::string& computedDefault = {}) const;
    // The secret from the settings file when it holds one, else from the keyring entry of the
    // stored account. Throws zv::Error when the file's enciphered text cannot be deciphered.
    StoredSecret readSecret(const SecretKey& key) const;

    void writeInt(const IntKey& key, int value);
    void writeText(const TextKey& key, const std::string& value);
    // Stores account (under key.account) and its secret (UTF-8): in the keyring when it takes it,
    // and then the file holds no password; else in the file in the key's file form. The keyring
    // entry of a former account goes.
    void writeSecret(const SecretKey& key, const std::string& account, std::string_view secret);
    // Moves the passwords the file holds into the keyring, each one only once the keyring has it.
    // A file from an older run thus loses its passwords on the first start that finds a keyring.
    void moveSecretsToKeyring();
    // Removes the stored IDs and passwords from the keyring and the file.
    void forgetLogins();

    // Writes pending changes to disk and keeps the file at mode 0600.
    void sync();

    QString filePath() const;

private:
    // The file's text for the secret; empty when it holds none.
    std::string fileSecret(const SecretKey& key) const;
    void remove(std::string_view section, std::string_view name);

    std::unique_ptr<QSettings> settings_;
    Keyring keyring_;
    // What this run has read from or written to the keyring, by service and account, so that
    // storing an unchanged secret again asks nothing of the keyring.
    mutable std::map<std::pair<std::string, std::string>, std::string> known_;
    bool dirty_ = false;
};

}  // namespace zv::settings
