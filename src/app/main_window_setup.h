// What the main window is created with: its folders and settings, and the seams the tests use in
// place of the clock, the message boxes and the dialogs.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "export_commands.h"
#include "predict/calendar.h"
#include "ui/user_feedback.h"
#include "window_placement.h"

class QPrinter;
class QWidget;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

struct MainWindowSetup {
    std::filesystem::path dataFolder;             // where archives are unpacked and the data set is read
    std::filesystem::path programFile;            // its path + ".ini" holds the developer flag
    settings::SettingsStore* settings = nullptr;  // must outlive the window
    std::function<LocalDateTime()> clock;         // "now" for the engine; the local clock when empty
    ui::UserFeedback feedback;                    // beep and message boxes; the real ones where empty
    SaveFileChooser saveFileName;                 // the exports' save dialog; the real one when empty
    // The printer setup dialog: false when cancelled; the real one when empty.
    std::function<bool(QWidget* parent, QPrinter& printer)> printerSetup;
    // Told on the worker thread after each race of an all-races run (tests press Abort here).
    std::function<void(int percent)> allRacesProgress;
    RunClock allRacesClock;  // times the all-races runs; the steady clock when empty
    ScreenArea screenArea;   // where restored windows must fit; the primary screen's when empty
};

}  // namespace zv::app
