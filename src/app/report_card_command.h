// ツール → 成績集計...: opens the report card window, which starts choosing in the download folder.
#pragma once

#include <filesystem>

class QMenu;
class QWidget;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

// Adds the menu item to tools; the window opens beside mainWindow, one at a time.
void addReportCardMenuItem(QMenu* tools, QWidget* mainWindow, const std::filesystem::path& dataFolder,
                           settings::SettingsStore* settings);

}  // namespace zv::app
