// The main window: one race at a time in the race grid under a header panel, every command in
// its menus, tool bar and race-select pop-up, its size, place and the proxy restored at creation
// and saved at close. It lays out and wires: the race on screen lives in the race session, the
// exports and the download are command objects, and the horse detail and bet-line windows follow
// the race as companion windows.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "companion_windows.h"
#include "export_commands.h"
#include "library_windows.h"
#include "main_actions.h"
#include "main_bars.h"
#include "main_window_setup.h"
#include "race_menu.h"
#include "session/race_session.h"
#include "session/service_settings.h"
#include "ui/user_feedback.h"
#include "window_height.h"

class QPrinter;
class QLabel;
class QProgressBar;

namespace zv::settings {
class SettingsStore;
}
namespace zv::ui {
class RaceGridView;
}  // namespace zv::ui

namespace zv::app {

class HeaderPanel;
class HelpWindow;
class ReportCardCommand;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowSetup setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows created after the main window; their positions are restored here.
    void attachWindows(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets);

    // The start-up load: the archive of the command line, if any, then the data set of the data
    // folder when both the header and the horse file are there, showing race 0, or the race shown
    // at the last close when the data set is still the same. An unusable library is then named,
    // with the offer to make it again.
    void startUpLoad(const QString& archiveArgument);
    // Puts race r on screen; a race that cannot be computed throws its error and leaves the
    // window usable, with r as the current race.
    void showRace(int r) { session_.select(r); }
    // Takes in an archive and shows its race 0; problems are reported in a message box.
    void openArchive(const QString& path);
    // Shows race (0-based) of the kept day of date, with runner's row selected when runner > 0;
    // the data folder is left as it is.
    void showKeptDay(int date, int race = 0, int runner = 0);
    // Back to the data folder's day; a beep when it is on screen already.
    void showCurrentDay();
    void openRunnerDetail(int runnerNumber, bool show) { companions_.openRunnerDetail(runnerNumber, show); }
    void gridHeadingClicked(int column) { session_.clickHeader(column); }
    // Prints the race on screen on a printer that is set up already.
    void printRaceOn(QPrinter& printer);
    // Rolls the window up to its menu bar, or back down to restoreHeight.
    void setRolledUp(bool rolledUp) { height_.setRolledUp(rolledUp); }
    // Runs a command; an error escaping it is shown in a message box and the window carries on.
    void runCommand(const std::function<void()>& command);

    const MainWindowActions& actions() const { return actions_; }
    const RaceSession& session() const { return session_; }
    ui::ProgressWindow* progressWindow() const { return exports_.progressWindow(); }
    // An all-races export runs (it goes on after its command has returned).
    bool exportRunning() const { return exports_.running(); }
    int restoreHeight() const { return height_.restoreHeight(); }
    bool rolledUp() const { return height_.rolledUp(); }
    ui::RaceGridView* grid() const { return grid_; }
    HeaderPanel* headerPanel() const { return header_; }
    RaceMenu* raceSelectMenu() const { return raceMenu_; }
    QProgressBar* progressBar() const { return progressBar_; }
    HelpWindow* helpWindow() const { return help_.get(); }
    ReportCardCommand* reportCard() const { return reportCard_; }
    const LibraryWindows& libraryWindows() const { return library_; }
    QMenu* rowMenu() const { return rowMenu_; }
    StoredProxy& proxy() { return proxy_; }

signals:
    // The window has closed and saved its settings: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createCentre();
    void connectCommands();
    void restoreSettings();
    void saveSettings();
    // Draws a change of the session: the race menu, or the race into the header, the grid and
    // the open companion windows.
    void presentChange(SessionChange change);
    void popUpRaceMenu(const QPoint& at);
    // What a command did, in the status bar for a few seconds.
    void tellDone(const QString& message);
    // The status bar's place text, the race menu's check and the buttons follow the current race.
    void showPlace();
    void onPrint();
    void onDownload();

    MainWindowSetup setup_;
    RaceSession session_;
    HeaderPanel* header_;
    ui::RaceGridView* grid_;
    CompanionWindows companions_;
    ExportCommands exports_;
    MainWindowActions actions_;
    WindowHeight height_;
    StoredProxy proxy_;
    LibraryWindows library_;
    RaceMenu* raceMenu_ = nullptr;
    RaceButtons raceButtons_{};
    QMenu* rowMenu_ = nullptr;
    ReportCardCommand* reportCard_ = nullptr;
    QLabel* placeText_ = nullptr;
    QWidget* emptyPanel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    std::unique_ptr<HelpWindow> help_;  // a window of its own, without an owner
};

}  // namespace zv::app
