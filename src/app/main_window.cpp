#include "main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "about_window.h"
#include "archive_choice.h"
#include "clipboard_copies.h"
#include "data/error.h"
#include "demo_day_command.h"
#include "download_command.h"
#include "empty_data_panel.h"
#include "focus_return.h"
#include "forget_logins.h"
#include "header_panel.h"
#include "help_window.h"
#include "library_check.h"
#include "main_bars.h"
#include "own_mark_menu.h"
#include "race_printer.h"
#include "report_card_command.h"
#include "session/data_set_fingerprint.h"
#include "settings/settings_store.h"
#include "shown_day.h"
#include "ui/app_identity.h"
#include "ui/bet_lines_window.h"
#include "ui/cp932_text.h"
#include "ui/done_messages.h"
#include "ui/grid_roles.h"
#include "ui/horse_detail_window.h"
#include "ui/race_grid_view.h"
#include "ui/save_folder.h"
#include "web_addresses.h"

namespace zv::app {

namespace {

MainWindowSetup withSystemDefaults(MainWindowSetup setup) {
    setup.feedback = ui::UserFeedback::withSystemDefaults(std::move(setup.feedback));
    if (!setup.screenArea) setup.screenArea = primaryScreenArea;
    return setup;
}

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      setup_(withSystemDefaults(std::move(setup))),
      session_({setup_.dataFolder, setup_.programFile, setup_.clock}),
      header_(new HeaderPanel),
      grid_(new ui::RaceGridView),
      companions_(session_, *grid_),
      exports_({&session_, this, setup_.feedback, setup_.saveFileName, [this] { companions_.hide(), hide(); },
                [this] { showNormal(), companions_.showHidden(); }, setup_.allRacesProgress,
                [this](const QString& message) { tellDone(message); }, setup_.allRacesClock},
               this),
      actions_(createMainWindowActions(this)),
      height_(*this, actions_.rollUp),
      library_(session_, this, [this](int date, int race, int runner) {
          runCommand([this, date, race, runner] { showKeptDay(date, race, runner); });
      }) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(ui::applicationTitle());
    reportCard_ = new ReportCardCommand(addMainMenus(*this, actions_), this, setup_.dataFolder, setup_.settings,
                                        setup_.screenArea);
    raceButtons_ = addMainToolBar(
        *this, actions_, [] { openWebAddress(kSupportPageAddress); },
        [this](QWidget* button) { popUpRaceMenu(button->mapToGlobal(QPoint(0, button->height()))); });
    rowMenu_ = createRowMenu(this, actions_);
    raceMenu_ = new RaceMenu([this](int race) { runCommand([this, race] { showRace(race); }); }, this);
    createCentre();
    session_.setListener([this](SessionChange change) { presentChange(change); });
    const MainStatusBar statusBar = addMainStatusBar(*this);
    placeText_ = statusBar.place;
    progressBar_ = statusBar.progressBar;
    connectCommands();
    // The width is fixed; only the height follows the user.
    setFixedWidth(750);
    new ArchiveDropTarget(this,
                          [this](const QString& archive) { runCommand([this, archive] { openArchive(archive); }); });
    showDeveloperItems(actions_, session_.developerMode());
    showPlace();
    restoreSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::createCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    grid_->hide();
    emptyPanel_ = new EmptyDataPanel(actions_.open, actions_.download, actions_.demo, centre);
    layout->addWidget(header_);
    layout->addWidget(grid_, 1);
    layout->addWidget(emptyPanel_, 1);
    setCentralWidget(centre);
}

void MainWindow::connectCommands() {
    // Every command runs through runCommand, which shows an error escaping it.
    const auto command = [this](QAction* action, const std::function<void()>& handler) {
        connect(action, &QAction::triggered, this, [this, handler] { runCommand(handler); });
    };
    const MainWindowActions& a = actions_;
    command(a.download, [this] { onDownload(); });
    command(a.open, [this] {
        if (const QString file = chooseArchiveFile(this, *setup_.settings, ui::fromPath(setup_.dataFolder));
            !file.isEmpty())
            openArchive(file);
    });
    command(a.forgetLogins, [this] { forgetLogins(*setup_.settings, proxy_, setup_.feedback, this); });
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    // From the menu or the keyboard the race menu opens at the grid's top-left corner.
    command(a.selectRace, [this] { popUpRaceMenu(grid_->mapToGlobal(QPoint(0, 0))); });
    command(a.previousRace, [this] {
        if (!session_.previous()) setup_.feedback.beep();
    });
    command(a.nextRace, [this] {
        if (!session_.next()) setup_.feedback.beep();
    });
    command(a.chooseDay, [this] { library_.openDaySwitcher(); });
    command(a.returnToCurrentDay, [this] { showCurrentDay(); });
    command(a.findHorse, [this] { library_.openHorseSearch(); });
    command(a.print, [this] { onPrint(); });
    command(a.betLineFile, [this] { exports_.exportBetLineFile(); });
    command(a.indexFile, [this] { exports_.exportIndexFile(); });
    command(a.allBetLineFiles, [this] { exports_.exportAllBetLines(); });
    command(a.prAverageCsv, [this] { exports_.exportPrAverageCsv(); });
    command(a.copyRunners, [this] {
        if (!copySelectedRunners(session_, *grid_)) setup_.feedback.beep();
    });
    command(a.runnerDetail, [this] {
        if (const int runner = grid_->currentIndex().data(ui::RunnerNumberRole).toInt(); runner > 0)
            companions_.openRunnerDetail(runner, true);
    });
    connect(grid_, &ui::RaceGridView::rowMenuRequested, this, [this](const QPoint& at) { rowMenu_->popup(at); });
    connect(grid_, &ui::RaceGridView::ownMarkRequested, this,
            [this](int runner, int mark) { runCommand([this, runner, mark] { session_.setOwnMark(runner, mark); }); });
    addOwnMarkMenu(*rowMenu_, [this](int mark) {
        if (const int runner = grid_->currentIndex().data(ui::RunnerNumberRole).toInt(); runner > 0)
            runCommand([this, runner, mark] { session_.setOwnMark(runner, mark); });
    });
    command(a.copyHorseNames, [this] {
        if (session_.developerMode()) copySelectedHorseNames(session_, *grid_);
    });
    connect(a.copyRaceName, &QAction::triggered, this, [this] {
        if (session_.developerMode() && !copyRaceName(session_)) setup_.feedback.beep();
    });
    command(a.help, [this] { showHelp(setup_.dataFolder, help_); });
    command(a.demo, [this] {
        loadDemoDay(session_, setup_.feedback, this);
        if (session_.hasData()) tellDone(ui::dataSetTakenMessage(session_.store()));
    });
    connect(a.supportPage, &QAction::triggered, this, [] { openWebAddress(kSupportPageAddress); });
    connect(a.dataServicePage, &QAction::triggered, this, [] { openWebAddress(kDataServiceAddress); });
    command(a.version, [this] { (new AboutWindow(this))->execFadingIn(); });
    const auto openBetLines = [this] {
        if (session_.result() && !grid_->isHidden())
            companions_.openBetLines();
        else
            setup_.feedback.beep();
    };
    connect(header_, &HeaderPanel::betIconClicked, this, openBetLines);
    command(a.betLines, openBetLines);
    connect(grid_, &ui::RaceGridView::runnerDetailRequested, this,
            [this](int runner) { runCommand([this, runner] { companions_.openRunnerDetail(runner, true); }); });
    connect(grid_, &ui::RaceGridView::headingClicked, this, [this](int column) { session_.clickHeader(column); });
}

void MainWindow::attachWindows(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets) {
    companions_.attach(detail, bets);
    companions_.restorePlacement(*setup_.settings, setup_.screenArea());
    if (detail) {
        connect(detail, &ui::HorseDetailWindow::runnerSelected, this,
                [this](int index) { runCommand([this, index] { companions_.showHorse(index); }); });
        connect(detail, &ui::HorseDetailWindow::noteEdited, this, [this](const QString& horse, const QString& text) {
            runCommand([&] { session_.setHorseNote(horse.toStdString(), text.toStdString()); });
        });
    }
    for (QWidget* window : {static_cast<QWidget*>(detail), static_cast<QWidget*>(bets)}) {
        if (window) returnFocusWhenHidden(window, grid_);
    }
}

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        setup_.feedback.errorReport(this, ui::errorText(error));
    }
}

void MainWindow::startUpLoad(const QString& archiveArgument) {
    if (!archiveArgument.isEmpty()) runCommand([&] { openArchive(archiveArgument); });
    runCommand([this] { session_.loadDataFolder(); });
    runCommand([this] {
        offerLibraryRebuild(
            {setup_.dataFolder, setup_.feedback, this, progressBar_, [this](const QString& done) { tellDone(done); }});
    });
    const settings::SettingsStore& store = *setup_.settings;
    const int race = store.readInt(settings::key::LastRace);
    const bool sameDataSet =
        session_.hasData() && store.readText(settings::key::LastDataSet) == dataSetFingerprint(session_.store());
    if (sameDataSet && race > 0 && race < session_.store().raceCount) runCommand([this, race] { showRace(race); });
}

void MainWindow::openArchive(const QString& path) {
    const IntakeResult taken = session_.openArchive(ui::toPath(path), [this](int percent) {
        progressBar_->setValue(percent);
        progressBar_->repaint();
    });
    progressBar_->setValue(0);
    if (!taken) return setup_.feedback.notice(this, QString::fromStdString(taken.failure().message));
    tellDone(ui::dataSetTakenMessage(session_.store()));
}

void MainWindow::showKeptDay(int date, int race, int runner) {
    session_.showKeptDay(date, race);
    if (runner > 0) companions_.openRunnerDetail(runner, false);
}

void MainWindow::showCurrentDay() {
    if (!session_.keptDayShown()) return setup_.feedback.beep();
    session_.showDataFolder();
}

void MainWindow::tellDone(const QString& message) { ui::showDoneMessage(statusBar(), message); }

void MainWindow::presentChange(SessionChange change) {
    const std::shared_ptr<const RaceResult> result = session_.result();
    emptyPanel_->setVisible(!session_.hasData());
    if (change == SessionChange::DataSet) {
        setWindowTitle(shownDayTitle(session_));
        return raceMenu_->rebuild(session_.store());
    }
    // Back to a data folder without data: the empty panel takes the grid's place again.
    if (!session_.hasData()) grid_->hide();
    if (change == SessionChange::Order) return grid_->refreshOrder(result);
    if (change == SessionChange::Marks) {
        grid_->refreshMarks(result);
        return companions_.followMarks();
    }
    showPlace();
    grid_->showResult(result);
    header_->showResult(result.get());
    if (!result) {
        // The race cannot be shown: its titles stand over an empty grid.
        if (const RaceHeader* race = session_.currentHeader())
            header_->showTitles(ui::fromCp932(race->titleLine1), ui::fromCp932(race->titleLine2));
        return;
    }
    if (grid_->isHidden()) {
        // The grid takes the empty panel's place and the keys with it.
        grid_->show();
        grid_->setFocus();
    }
    companions_.followRace();
}

void MainWindow::popUpRaceMenu(const QPoint& at) {
    if (!raceMenu_->popUpAt(at, session_.currentRace())) setup_.feedback.beep();
}

void MainWindow::showPlace() {
    const int race = session_.currentRace();
    placeText_->setText(shownPlaceText(session_));
    raceMenu_->check(race);
    enableRaceButtons(raceButtons_, race, session_.store().raceCount, session_.result() != nullptr);
}

void MainWindow::onPrint() {
    const std::shared_ptr<const RaceResult> result = session_.result();
    if (!result || grid_->isHidden()) return setup_.feedback.beep();
    printRaceAfterSetup(this, setup_.printerSetup, *result, *grid_);
}

void MainWindow::printRaceOn(QPrinter& printer) {
    if (const std::shared_ptr<const RaceResult> result = session_.result()) printRace(printer, *result, *grid_);
}

void MainWindow::onDownload() {
    DownloadCommand({setup_.settings, setup_.dataFolder, &proxy_, this, setup_.feedback,
                     [this](const QString& archive) { openArchive(archive); }})
        .run();
}

void MainWindow::restoreSettings() {
    height_.restore(*setup_.settings, setup_.screenArea());
    ui::setLastSaveFolder(QString::fromStdString(setup_.settings->readText(settings::key::ExportDir)));
    proxy_ = readStoredProxy(*setup_.settings);
}

void MainWindow::saveSettings() {
    settings::SettingsStore& store = *setup_.settings;
    height_.save(store);
    companions_.savePlacement(store);
    reportCard_->save(store);
    writeStoredProxy(store, proxy_);
    store.writeText(settings::key::ExportDir, ui::lastSaveFolder().toStdString());
    store.writeText(settings::key::LastDataSet, dataSetFingerprint(session_.store()));
    store.writeInt(settings::key::LastRace, session_.currentRace());
    store.sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exports_.running()) {
        // The run stops after its race in progress; the window closes once it has.
        event->ignore();
        return exports_.abortRun([this] { close(); });
    }
    saveSettings();
    event->accept();
    companions_.hide();
    emit closed();
}

}  // namespace zv::app
