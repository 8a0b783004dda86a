// Pictures of every window for looking them over: the main window empty and with the demo day (on
// its first and last race, with the grid's row menu, and with the status bar's note after an
// export; with own marks and a note), the header with the longest bet summary lines, the detail window opened from a
// horse-name link, the bet-line window (from the program's marks and from own marks), the progress window during an
// export, the login, download, proxy, about and help windows (the help also at its report card page), the report card
// and the same window opened again after a restart, the windows over a library of kept days (the day switcher, a kept
// day on screen, the horse search, the detail's library tab, the report card over the library with a filter), and the
// race printed to PDF in both orientations. Not a test: run it (under xvfb-run or with QT_QPA_PLATFORM=offscreen) with
// a folder to write into, then look at the pictures. It also lists every cell of the race grid and of the detail
// window's past races on the demo day whose text is wider than its column.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdio>

#include <QEventLoop>
#include "app/about_window.h"
#include "app/download_window.h"
#include "app/header_panel.h"
#include "app/help_window.h"
#include "app/japanese_ui.h"
#include "app/login_window.h"
#include "app/report_card_command.h"
#include "data/sjis.h"
#include "demo/demo_season.h"
#include "main_window_fixture.h"
#include "predict/bet_lines.h"
#include "service/prepare_catalogue.h"
#include "service_fixture.h"
#include "settings/settings_store.h"
#include "support/kept_season.h"
#include "ui/day_switcher_window.h"
#include "ui/horse_search_window.h"
#include "ui/progress_window.h"
#include "ui/proxy_window.h"
#include "ui/race_grid_view.h"
#include "ui/report_card_window.h"

namespace {

using zv::app::testing::MainWindowFixture;

QString outFolder;

void save(QWidget* widget, const QString& name) {
    widget->grab().save(outFolder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Every cell of the detail window's past-race grid and every label, for every runner of every
// race: a text wider than its place is listed, measured as the item view measures it.
int listClippedDetailTexts(zv::app::MainWindow& window, zv::ui::HorseDetailWindow& detail) {
    int clipped = 0;
    QTableWidget* grid = detail.pastRaceGrid();
    const auto report = [&clipped](int race, int runner, const QString& where, const QString& text, int need, int has) {
        if (clipped++ < 40) {
            std::printf("clipped: race %d runner %d %s \"%s\" needs %d, has %d\n", race, runner, qPrintable(where),
                        qPrintable(text), need, has);
        }
    };
    for (int race = 0; race < window.session().store().raceCount; ++race) {
        window.showRace(race);
        const int runners = int(window.session().result()->pastColumns.size());
        for (int runner = 1; runner <= runners; ++runner) {
            window.openRunnerDetail(runner, false);
            QStyleOptionViewItem option;
            option.initFrom(grid);
            option.font = grid->font();
            for (int row = 0; row < grid->rowCount(); ++row) {
                for (int column = 0; column < grid->columnCount(); ++column) {
                    // The cell's own size hint and the grid line right of it.
                    const QModelIndex index = grid->model()->index(row, column);
                    const int need = grid->itemDelegate()->sizeHint(option, index).width() + 1;
                    if (need > grid->columnWidth(column)) {
                        report(race + 1, runner, QStringLiteral("cell %1,%2").arg(row).arg(column),
                               index.data().toString(), need, grid->columnWidth(column));
                    }
                }
            }
            for (QLabel* label : detail.findChildren<QLabel*>()) {
                const int need = label->fontMetrics().horizontalAdvance(label->text());
                if (need > label->width())
                    report(race + 1, runner, label->objectName(), label->text(), need, label->width());
            }
        }
    }
    std::printf("column widths:");
    for (int c = 0; c < grid->columnCount(); ++c) std::printf(" %d", grid->columnWidth(c));
    std::printf("\n");
    return clipped;
}

// Every cell of the race grid for every race, and every heading: a text wider than its column (and
// the grid line right of it) is listed.
int listClippedGridTexts(zv::app::MainWindow& window) {
    int clipped = 0;
    zv::ui::RaceGridView* grid = window.grid();
    QHeaderView* heading = grid->horizontalHeader();
    std::vector<int> widest(size_t(grid->model()->columnCount()), 0);
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        const QString text = grid->model()->headerData(column, Qt::Horizontal).toString();
        const int need = heading->fontMetrics().horizontalAdvance(text) + 2;
        widest[size_t(column)] = need;
        if (need > grid->columnWidth(column)) {
            ++clipped;
            std::printf("clipped: heading \"%s\" needs %d, has %d\n", qPrintable(text), need,
                        grid->columnWidth(column));
        }
    }
    for (int race = 0; race < window.session().store().raceCount; ++race) {
        window.showRace(race);
        QStyleOptionViewItem option;
        option.initFrom(grid);
        option.font = grid->font();
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            for (int column = 0; column < grid->model()->columnCount(); ++column) {
                const QModelIndex index = grid->model()->index(row, column);
                const int need = grid->itemDelegate()->sizeHint(option, index).width() + 1;
                widest[size_t(column)] = std::max(widest[size_t(column)], need);
                if (need > grid->columnWidth(column) && clipped++ < 40) {
                    std::printf("clipped: race %d row %d column %d \"%s\" needs %d, has %d\n", race + 1, row, column,
                                qPrintable(index.data().toString()), need, grid->columnWidth(column));
                }
            }
        }
    }
    std::printf("grid column widths:");
    for (int c = 0; c < grid->model()->columnCount(); ++c) std::printf(" %d", grid->columnWidth(c));
    std::printf("\ngrid widest texts: ");
    for (const int need : widest) std::printf(" %d", need);
    std::printf("\n");
    return clipped;
}

void printPdf(zv::app::MainWindow& window, QPageLayout::Orientation orientation, const QString& name) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setOutputFileName(outFolder + QLatin1Char('/') + name + QStringLiteral(".pdf"));
    window.printRaceOn(printer);
}

// The login window with stored credentials, and the download window it opens with the fake
// service's catalogue.
void shootServiceWindows(zv::app::MainWindow& window, const std::filesystem::path& dataFolder) {
    zv::fixture::FakeService service;
    const std::string https = service.hostPort(true);
    service.putFile(zv::kSettingsFilePath,
                    zv::fixture::serviceSettingsText(https,
                                                     "[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/all/\r\nPRICE=1000,800\r\n"
                                                     "FILE=hb0410.lzh\r\nFILE=hb0411.lzh\r\nFILE=hb0412.lzh\r\n"));
    zv::settings::SettingsStore settings(QString::fromStdString((dataFolder / "service.ini").string()));
    namespace key = zv::settings::key;
    settings.writeText(key::DataServiceHost, service.hostPort(false));
    settings.writeText(key::DataCAFile, service.caFile().string());
    settings.writeInt(key::DataProvider, 0);
    settings.writeSecret(key::DataPassword, "member-id", "member-pw");
    settings.sync();

    zv::app::ServiceWindowsSetup setup;
    setup.settings = &settings;
    setup.dataFolder = dataFolder;
    setup.proxy = &window.proxy();
    setup.mainWindow = &window;
    setup.feedback.noticeWithDetails = [](QWidget*, const QString& text, const QString&) {
        std::printf("notice: %s\n", qPrintable(text));
    };
    setup.feedback.errorReport = [](QWidget*, const QString& text) { std::printf("error: %s\n", qPrintable(text)); };
    setup.feedback.askYesNo = [](QWidget*, const QString&, const QString&) { return false; };
    setup.openArchive = [](const QString&) {};
    zv::app::LoginWindow login(setup, &window);
    login.downloadWindowShown = [](QDialog* shown) {
        QTimer::singleShot(0, shown, [shown] {
            auto* download = static_cast<zv::app::DownloadWindow*>(shown);
            if (download->archiveList()->topLevelItemCount() > 0)
                download->archiveList()->topLevelItem(0)->setCheckState(0, Qt::Checked);
            settle();
            save(download, QStringLiteral("download"));
            download->reject();
        });
    };
    QTimer::singleShot(0, &login, [&login] {
        settle();
        save(&login, QStringLiteral("login"));
        login.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        while (login.busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (login.isVisible()) login.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    login.openModal();
}

// A season of eight kept days: the day switcher, a kept day on screen, the horse search with the
// entries of a horse, the detail's tab of every race the library saw of it, and the report card
// over the library narrowed to one racecourse's turf races.
void shootLibraryWindows(zv::app::MainWindow& window, MainWindowFixture& fixture) {
    zv::fixture::keepDemoSeason(fixture.dataFolder(), 8);
    window.actions().chooseDay->trigger();
    zv::ui::DaySwitcherWindow* switcher = window.libraryWindows().daySwitcher();
    settle();
    save(switcher, QStringLiteral("day_switcher"));
    switcher->findBox()->setText(QStringLiteral("5/2"));
    settle();
    save(switcher, QStringLiteral("day_switcher_found"));
    switcher->hide();
    window.showKeptDay(20260517, 10);
    settle();
    save(&window, QStringLiteral("main_kept_day"));

    window.actions().findHorse->trigger();
    zv::ui::HorseSearchWindow* search = window.libraryWindows().horseSearch();
    const QString name = QString::fromStdString(zv::toUtf8(window.session().result()->pastColumns[2].name));
    search->nameBox()->setText(name.left(3));
    search->search();
    settle();
    save(search, QStringLiteral("horse_search"));
    search->hide();

    window.openRunnerDetail(3, true);
    fixture.detail().tabs()->setCurrentIndex(1);
    settle();
    save(&fixture.detail(), QStringLiteral("detail_library"));
    fixture.detail().tabs()->setCurrentIndex(0);
    fixture.detail().hide();

    window.reportCard()->open();
    zv::ui::ReportCardWindow* card = window.reportCard()->window();
    card->setSource(zv::ui::ReportCardWindow::Source::Library);
    card->findChild<QComboBox*>(QStringLiteral("racecourseBox"))->setCurrentIndex(1);
    card->findChild<QComboBox*>(QStringLiteral("surfaceBox"))->setCurrentText(QStringLiteral("芝"));
    QEventLoop counting;
    QObject::connect(card, &zv::ui::ReportCardWindow::finished, &counting, &QEventLoop::quit);
    card->start();
    counting.exec();
    settle();
    save(card, QStringLiteral("report_card_library"));
    card->hide();
    window.actions().returnToCurrentDay->trigger();
    settle();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zv::app::installJapaneseUi(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    outFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(outFolder);

    {
        MainWindowFixture empty;
        empty.screen.reset();
        zv::app::MainWindow& start = empty.open();
        start.show();
        settle();
        save(&start, QStringLiteral("main_empty"));
    }

    MainWindowFixture fixture;
    fixture.screen.reset();
    fixture.writeDay();
    zv::app::MainWindow& window = fixture.open();
    window.show();
    settle();
    save(&window, QStringLiteral("main_race1"));

    // The last race: ▶ is disabled.
    window.showRace(window.session().store().raceCount - 1);
    settle();
    save(&window, QStringLiteral("main_last_race"));
    window.showRace(0);

    // The right-click menu of a runner's row.
    {
        zv::ui::RaceGridView* grid = window.grid();
        const QRect cell = grid->visualRect(grid->model()->index(2, 2));
        QContextMenuEvent click(QContextMenuEvent::Mouse, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(grid->viewport(), &click);
        settle();
        save(window.rowMenu(), QStringLiteral("row_menu"));
        window.rowMenu()->hide();
    }

    const int lateRace = std::min(10, window.session().store().raceCount - 1);
    window.showRace(lateRace);
    settle();
    save(&window, QStringLiteral("main_race%1").arg(lateRace + 1));
    save(window.headerPanel(), QStringLiteral("header_panel"));
    // The same race with own marks beside the program's, and a note on one horse.
    {
        const std::pair<int, int> marks[] = {{3, 1}, {6, 0}, {9, 2}, {1, 6}, {13, 3}, {8, 4}, {11, 6}};
        for (auto [runner, mark] : marks) emit window.grid()->ownMarkRequested(runner, mark);
        window.openRunnerDetail(6, false);
        emit fixture.detail().noteEdited(fixture.detail().runnerEntries().value(5).mid(3).trimmed(),
                                         QStringLiteral("先行して粘る。重馬場は苦手"));
        settle();
        save(&window, QStringLiteral("main_own_marks"));
    }
    // A full field of 18, where the bet summary lines are longest.
    for (int race = 0; race < window.session().store().raceCount; ++race) {
        if (window.session().store().runnerCount(race) != 18) continue;
        window.showRace(race);
        settle();
        save(&window, QStringLiteral("main_18_runners"));
        break;
    }
    save(window.grid()->horizontalHeader(), QStringLiteral("grid_heading"));
    // The longest summary lines 18 runners can give: every mark on a two-digit number.
    {
        zv::RaceResult longest = *window.session().result();
        longest.labels = zv::betLabels({18, 17, 16, 15, 14, 13}, true);
        window.headerPanel()->showResult(&longest);
        save(window.headerPanel(), QStringLiteral("header_longest"));
        window.headerPanel()->showResult(window.session().result().get());
    }

    // The detail window as the horse-name link opens it.
    window.openRunnerDetail(3, true);
    settle();
    save(&fixture.detail(), QStringLiteral("detail"));
    QScrollBar* across = fixture.detail().pastRaceGrid()->horizontalScrollBar();
    across->setValue(across->maximum());
    settle();
    save(&fixture.detail(), QStringLiteral("detail_scrolled"));
    window.openRunnerDetail(1, true);
    settle();
    save(&fixture.detail(), QStringLiteral("detail_runner1"));

    // The bet-line window from the header's picture.
    emit window.headerPanel()->betIconClicked();
    settle();
    save(&fixture.bets(), QStringLiteral("bets"));
    fixture.bets().findChild<QToolButton*>(QStringLiteral("ownMarksButton"))->click();
    settle();
    save(&fixture.bets(), QStringLiteral("bets_own"));
    fixture.bets().findChild<QToolButton*>(QStringLiteral("programMarksButton"))->click();

    // The progress window while the index file is written.
    fixture.saveAnswer = outFolder + QStringLiteral("/index.idx");
    bool progressTaken = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (window.progressWindow() && !progressTaken && window.progressWindow()->percent() >= 40) {
            save(window.progressWindow(), QStringLiteral("progress"));
            progressTaken = true;
        }
    });
    probe.start(0);
    fixture.runExport(window.actions().indexFile);
    probe.stop();
    settle();
    save(&window, QStringLiteral("main_after_export"));
    save(window.statusBar(), QStringLiteral("status_after_export"));
    save(&fixture.detail(), QStringLiteral("detail_after_export"));

    printPdf(window, QPageLayout::Portrait, QStringLiteral("print_portrait"));
    printPdf(window, QPageLayout::Landscape, QStringLiteral("print_landscape"));

    // The menus of the main window.
    const QList<QAction*> menus = window.menuBar()->actions();
    for (int i = 0; i < menus.size(); ++i) {
        if (QMenu* menu = menus[i]->menu()) {
            menu->popup(window.mapToGlobal(QPoint(10, 10)));
            settle();
            save(menu, QStringLiteral("menu%1").arg(i + 1));
            menu->hide();
        }
    }

    window.raceSelectMenu()->popup(window.mapToGlobal(QPoint(40, 40)));
    settle();
    save(window.raceSelectMenu(), QStringLiteral("race_select"));
    window.raceSelectMenu()->hide();

    // A question as the CSV export asks it, with the standard buttons in Japanese.
    QMessageBox question(
        QMessageBox::Question, QStringLiteral("Zelvora!"),
        QStringLiteral("インストールフォルダに zv.csv がありません。\n\n新規に zv.csv を作成して書き込みますか？"),
        QMessageBox::Yes | QMessageBox::Abort, &window);
    question.show();
    settle();
    save(&question, QStringLiteral("question"));
    question.hide();

    auto* about = new zv::app::AboutWindow(nullptr);
    about->showAsSplash();
    settle();
    save(about, QStringLiteral("about"));
    about->close();

    zv::app::HelpWindow help;
    help.showContents();
    help.show();
    settle();
    save(&help, QStringLiteral("help"));
    for (QTextBrowser* browser : help.findChildren<QTextBrowser*>()) browser->scrollToAnchor(QStringLiteral("report"));
    settle();
    save(&help, QStringLiteral("help_report_card"));
    help.hide();

    shootServiceWindows(window, fixture.dataFolder());

    zv::ui::ProxyWindow proxy(window.proxy(), &window);
    proxy.show();
    settle();
    save(&proxy, QStringLiteral("proxy"));
    proxy.hide();

    // The report card over a short demo season, then opened again after a restart: the inputs come
    // back and, the count having been quick, the results with them.
    const std::filesystem::path season = fixture.dataFolder() / "season";
    zv::demo::writeSeason(season, 16, 1);
    {
        MainWindowFixture memory;
        memory.screen.reset();
        zv::app::MainWindow& first = memory.open();
        first.reportCard()->open();
        zv::ui::ReportCardWindow* reportCard = first.reportCard()->window();
        reportCard->addInputs({QString::fromStdString(season.string())});
        const auto countAndSave = [&](zv::ui::ReportCardWindow* card, const QString& name) {
            QEventLoop reading;
            QObject::connect(card, &zv::ui::ReportCardWindow::finished, &reading, &QEventLoop::quit);
            if (!card->running()) card->start();
            reading.exec();
            settle();
            save(card, name);
        };
        countAndSave(reportCard, QStringLiteral("report_card"));
        memory.closeWindow();
        zv::app::MainWindow& again = memory.open();
        again.reportCard()->open();
        if (again.reportCard()->window()->running()) {
            countAndSave(again.reportCard()->window(), QStringLiteral("report_card_reopened"));
        } else {
            settle();
            save(again.reportCard()->window(), QStringLiteral("report_card_reopened"));
        }
    }

    shootLibraryWindows(window, fixture);

    std::printf("%d clipped texts in the race grid\n", listClippedGridTexts(window));
    const int clipped = listClippedDetailTexts(window, fixture.detail());
    std::printf("%d clipped texts in the detail window\n", clipped);
    return 0;
}
