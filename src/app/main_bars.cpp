#include "main_bars.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "tool_icons.h"

namespace zv::app {

QMenu* addMainMenus(QMainWindow& window, const MainWindowActions& actions) {
    const MainWindowActions& a = actions;
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({a.download, a.open});
    file->addSeparator();
    file->addAction(a.print);
    file->addSeparator();
    file->addAction(a.forgetLogins);
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* race = bar->addMenu(QStringLiteral("レース(&R)"));
    race->addAction(a.selectRace);
    race->addSeparator();
    race->addActions({a.previousRace, a.nextRace});
    race->addSeparator();
    race->addActions({a.chooseDay, a.returnToCurrentDay});

    QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
    tools->addActions({a.print, a.betLines, a.betLineFile, a.indexFile, a.findHorse, a.developerSeparator,
                       a.copyHorseNames, a.copyRaceName, a.allBetLineFiles, a.prAverageCsv});

    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(a.help);
    help->addAction(a.demo);
    help->addSeparator();
    QMenu* pages = help->addMenu(QStringLiteral("ホームページ(&H)..."));
    pages->addActions({a.supportPage, a.dataServicePage});
    help->addSeparator();
    help->addAction(a.version);

    // The roll-up button at the right of the menu bar, standing in for the frame's caption button.
    auto* rollUp = new QToolButton(&window);
    rollUp->setObjectName(QStringLiteral("rollUpButton"));
    rollUp->setDefaultAction(a.rollUp);
    rollUp->setAutoRaise(true);
    // Like the caption button it stands in for, it never takes the keys from the grid.
    rollUp->setFocusPolicy(Qt::NoFocus);
    bar->setCornerWidget(rollUp, Qt::TopRightCorner);
    return tools;
}

RaceButtons addMainToolBar(QMainWindow& window, const MainWindowActions& actions,
                           const std::function<void()>& openHomePage,
                           const std::function<void(QWidget*)>& popUpRaceMenuUnder) {
    QToolBar* bar = window.addToolBar(QStringLiteral("mainToolBar"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setFixedHeight(30);
    const auto button = [&](QAction* action, ToolIcon icon, const QString& hint) {
        // The tool-bar button shares the command but carries its own picture and hint.
        auto* tool = new QToolButton(bar);
        auto* proxy = new QAction(toolIcon(icon), hint, tool);
        if (action == actions.selectRace) {
            QObject::connect(proxy, &QAction::triggered, tool,
                             [tool, popUpRaceMenuUnder] { popUpRaceMenuUnder(tool); });
        } else {
            QObject::connect(proxy, &QAction::triggered, action, &QAction::trigger);
        }
        tool->setDefaultAction(proxy);
        tool->setFixedSize(26, 26);
        bar->addWidget(tool);
        return proxy;
    };
    button(actions.download, ToolIcon::Download, QStringLiteral("BVOデータをダウンロードして読み込む"));
    button(actions.open, ToolIcon::Open, QStringLiteral("既存のBVOデータを読み込む"));
    bar->addSeparator();
    RaceButtons raceButtons{};
    raceButtons.selectRace = button(actions.selectRace, ToolIcon::SelectRace, QStringLiteral("予想レースの選択"));
    raceButtons.previousRace = button(actions.previousRace, ToolIcon::Previous, QStringLiteral("前のレース"));
    raceButtons.nextRace = button(actions.nextRace, ToolIcon::Next, QStringLiteral("次のレース"));
    bar->addSeparator();
    raceButtons.print = button(actions.print, ToolIcon::Print, QStringLiteral("印刷"));
    bar->addSeparator();
    button(actions.help, ToolIcon::Help, QStringLiteral("ヘルプを表示"));

    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    // A push button: the tool bar would shrink a tool button's picture to its own icon size.
    auto* banner = new QPushButton(bar);
    banner->setObjectName(QStringLiteral("homePageBanner"));
    banner->setFlat(true);
    banner->setIcon(QIcon(homePageBanner()));
    banner->setIconSize(QSize(200, 26));
    banner->setFixedSize(200, 26);
    banner->setToolTip(QStringLiteral("Zelvora!のホームページ"));
    banner->setCursor(Qt::PointingHandCursor);
    banner->setFocusPolicy(Qt::NoFocus);
    QObject::connect(banner, &QPushButton::clicked, &window, openHomePage);
    bar->addWidget(banner);
    return raceButtons;
}

void enableRaceButtons(const RaceButtons& buttons, int race, int raceCount, bool raceShown) {
    const bool data = raceCount > 0;
    buttons.selectRace->setEnabled(data);
    buttons.previousRace->setEnabled(data && race > 0);
    buttons.nextRace->setEnabled(data && race + 1 < raceCount);
    buttons.print->setEnabled(data && raceShown);
}

QMenu* createRowMenu(QWidget* window, const MainWindowActions& actions) {
    auto* menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("rowMenu"));
    menu->addActions({actions.runnerDetail, actions.betLines, actions.copyRunners});
    return menu;
}

MainStatusBar addMainStatusBar(QMainWindow& window) {
    auto* statusText = new QLabel(&window);
    statusText->setObjectName(QStringLiteral("statusText"));
    statusText->setFixedWidth(550);
    auto* progressBar = new QProgressBar(&window);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setFixedWidth(192);
    progressBar->setTextVisible(false);
    QStatusBar* bar = window.statusBar();
    bar->addWidget(statusText);
    bar->addPermanentWidget(progressBar);
    bar->setFixedHeight(21);
    bar->setSizeGripEnabled(false);
    return {statusText, progressBar};
}

}  // namespace zv::app
