// ツール → 成績集計...: opens the report card window beside the main window, over the library of the
// data folder by default. The window is made at the first opening and kept: closing hides it with its inputs and
// results. Its place, size and inputs are kept in the settings; when a restart finds the inputs of the last finished
// count and that count was quick, the window counts them again as it opens.
#pragma once

#include <QObject>
#include <filesystem>

#include "window_placement.h"

class QAction;
class QMenu;
class QWidget;

namespace zv::settings {
class SettingsStore;
}
namespace zv::ui {
class ReportCardWindow;
}

namespace zv::app {

// A count that took no longer than this is done again when the window opens after a restart.
inline constexpr qint64 kQuickCountMilliseconds = 3000;

class ReportCardCommand : public QObject {
    Q_OBJECT
public:
    // Adds the menu item to tools. settings (may be null) must outlive the command.
    ReportCardCommand(QMenu* tools, QWidget* mainWindow, std::filesystem::path dataFolder,
                      settings::SettingsStore* settings, ScreenArea screenArea);

    void open();
    QAction* action() const { return action_; }
    // Null until the first opening.
    ui::ReportCardWindow* window() const { return window_; }
    // The window's place, size, inputs and last count; nothing before the first opening.
    void save(settings::SettingsStore& store) const;

private:
    void create();

    QWidget* mainWindow_;
    std::filesystem::path dataFolder_;
    settings::SettingsStore* settings_;
    ScreenArea screenArea_;
    QAction* action_;
    ui::ReportCardWindow* window_ = nullptr;  // a child of the main window
};

}  // namespace zv::app
