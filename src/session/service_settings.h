// The data service's settings as the settings file keeps them: the service host, the CA file and
// the proxy. The proxy is kept as stored (UTF-8) while the desktop program runs and is edited in
// its proxy window; requests get it as CP932.
#pragma once

#include <string>

#include "service/service_config.h"

namespace zv::settings {
class SettingsStore;
}

namespace zv {

struct StoredProxy {
    std::string server;
    int port = 0;
    std::string userID;
    std::string password;
};

StoredProxy readStoredProxy(const settings::SettingsStore& stored);
void writeStoredProxy(settings::SettingsStore& stored, const StoredProxy& proxy);

// The request settings: service host and CA file from the stored settings, with this proxy.
ServiceConfig readServiceConfig(const settings::SettingsStore& stored, const StoredProxy& proxy);
// The same with the stored proxy.
ServiceConfig readServiceConfig(const settings::SettingsStore& stored);

}  // namespace zv
