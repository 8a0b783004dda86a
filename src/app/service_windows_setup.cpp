#include "service_windows_setup.h"

#include <QWidget>

#include "data/sjis.h"
#include "service/prepare_catalogue.h"
#include "settings/settings_store.h"

namespace zv::app {

ServiceConfig serviceConfig(const ServiceWindowsSetup& setup) {
    namespace key = settings::key;
    ServiceConfig config;
    config.serviceHost = setup.settings->readText(key::DataServiceHost, kDefaultServiceHost);
    config.caFile = setup.settings->readText(key::DataCAFile);
    if (setup.proxy) {
        config.proxy.server = fromUtf8(setup.proxy->server);
        config.proxy.port = setup.proxy->port;
        config.proxy.userId = fromUtf8(setup.proxy->userID);
        config.proxy.password = fromUtf8(setup.proxy->password);
    }
    return config;
}

void centreOver(QWidget* window, const QWidget* over) {
    window->adjustSize();
    if (!over) return;
    const QRect outer = over->frameGeometry();
    window->move(outer.left() + outer.width() / 2 - window->width() / 2,
                 outer.top() + outer.height() / 2 - window->height() / 2);
}

}  // namespace zv::app
