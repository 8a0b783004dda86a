#include "main_window.h"

#include <QCloseEvent>
#include <QMimeData>
#include <QVBoxLayout>

#include "data/error.h"
#include "data/sjis.h"
#include "drop_rule.h"
#include "header_panel.h"
#include "help_window.h"
#include "settings/developer_mode.h"
#include "ui/bet_lines_window.h"
#include "ui/horse_detail_window.h"
#include "ui/proxy_window.h"
#include "ui/race_grid_view.h"

namespace zv::app {

namespace {

void fillMissingFeedback(ui::UserFeedback& feedback) {
    const ui::UserFeedback system = ui::UserFeedback::system();
    if (!feedback.beep) feedback.beep = system.beep;
    if (!feedback.notice) feedback.notice = system.notice;
    if (!feedback.errorReport) feedback.errorReport = system.errorReport;
    if (!feedback.askYesAbort) feedback.askYesAbort = system.askYesAbort;
}

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget* parent) : QMainWindow(parent), setup_(std::move(setup)) {
    setObjectName(QStringLiteral("frmZV"));
    setWindowTitle(QStringLiteral("Zelvora!"));
    if (!setup_.clock) setup_.clock = zv::localNow;
    fillMissingFeedback(setup_.feedback);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    connectExportCommands();
    connect(actions_.download, &QAction::triggered, this, [this] { runCommand([this] { onDownload(); }); });

    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header_ = new HeaderPanel(centre);
    grid_ = new ui::RaceGridView(centre);
    grid_->hide();
    layout->addWidget(header_);
    layout->addWidget(grid_, 1);
    setCentralWidget(centre);
    connect(header_, &HeaderPanel::betIconClicked, this, [this] { runCommand([this] { onShowBetLines(); }); });
    connect(grid_, &ui::RaceGridView::headingClicked, this,
            [this](int column) { runCommand([this, column] { gridHeadingClicked(column); }); });
    connect(grid_, &ui::RaceGridView::linkActivated, this,
            [this](const QString& value) { runCommand([this, value] { onHorseNameLink(value); }); });

    // The width is fixed; only the height follows the user.
    setFixedWidth(750);
    setAcceptDrops(true);

    developerMode_ = settings::readDeveloperMode(setup_.programFile, setup_.dataFolder);
    for (QAction* item : {actions_.developerSeparator, actions_.copyHorseNames, actions_.copyRaceName,
                          actions_.allBetLineFiles, actions_.prAverageCsv}) {
        item->setVisible(developerMode_);
    }
    restoreSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::attachWindows(ui::HorseDetailWindow* detail, ui::BetLinesWindow* bets, ui::ProxyWindow* proxy) {
    detail_ = detail;
    bets_ = bets;
    proxyWindow_ = proxy;
    if (detail_) {
        connect(detail_, &ui::HorseDetailWindow::runnerSelected, this,
                [this](int index) { runCommand([this, index] { showDetailHorse(index); }); });
    }
    restoreToolWindowPositions();
}

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const Error& error) {
        setup_.feedback.errorReport(this, QString::fromStdString(toUtf8(error.message())));
    } catch (const std::exception& error) {
        setup_.feedback.errorReport(this, QString::fromLocal8Bit(error.what()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
    for (QWidget* window : {static_cast<QWidget*>(detail_), static_cast<QWidget*>(bets_)}) {
        if (window) window->hide();
    }
    emit closed();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    // The drop is taken whatever it holds; only a first file ending exactly in ".lzh" is opened.
    event->acceptProposedAction();
    if (const std::optional<QString> archive = archiveToOpenFromDrop(event->mimeData()->urls())) {
        const QString path = *archive;
        runCommand([this, path] { openArchive(path); });
    }
}

}  // namespace zv::app
