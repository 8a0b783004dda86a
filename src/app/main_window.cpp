#include "main_window.h"

#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProgressBar>
#include <QVBoxLayout>

#include "about_window.h"
#include "archive_choice.h"
#include "clipboard_copies.h"
#include "data/convert.h"
#include "data/error.h"
#include "data/race_name.h"
#include "data/sjis.h"
#include "demo/demo_day.h"
#include "download_command.h"
#include "empty_data_panel.h"
#include "focus_return.h"
#include "header_panel.h"
#include "help_window.h"
#include "main_bars.h"
#include "race_printer.h"
#include "report_card_command.h"
#include "settings/settings_store.h"
#include "ui/app_identity.h"
#include "ui/bet_lines_window.h"
#include "ui/cp932_text.h"
#include "ui/horse_detail_window.h"
#include "ui/race_grid_view.h"
#include "ui/save_folder.h"
#include "web_addresses.h"
#include "window_placement.h"

namespace zv::app {

namespace {

MainWindowSetup withSystemDefaults(MainWindowSetup setup) {
    setup.feedback = ui::UserFeedback::withSystemDefaults(std::move(setup.feedback));
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
                [this] { showNormal(), companions_.showHidden(); }, setup_.allRacesProgress, setup_.allRacesClock},
               this),
      actions_(createMainWindowActions(this)),
      height_(*this, actions_.rollUp) {
    setObjectName(QStringLiteral("frmZV"));
    setWindowTitle(ui::applicationTitle());
    addReportCardMenuItem(addMainMenus(*this, actions_), this, setup_.dataFolder, setup_.settings);
    addMainToolBar(
        *this, actions_, [] { openWebAddress(kSupportPageAddress); },
        [this](QWidget* button) { popUpRaceMenu(button->mapToGlobal(QPoint(0, button->height()))); });
    raceMenu_ = new QMenu(this);
    raceMenu_->setObjectName(QStringLiteral("popRace"));
    createCentre();
    session_.setListener([this](SessionChange change) { presentChange(change); });
    const MainStatusBar statusBar = addMainStatusBar(*this);
    placeText_ = statusBar.place;
    progressBar_ = statusBar.progressBar;
    connectCommands();
    // The width is fixed; only the height follows the user.
    setFixedWidth(750);
    setAcceptDrops(true);
    for (QAction* item : {actions_.developerSeparator, actions_.copyHorseNames, actions_.copyRaceName,
                          actions_.allBetLineFiles, actions_.prAverageCsv}) {
        item->setVisible(session_.developerMode());
    }
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
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    // From the menu or the keyboard the race menu opens at the grid's top-left corner.
    command(a.selectRace, [this] { popUpRaceMenu(grid_->mapToGlobal(QPoint(0, 0))); });
    command(a.previousRace, [this] {
        if (!session_.previous()) setup_.feedback.beep();
    });
    command(a.nextRace, [this] {
        if (!session_.next()) setup_.feedback.beep();
    });
    command(a.print, [this] { onPrint(); });
    command(a.betLineFile, [this] { exports_.exportBetLineFile(); });
    command(a.indexFile, [this] { exports_.exportIndexFile(); });
    command(a.allBetLineFiles, [this] { exports_.exportAllBetLines(); });
    command(a.prAverageCsv, [this] { exports_.exportPrAverageCsv(); });
    command(a.copyHorseNames, [this] {
        if (session_.developerMode()) copySelectedHorseNames(session_, *grid_);
    });
    connect(a.copyRaceName, &QAction::triggered, this, [this] {
        if (session_.developerMode() && !copyRaceName(session_)) setup_.feedback.beep();
    });
    command(a.help, [this] { showHelp(setup_.dataFolder, help_); });
    command(a.demo, [this] { loadDemoDay(); });
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
    connect(grid_, &ui::RaceGridView::linkActivated, this, [this](const QString& value) {
        static const std::string linkField = sj("馬番");
        runCommand([&] { companions_.openRunnerDetail(strictInt(ui::toCp932(value), linkField), true); });
    });
}

void MainWindow::attachWindows(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets) {
    companions_.attach(detail, bets);
    const settings::SettingsStore& store = *setup_.settings;
    if (detail) {
        connect(detail, &ui::HorseDetailWindow::runnerSelected, this,
                [this](int index) { runCommand([this, index] { companions_.showHorse(index); }); });
        const int width = store.readInt(settings::key::DetailWidth),
                  height = store.readInt(settings::key::DetailHeight);
        if (width > 0 && height > 0) detail->resize(width, height);
        restoreWindowPosition(store, detail, settings::key::DetailTop, settings::key::DetailLeft);
    }
    if (bets) restoreWindowPosition(store, bets, settings::key::KaimeTop, settings::key::KaimeLeft);
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
}

void MainWindow::openArchive(const QString& path) {
    // An all-races run reads the data set on its worker until it ends.
    if (exports_.running()) {
        setup_.feedback.beep();
        return;
    }
    const IntakeResult taken = session_.openArchive(ui::toPath(path), [this](int percent) {
        progressBar_->setValue(percent);
        progressBar_->repaint();
    });
    progressBar_->setValue(0);
    if (!taken.ok) setup_.feedback.notice(this, ui::fromCp932(taken.message));
}

void MainWindow::presentChange(SessionChange change) {
    const std::shared_ptr<const RaceResult> result = session_.result();
    emptyPanel_->setVisible(!session_.hasData());
    if (change == SessionChange::DataSet) return rebuildRaceMenu();
    if (change == SessionChange::Order) return grid_->refreshOrder(result);
    showPlace();
    grid_->showResult(result);
    header_->showResult(result.get());
    if (!result) {
        // The race cannot be shown: its titles stand over an empty grid.
        const int r = session_.currentRace();
        const RaceDataStore& store = session_.store();
        if (r >= 0 && r < store.raceCount) {
            const RaceHeader& race = store.headers[size_t(r)];
            header_->showTitles(ui::fromCp932(race.titleLine1), ui::fromCp932(race.titleLine2));
        }
        return;
    }
    if (grid_->isHidden()) {
        // The grid takes the empty panel's place and the keys with it.
        grid_->show();
        grid_->setFocus();
    }
    companions_.followRace();
}

void MainWindow::loadDemoDay() {
    // A data set already there (a bought day) is never replaced by the demo day.
    if (!writeDemoDayUnlessDataSet(setup_.dataFolder, 1)) {
        setup_.feedback.notice(
            this, QStringLiteral("データフォルダにはすでにレースデータがあります。デモデータは書き込みませんでした。"));
        if (!session_.hasData()) session_.loadDataFolder();
        return;
    }
    session_.loadDataFolder();
}

void MainWindow::popUpRaceMenu(const QPoint& at) {
    const QList<QAction*> items = raceMenu_->actions();
    if (items.isEmpty()) return setup_.feedback.beep();
    raceMenu_->popup(at);
    // The arrow keys start from the race on screen.
    const int race = session_.currentRace();
    if (race >= 0 && race < items.size()) raceMenu_->setActiveAction(items[race]);
}

void MainWindow::showPlace() {
    const int race = session_.currentRace();
    const RaceDataStore& store = session_.store();
    placeText_->setText(race >= 0 && race < store.raceCount ? ui::fromCp932(racePlaceText(store, race)) : QString());
    const QList<QAction*> items = raceMenu_->actions();
    for (int i = 0; i < items.size(); ++i) items[i]->setChecked(i == race);
}

void MainWindow::rebuildRaceMenu() {
    raceMenu_->clear();
    const RaceDataStore& store = session_.store();
    for (int race = 0; race < store.raceCount && race < kMaxRaces; ++race) {
        // A caption's "&" is a character of the title, not a mnemonic.
        QString caption = ui::fromCp932(store.headers[size_t(race)].menuTitle);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = raceMenu_->addAction(caption);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, race] { runCommand([this, race] { showRace(race); }); });
    }
}

void MainWindow::onPrint() {
    if (!session_.result() || grid_->isHidden()) {
        setup_.feedback.beep();
        return;
    }
    // Screen resolution keeps the grid's pixel and point fonts in the proportions of the screen.
    QPrinter printer(QPrinter::ScreenResolution);
    if (askPrinterSetup(this, setup_.printerSetup, printer)) printRaceOn(printer);
}

void MainWindow::printRaceOn(QPrinter& printer) {
    if (const std::shared_ptr<const RaceResult> result = session_.result())
        printRaceGrid(printer, printTitleLines(*result), *grid_, QDate::currentDate());
}

void MainWindow::onDownload() {
    DownloadCommand({setup_.settings, setup_.dataFolder, &proxy_, this, setup_.feedback,
                     [this](const QString& archive) { openArchive(archive); }})
        .run();
}

void MainWindow::restoreSettings() {
    height_.restore(*setup_.settings);
    ui::setLastSaveFolder(QString::fromStdString(setup_.settings->readText(settings::key::ExportDir)));
    proxy_ = readStoredProxy(*setup_.settings);
}

void MainWindow::saveSettings() {
    settings::SettingsStore& store = *setup_.settings;
    height_.save(store);
    if (ui::HorseDetailWindow* detail = companions_.detail()) {
        saveWindowPosition(store, detail, settings::key::DetailTop, settings::key::DetailLeft);
        store.writeInt(settings::key::DetailWidth, detail->width());
        store.writeInt(settings::key::DetailHeight, detail->height());
    }
    if (companions_.bets())
        saveWindowPosition(store, companions_.bets(), settings::key::KaimeTop, settings::key::KaimeLeft);
    writeStoredProxy(store, proxy_);
    store.writeText(settings::key::ExportDir, ui::lastSaveFolder().toStdString());
    store.sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
    companions_.hide();
    emit closed();
}

// Dropped files are copied from, never moved: the archive stays where the user keeps it.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls() || !(event->possibleActions() & Qt::CopyAction)) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!(event->possibleActions() & Qt::CopyAction)) return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event) {
    // The drop is taken whatever it holds; only a first file ending exactly in ".lzh" is opened.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (const std::optional<QString> archive = archiveToOpenFromDrop(event->mimeData()->urls())) {
        const QString path = *archive;
        runCommand([this, path] { openArchive(path); });
    }
}

}  // namespace zv::app
