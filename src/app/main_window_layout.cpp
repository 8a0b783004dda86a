// The main window's menus, tool bar and status bar.
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "main_window.h"
#include "report_card_command.h"
#include "tool_icons.h"
#include "web_addresses.h"

namespace zv::app {

namespace {

QAction* makeAction(QObject* owner, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

}  // namespace

void MainWindow::createActions() {
    MainWindowActions& a = actions_;
    a.download = makeAction(this, "mnuDownload", QStringLiteral("BVOデータをダウンロードして読み込む(&D)..."),
                            QKeySequence(Qt::CTRL | Qt::Key_D));
    a.open = makeAction(this, "mnuOpen", QStringLiteral("既存のBVOデータを読み込む(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    a.exit = makeAction(this, "mnuExit", QStringLiteral("Zelvora!を終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    a.selectRace = makeAction(this, "mnuSelect", QStringLiteral("予想レースの選択(&S)..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    a.previousRace = makeAction(this, "mnuPrev", QStringLiteral("前のレース(&B)"), QKeySequence(Qt::CTRL | Qt::Key_B));
    a.nextRace = makeAction(this, "mnuNext", QStringLiteral("次のレース(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    a.print = makeAction(this, "mnuPrint", QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    a.betLineFile = makeAction(this, "popKaimeFile", QStringLiteral("BrevanneRXシリーズ用買い目ファイルを出力(&G)..."),
                               QKeySequence(Qt::CTRL | Qt::Key_G));
    a.indexFile = makeAction(this, "popGaibuShisu", QStringLiteral("BrevanneRX4用外部指数ファイルを出力(&I)..."),
                             QKeySequence(Qt::CTRL | Qt::Key_I));
    a.developerSeparator = new QAction(this);
    a.developerSeparator->setSeparator(true);
    a.copyHorseNames = makeAction(this, "mnuCopyBamei", QStringLiteral("選択行の馬名をコピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    a.copyRaceName = makeAction(this, "mnuCopyRace", QStringLiteral("レース名をコピー(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R));
    a.allBetLineFiles = makeAction(this, "mnuKaimeAll", QStringLiteral("買い目ファイルの一括出力(&K)"), QKeySequence(Qt::CTRL | Qt::Key_K));
    a.prAverageCsv = makeAction(this, "mnuCSV", QStringLiteral("PR平均のCSV一括出力(&V)"), QKeySequence(Qt::CTRL | Qt::Key_V));
    a.help = makeAction(this, "mnuHelp", QStringLiteral("ヘルプを表示(&H)"), QKeySequence(Qt::Key_F1));
    a.supportPage = makeAction(this, "mnuSupport", QStringLiteral("ソフトの購入・サポート(&S)"));
    a.dataServicePage = makeAction(this, "mnuBrevanne", QStringLiteral("BrevanneOnLine(&B)"));
    a.version = makeAction(this, "mnuVersion", QStringLiteral("バージョン情報(&A)..."));
    a.rollUp = makeAction(this, "mnuRollUp", QStringLiteral("▲"));
    a.rollUp->setToolTip(QStringLiteral("ロールアップ"));
    a.rollUp->setCheckable(true);

    // The grid must not take the short-cuts for itself: they work wherever the focus is.
    for (QAction* action : {a.download, a.open, a.exit, a.selectRace, a.previousRace, a.nextRace, a.print,
                            a.betLineFile, a.indexFile, a.copyHorseNames, a.copyRaceName, a.allBetLineFiles,
                            a.prAverageCsv, a.help}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }

    connect(a.open, &QAction::triggered, this, [this] { runCommand([this] { onOpen(); }); });
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.selectRace, &QAction::triggered, this, [this] { runCommand([this] { onSelectRace(); }); });
    connect(a.previousRace, &QAction::triggered, this, [this] { runCommand([this] { onPreviousRace(); }); });
    connect(a.nextRace, &QAction::triggered, this, [this] { runCommand([this] { onNextRace(); }); });
    connect(a.copyHorseNames, &QAction::triggered, this, [this] { runCommand([this] { onCopyHorseNames(); }); });
    connect(a.copyRaceName, &QAction::triggered, this, [this] { runCommand([this] { onCopyRaceName(); }); });
    connect(a.help, &QAction::triggered, this, [this] { runCommand([this] { onHelp(); }); });
    connect(a.supportPage, &QAction::triggered, this, [this] { openWebAddress(kSupportPageAddress); });
    connect(a.dataServicePage, &QAction::triggered, this, [this] { openWebAddress(kDataServiceAddress); });
    connect(a.version, &QAction::triggered, this, [this] { runCommand([this] { onVersion(); }); });
    connect(a.rollUp, &QAction::toggled, this, &MainWindow::setRolledUp);
}

void MainWindow::createMenus() {
    const MainWindowActions& a = actions_;
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({a.download, a.open});
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* race = menuBar()->addMenu(QStringLiteral("レース(&R)"));
    race->addAction(a.selectRace);
    race->addSeparator();
    race->addActions({a.previousRace, a.nextRace});

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    tools->addActions({a.print, a.betLineFile, a.indexFile, a.developerSeparator, a.copyHorseNames, a.copyRaceName,
                       a.allBetLineFiles, a.prAverageCsv});
    addReportCardMenuItem(tools, this, setup_.dataFolder, setup_.settings);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(a.help);
    help->addSeparator();
    QMenu* pages = help->addMenu(QStringLiteral("ホームページ(&H)..."));
    pages->addActions({a.supportPage, a.dataServicePage});
    help->addSeparator();
    help->addAction(a.version);

    // The roll-up button at the right of the menu bar, standing in for the frame's caption button.
    rollUpButton_ = new QToolButton(this);
    rollUpButton_->setObjectName(QStringLiteral("btnRollUp"));
    rollUpButton_->setDefaultAction(a.rollUp);
    rollUpButton_->setAutoRaise(true);
    menuBar()->setCornerWidget(rollUpButton_, Qt::TopRightCorner);

    raceMenu_ = new QMenu(this);
    raceMenu_->setObjectName(QStringLiteral("popRace"));
}

void MainWindow::createToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setFixedHeight(30);
    const auto button = [&](QAction* action, ToolIcon icon, const QString& hint) {
        // The tool-bar button shares the command but carries its own picture and hint.
        auto* tool = new QToolButton(bar);
        auto* proxy = new QAction(toolIcon(icon), hint, tool);
        connect(proxy, &QAction::triggered, action, &QAction::trigger);
        tool->setDefaultAction(proxy);
        tool->setFixedSize(26, 26);
        bar->addWidget(tool);
    };
    button(actions_.download, ToolIcon::Download, QStringLiteral("BVOデータをダウンロードして読み込む"));
    button(actions_.open, ToolIcon::Open, QStringLiteral("既存のBVOデータを読み込む"));
    bar->addSeparator();
    button(actions_.selectRace, ToolIcon::SelectRace, QStringLiteral("予想レースの選択"));
    button(actions_.previousRace, ToolIcon::Previous, QStringLiteral("前のレース"));
    button(actions_.nextRace, ToolIcon::Next, QStringLiteral("次のレース"));
    bar->addSeparator();
    button(actions_.print, ToolIcon::Print, QStringLiteral("印刷"));
    bar->addSeparator();
    button(actions_.help, ToolIcon::Help, QStringLiteral("ヘルプを表示"));

    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    // A push button: the tool bar would shrink a tool button's picture to its own icon size.
    auto* banner = new QPushButton(bar);
    banner->setObjectName(QStringLiteral("imgHomePage"));
    banner->setFlat(true);
    banner->setIcon(QIcon(homePageBanner()));
    banner->setIconSize(QSize(200, 26));
    banner->setFixedSize(200, 26);
    banner->setToolTip(QStringLiteral("Zelvora!のホームページ"));
    banner->setCursor(Qt::PointingHandCursor);
    banner->setFocusPolicy(Qt::NoFocus);
    connect(banner, &QPushButton::clicked, this, [this] { openWebAddress(kSupportPageAddress); });
    bar->addWidget(banner);
}

void MainWindow::createStatusBar() {
    statusText_ = new QLabel(this);
    statusText_->setObjectName(QStringLiteral("pnlStatus"));
    statusText_->setFixedWidth(550);
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("Gauge1"));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setFixedWidth(192);
    progressBar_->setTextVisible(false);
    statusBar()->addWidget(statusText_);
    statusBar()->addPermanentWidget(progressBar_);
    statusBar()->setFixedHeight(21);
    statusBar()->setSizeGripEnabled(false);
}

}  // namespace zv::app
