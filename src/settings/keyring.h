// The desktop's keyring (the Secret Service: GNOME Keyring, KWallet) through QtKeychain, or none.
// QtKeychain's jobs finish through the event loop; each call here waits for its job in a local
// event loop that takes no user input, so nothing the user does runs in the middle of a settings
// read or write. The program must have made its QCoreApplication: without one there is no keyring.
#pragma once

#include <string>
#include <string_view>

namespace zv::settings {

enum class KeyringAnswer {
    Found,
    NotFound,
    NoKeyring,  // no Secret Service answered, or it refused (a keyring the user left locked)
};

struct KeyringRead {
    KeyringAnswer answer = KeyringAnswer::NoKeyring;
    std::string secret;  // UTF-8, when found
};

class Keyring {
public:
    // No keyring: reads answer NoKeyring, writes and removals fail.
    Keyring() = default;
    // The desktop's keyring.
    static Keyring desktop() { return Keyring(true); }

    // The entry of account under service (the program's name for one kind of secret).
    KeyringRead read(std::string_view service, std::string_view account) const;
    // False when the keyring did not take the secret.
    bool write(std::string_view service, std::string_view account, std::string_view secret) const;
    // True when no such entry is left, also when there was none.
    bool remove(std::string_view service, std::string_view account) const;

private:
    explicit Keyring(bool desktop) : desktop_(desktop) {}

    bool desktop_ = false;
};

}  // namespace zv::settings
