#include "service_settings.h"

#include "data/sjis.h"
#include "service/prepare_catalogue.h"
#include "settings/settings_store.h"

namespace zv {

namespace key = settings::key;

StoredProxy readStoredProxy(const settings::SettingsStore& stored) {
    return {stored.readText(key::ProxyServer), stored.readInt(key::ProxyPort), stored.readText(key::ProxyUserID),
            stored.readSecret(key::ProxyPassword).text};
}

void writeStoredProxy(settings::SettingsStore& stored, const StoredProxy& proxy) {
    stored.writeInt(key::ProxyPort, proxy.port);
    stored.writeText(key::ProxyUserID, proxy.userID);
    stored.writeSecret(key::ProxyPassword, proxy.server, proxy.password);
}

ServiceConfig readServiceConfig(const settings::SettingsStore& stored, const StoredProxy& proxy) {
    ServiceConfig config;
    config.serviceHost = stored.readText(key::DataServiceHost, kDefaultServiceHost);
    config.caFile = stored.readText(key::DataCAFile);
    config.proxy = {fromUtf8(proxy.server), proxy.port, fromUtf8(proxy.userID), fromUtf8(proxy.password)};
    return config;
}

ServiceConfig readServiceConfig(const settings::SettingsStore& stored) {
    return readServiceConfig(stored, readStoredProxy(stored));
}

}  // namespace zv
