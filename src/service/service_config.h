// What a request to the data service needs from the outside: the settings host, the trust and
// proxy settings, and the time limits. The caller fills it from the stored settings.
#pragma once

#include <filesystem>
#include <string>

namespace zv {

// The proxy's texts as they go out: CP932 bytes.
struct ProxySettings {
    std::string server;  // used when not blank; taken as stored
    int port = 0;
    std::string userId;  // used with the password when both are not blank
    std::string password;
};

struct ServiceConfig {
    // Where the service's settings file lies: "host[:port]" (plain HTTP) or a URL beginning with
    // "http://" or "https://".
    std::string serviceHost;
    // A CA file trusted besides the system's store (a private mirror, the tests); empty for none.
    std::filesystem::path caFile;
    ProxySettings proxy;
    long connectTimeoutSeconds = 30;
    long lowSpeedSeconds = 30;  // a transfer slower than 1 byte/s for this long fails
};

// The account as it goes to the service: CP932 bytes.
struct Credentials {
    std::string userId;
    std::string password;
};

}  // namespace zv
