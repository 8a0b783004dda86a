// What the login and download windows share: the stored settings, the data folder, the main
// window's proxy settings, the message boxes, and the way a fetched archive is opened.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "service/service_config.h"
#include "service_prompts.h"
#include "ui/proxy_settings.h"

class QWidget;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

struct ServiceWindowsSetup {
    settings::SettingsStore* settings = nullptr;  // must outlive the windows
    std::filesystem::path dataFolder;             // settei.txt and kakin.log lie here
    ui::ProxySettings* proxy = nullptr;           // the main window's, edited by the proxy window
    QWidget* mainWindow = nullptr;                // the windows open centred over it
    ServicePrompts prompts;
    std::function<void(const QString& archive)> openArchive;  // the main window's archive intake
};

// The request settings: service host and CA file from the stored settings, the proxy as edited.
ServiceConfig serviceConfig(const ServiceWindowsSetup& setup);

// Moves window so that its centre lies over the centre of over (when there is one).
void centreOver(QWidget* window, const QWidget* over);

}  // namespace zv::app
