// What the login and download windows share: the stored settings, the data folder, the main
// window's proxy settings, the message boxes, and the way a fetched archive is opened.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "session/service_settings.h"
#include "ui/user_feedback.h"

class QWidget;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

struct ServiceWindowsSetup {
    settings::SettingsStore* settings = nullptr;              // must outlive the windows
    std::filesystem::path dataFolder;                         // settei.txt and kakin.log lie here
    StoredProxy* proxy = nullptr;                             // the main window's, edited by the proxy window
    QWidget* mainWindow = nullptr;                            // the windows open centred over it
    ui::UserFeedback feedback;                                // the real message boxes where empty
    std::function<void(const QString& archive)> openArchive;  // the main window's archive intake
};

// Moves window so that its centre lies over the centre of over (when there is one).
void centreOver(QWidget* window, const QWidget* over);

}  // namespace zv::app
