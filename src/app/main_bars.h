// The main window's menu bar (with the roll-up button at its right), its tool bar (with the
// home-page banner at its right), both over the window's actions, and its status bar.
#pragma once

#include <functional>

#include "main_actions.h"

class QMainWindow;
class QMenu;
class QProgressBar;

namespace zv::app {

// Returns the tools menu, for the items added beside the actions.
QMenu* addMainMenus(QMainWindow& window, const MainWindowActions& actions);

void addMainToolBar(QMainWindow& window, const MainWindowActions& actions, const std::function<void()>& openHomePage);

// The status text and the progress bar of the archive intake, which is returned.
QProgressBar* addMainStatusBar(QMainWindow& window);

}  // namespace zv::app
