#include "main_actions.h"

#include <QAction>
#include <QWidget>

namespace zv::app {

namespace {

QAction* makeAction(QObject* owner, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    // Every menu shows the key beside the item, the row menu too, whatever the desktop prefers.
    action->setShortcutVisibleInContextMenu(true);
    return action;
}

}  // namespace

MainWindowActions createMainWindowActions(QWidget* window) {
    MainWindowActions a;
    a.download = makeAction(window, "downloadAction", QStringLiteral("BVOデータをダウンロードして読み込む(&D)..."),
                            QKeySequence(Qt::CTRL | Qt::Key_D));
    a.open = makeAction(window, "openArchiveAction", QStringLiteral("既存のBVOデータを読み込む(&O)..."),
                        QKeySequence(Qt::CTRL | Qt::Key_O));
    a.forgetLogins = makeAction(window, "forgetLoginsAction", QStringLiteral("ログイン情報を消去(&E)..."));
    a.exit =
        makeAction(window, "exitAction", QStringLiteral("Zelvora!を終了(&X)"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    a.selectRace = makeAction(window, "selectRaceAction", QStringLiteral("予想レースの選択(&S)..."),
                              QKeySequence(Qt::CTRL | Qt::Key_S));
    a.previousRace =
        makeAction(window, "previousRaceAction", QStringLiteral("前のレース(&B)"), QKeySequence(Qt::CTRL | Qt::Key_B));
    a.nextRace =
        makeAction(window, "nextRaceAction", QStringLiteral("次のレース(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    a.chooseDay = makeAction(window, "chooseDayAction", QStringLiteral("開催日を選ぶ(&D)..."),
                             QKeySequence(Qt::CTRL | Qt::Key_E));
    a.returnToCurrentDay = makeAction(window, "returnToCurrentDayAction", QStringLiteral("現在のデータに戻る(&C)"),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    a.print = makeAction(window, "printAction", QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    a.betLines = makeAction(window, "betLinesAction", QStringLiteral("買い目の詳細を表示(&L)..."),
                            QKeySequence(Qt::CTRL | Qt::Key_L));
    a.betLineFile =
        makeAction(window, "betLineFileAction", QStringLiteral("BrevanneRXシリーズ用買い目ファイルを出力(&G)..."),
                   QKeySequence(Qt::CTRL | Qt::Key_G));
    a.indexFile = makeAction(window, "indexFileAction", QStringLiteral("BrevanneRX4用外部指数ファイルを出力(&I)..."),
                             QKeySequence(Qt::CTRL | Qt::Key_I));
    a.findHorse =
        makeAction(window, "findHorseAction", QStringLiteral("馬を探す(&F)..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    // The grid opens the detail on Enter itself; the menu only shows the key.
    a.runnerDetail = makeAction(window, "runnerDetailAction", QStringLiteral("詳細(&D)\tEnter"));
    a.copyRunners = makeAction(window, "copyRunnersAction", QStringLiteral("コピー(&C)"), QKeySequence::Copy);
    a.developerSeparator = new QAction(window);
    a.developerSeparator->setSeparator(true);
    a.copyHorseNames = makeAction(window, "copyHorseNamesAction", QStringLiteral("選択行の馬名をコピー(&C)"),
                                  QKeySequence(Qt::CTRL | Qt::Key_C));
    a.copyRaceName = makeAction(window, "copyRaceNameAction", QStringLiteral("レース名をコピー(&R)"),
                                QKeySequence(Qt::CTRL | Qt::Key_R));
    a.allBetLineFiles = makeAction(window, "allBetLineFilesAction", QStringLiteral("買い目ファイルの一括出力(&K)"),
                                   QKeySequence(Qt::CTRL | Qt::Key_K));
    a.prAverageCsv = makeAction(window, "prCsvAction", QStringLiteral("PR平均のCSV一括出力(&V)"),
                                QKeySequence(Qt::CTRL | Qt::Key_V));
    a.help = makeAction(window, "helpAction", QStringLiteral("ヘルプを表示(&H)"), QKeySequence(Qt::Key_F1));
    a.demo = makeAction(window, "demoAction", QStringLiteral("デモデータを読み込む(&M)"));
    a.supportPage = makeAction(window, "supportPageAction", QStringLiteral("ソフトの購入・サポート(&S)"));
    a.dataServicePage = makeAction(window, "dataServicePageAction", QStringLiteral("BrevanneOnLine(&B)"));
    a.version = makeAction(window, "versionAction", QStringLiteral("バージョン情報(&A)..."));
    a.rollUp = makeAction(window, "rollUpAction", QStringLiteral("▲"));
    a.rollUp->setToolTip(QStringLiteral("ロールアップ"));
    a.rollUp->setCheckable(true);

    // The grid must not take the short-cuts for itself: they work wherever the focus is.
    for (QAction* action :
         {a.download, a.open, a.exit, a.selectRace, a.previousRace, a.nextRace, a.chooseDay, a.returnToCurrentDay,
          a.print, a.betLines, a.betLineFile, a.findHorse, a.indexFile, a.copyRunners, a.copyHorseNames, a.copyRaceName,
          a.allBetLineFiles, a.prAverageCsv, a.help}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    return a;
}

void showDeveloperItems(const MainWindowActions& actions, bool developerMode) {
    for (QAction* item : {actions.developerSeparator, actions.copyHorseNames, actions.copyRaceName,
                          actions.allBetLineFiles, actions.prAverageCsv}) {
        item->setVisible(developerMode);
    }
    actions.copyRunners->setShortcut(developerMode ? QKeySequence() : QKeySequence(QKeySequence::Copy));
}

}  // namespace zv::app
