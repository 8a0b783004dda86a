#include "report_card_command.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "ui/report_card_window.h"

namespace zv::app {
namespace {

// The download folder as the download window keeps it (data folder + "BVO" until changed), or the
// data folder while there is none yet.
QString startFolder(const std::filesystem::path& dataFolder, settings::SettingsStore* settings) {
    std::string fallback = (dataFolder / "BVO").string();
    std::filesystem::path folder = settings ? settings->readText(settings::key::DataDir, fallback) : fallback;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) folder = dataFolder;
    return QString::fromStdString(folder.string());
}

}  // namespace

void addReportCardMenuItem(QMenu* tools, QWidget* mainWindow, const std::filesystem::path& dataFolder,
                           settings::SettingsStore* settings) {
    auto* action = new QAction(QStringLiteral("成績集計(&J)..."), mainWindow);
    action->setObjectName(QStringLiteral("reportCardAction"));
    tools->addSeparator();
    tools->addAction(action);
    auto window = std::make_shared<QPointer<ui::ReportCardWindow>>();
    QObject::connect(action, &QAction::triggered, mainWindow, [=] {
        if (!*window) {
            *window = new ui::ReportCardWindow(startFolder(dataFolder, settings), mainWindow);
            (*window)->setAttribute(Qt::WA_DeleteOnClose);
        }
        (*window)->show();
        (*window)->raise();
        (*window)->activateWindow();
    });
}

}  // namespace zv::app
