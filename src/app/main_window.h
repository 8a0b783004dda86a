// The main window: one race at a time in the race grid under a header panel, every
// command in its menus, tool bar and race-select pop-up, the settings restored at creation and
// saved at close. It owns the data set, the race on screen and the proxy settings; the detail,
// bet-line and proxy windows reach them through it.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "data/store.h"
#include "export/batch_run.h"
#include "predict/race_result.h"
#include "service_prompts.h"
#include "ui/proxy_settings.h"
#include "ui/user_feedback.h"

class QLabel;
class QMenu;
class QPrinter;
class QProgressBar;
class QToolButton;

namespace zv::settings {
class SettingsStore;
}
namespace zv::ui {
class RaceGridView;
class BetLinesWindow;
class ProxyWindow;
class ProgressWindow;
class HorseDetailWindow;
}  // namespace zv::ui

namespace zv::app {

class HeaderPanel;
class HelpWindow;

// What the main window is created with.
struct MainWindowSetup {
    std::filesystem::path dataFolder;    // where archives are unpacked and the data set is read
    std::filesystem::path programFile;   // its path + ".ini" holds the developer flag
    settings::SettingsStore* settings = nullptr;  // must outlive the window
    std::function<LocalDateTime()> clock;  // "now" for the engine; the local clock when empty
    ui::UserFeedback feedback;           // beep and message boxes; the real ones when empty
    ServicePrompts servicePrompts;       // message boxes of the download chain; the real ones when empty
    // The exports' save dialog: the chosen file, or empty when cancelled; the real one when empty.
    std::function<QString(QWidget* parent, const QString& proposedName, const QString& filter, const QString& suffix)>
        saveFileName;
    // The printer setup dialog: false when cancelled; the real one when empty.
    std::function<bool(QWidget* parent, QPrinter& printer)> printerSetup;
};

// The commands of the menus and tool bar, for the windows and tests that trigger them.
struct MainWindowActions {
    QAction* download = nullptr;
    QAction* open = nullptr;
    QAction* exit = nullptr;
    QAction* selectRace = nullptr;
    QAction* previousRace = nullptr;
    QAction* nextRace = nullptr;
    QAction* print = nullptr;
    QAction* betLineFile = nullptr;
    QAction* indexFile = nullptr;
    QAction* developerSeparator = nullptr;
    QAction* copyHorseNames = nullptr;
    QAction* copyRaceName = nullptr;
    QAction* allBetLineFiles = nullptr;
    QAction* prAverageCsv = nullptr;
    QAction* help = nullptr;
    QAction* supportPage = nullptr;
    QAction* dataServicePage = nullptr;
    QAction* version = nullptr;
    QAction* rollUp = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowSetup setup, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows created after the main window; their positions are restored here.
    void attachWindows(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets, ui::ProxyWindow* proxy);

    // The start-up load: the archive of the command line, if any, then the data set of the data
    // folder when both the header and the horse file are there, showing race 0.
    void startUpLoad(const QString& archiveArgument);

    // Puts race r on screen. A race that cannot be computed shows its error and leaves the window
    // usable, with r as the current race.
    void showRace(int r);
    // Takes in an archive and shows its race 0; problems are reported in a message box.
    void openArchive(const QString& path);
    // Fills the detail window's runner list and selects the runner; shows the window when asked.
    void openRunnerDetail(int runnerNumber, bool show);
    // A heading click of the race grid.
    void gridHeadingClicked(int column);

    // Runs a command; an error escaping it is shown in a message box and the window carries on.
    void runCommand(const std::function<void()>& command);

    const MainWindowActions& actions() const { return actions_; }
    const RaceDataStore& store() const { return store_; }
    const std::optional<RaceResult>& currentResult() const { return result_; }
    int currentRace() const { return currentRace_; }
    int sortColumn() const { return sortColumn_; }
    bool developerMode() const { return developerMode_; }
    int restoreHeight() const { return restoreHeight_; }
    bool rolledUp() const { return rolledUp_; }
    ui::RaceGridView* grid() const { return grid_; }
    HeaderPanel* headerPanel() const { return header_; }
    QMenu* raceSelectMenu() const { return raceMenu_; }
    QProgressBar* progressBar() const { return progressBar_; }
    HelpWindow* helpWindow() const { return help_.get(); }
    ui::ProxySettings& proxy() { return proxy_; }
    const std::filesystem::path& dataFolder() const { return setup_.dataFolder; }

    // The exports and printing (main_window_exports.cpp, main_window_print.cpp).
    void onExportBetLineFile();
    void onExportAllBetLines();
    void onExportIndexFile();
    void onExportPrAverageCsv();
    void onPrint();
    // Prints the race on screen on a printer that is set up already.
    void printRaceOn(QPrinter& printer);
    // The progress window of the batch run going on, or nullptr.
    ui::ProgressWindow* progressWindow() const;

    // Rolls the window up to its menu bar, or back down to restoreHeight.
    void setRolledUp(bool rolledUp);

signals:
    // The window has closed and saved its settings: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Layout (main_window_layout.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    // Settings (main_window_settings.cpp).
    void restoreSettings();
    void restoreToolWindowPositions();
    void saveSettings();
    // The download chain (main_window_download.cpp).
    void onDownload();
    // Commands (main_window_commands.cpp).
    void onOpen();
    void onSelectRace();
    void onPreviousRace();
    void onNextRace();
    void onCopyHorseNames();
    void onCopyRaceName();
    void onHelp();
    void onVersion();
    void onShowBetLines();
    void openWebAddress(const char* address);
    // The race on screen (main_window_race.cpp).
    void rebuildRaceMenu();
    void clearRace();
    void fillBetWindow();
    void onHorseNameLink(const QString& value);
    void showDetailHorse(int index);
    // Exports (main_window_exports.cpp).
    void connectExportCommands();
    bool dataSetLoaded();
    QString askSaveFile(const QString& proposedName, const QString& filter, const QString& suffix);
    // The all-races run behind the progress window: hides the windows, runs, and always shows the
    // race and the windows of before again, also when the run throws.
    void runBatchWindows(const std::function<void(const BatchRunOptions&)>& run, bool fullBarAtEnd);

    MainWindowSetup setup_;
    MainWindowActions actions_;
    RaceDataStore store_;
    std::optional<RaceResult> result_;
    int currentRace_ = -1;
    int sortColumn_ = kColRunner;
    bool developerMode_ = false;
    int restoreHeight_ = 700;
    bool rolledUp_ = false;
    ui::ProxySettings proxy_;

    HeaderPanel* header_ = nullptr;
    ui::RaceGridView* grid_ = nullptr;
    QMenu* raceMenu_ = nullptr;
    QLabel* statusText_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QToolButton* rollUpButton_ = nullptr;
    std::unique_ptr<HelpWindow> help_;  // a window of its own, without an owner
    ui::HorseDetailWindow* detail_ = nullptr;
    ui::BetLinesWindow* bets_ = nullptr;
    ui::ProxyWindow* proxyWindow_ = nullptr;
    ui::ProgressWindow* progress_ = nullptr;  // destroys itself when closed
    bool abortRequested_ = false;
};

}  // namespace zv::app
