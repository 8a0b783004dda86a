#include "application.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyleFactory>
#include <optional>

#include "about_window.h"
#include "data/error.h"
#include "data/paths.h"
#include "data/sjis.h"
#include "japanese_ui.h"
#include "main_window.h"
#include "settings/settings_store.h"
#include "single_instance.h"
#include "ui/app_identity.h"
#include "ui/bet_lines_window.h"
#include "ui/horse_detail_window.h"
#include "ui/ui_fonts.h"
#include "ui/user_feedback.h"

namespace zv::app {

namespace {

// The last line of defence: an error that escapes an event handler is shown, and the program
// waits for the next command.
class ZelvoraApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ui::UserFeedback::system().errorReport(nullptr, ui::errorText(error));
        }
        return false;
    }
};

struct CommandLine {
    std::optional<std::filesystem::path> dataDir;
    QString archive;  // absolute, or empty
};

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--data-dir") && i + 1 < arguments.size()) {
            line.dataDir = std::filesystem::path(arguments[++i].toStdString());
        } else if (argument.startsWith(QStringLiteral("--data-dir="))) {
            line.dataDir = std::filesystem::path(argument.mid(11).toStdString());
        } else if (line.archive.isEmpty()) {
            line.archive = QFileInfo(argument).absoluteFilePath();
        }
    }
    return line;
}

// The data folder; when it cannot be created the window starts empty and says so only when the
// user asks for data.
std::filesystem::path dataFolderFor(const CommandLine& line) {
    try {
        return resolveDataFolder(line.dataDir);
    } catch (const Error&) {
        try {
            return chosenDataFolder(line.dataDir);
        } catch (const Error&) {
            return {};  // no home folder at all: the window starts without data
        }
    }
}

void bringToFront(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

int runZelvora(int argc, char** argv) {
    useJapaneseDatesInQtDialogs();
    ZelvoraApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Zelvora"));
    QCoreApplication::setApplicationName(QStringLiteral("Zelvora"));
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());

    SingleInstance instance(defaultInstanceName());
    if (!instance.becomePrimary()) {
        // Another copy runs: it opens the archive and comes to the front; this copy shows nothing.
        instance.handOver(line.archive);
        return 0;
    }

    installJapaneseUi(app);
    // Without a CP932 converter no data set could be read or shown right: say so and stop.
    try {
        toUtf8({});
    } catch (const ConverterMissing& missing) {
        ui::UserFeedback::system().errorReport(nullptr, QString::fromUtf8(missing.what()));
        return 1;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* splash = new AboutWindow(nullptr);
    splash->showAsSplash();
    // No application display name: Qt would add it to every window's title ("詳細情報 — Zelvora!").

    settings::SettingsStore settings;
    // Passwords an older run left in the settings file go to the keyring, once one is there.
    settings.moveSecretsToKeyring();
    MainWindowSetup setup;
    setup.dataFolder = dataFolderFor(line);
    setup.programFile = QCoreApplication::applicationFilePath().toStdString();
    setup.settings = &settings;
    MainWindow mainWindow(std::move(setup));
    auto* detail = new ui::HorseDetailWindow(&mainWindow);
    auto* bets = new ui::BetLinesWindow(&mainWindow);
    mainWindow.attachWindows(detail, bets);

    QObject::connect(&instance, &SingleInstance::activationRequested, &mainWindow,
                     [&mainWindow](const QString& archive) {
                         bringToFront(&mainWindow);
                         if (!archive.isEmpty())
                             mainWindow.runCommand([&mainWindow, archive] { mainWindow.openArchive(archive); });
                     });
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&mainWindow, &MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    mainWindow.startUpLoad(line.archive);
    mainWindow.show();
    mainWindow.activateWindow();
    splash->close();
    return app.exec();
}

}  // namespace zv::app
