#include "report_card_command.h"

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <cstdint>

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

QStringList lines(const std::string& text) {
    return QString::fromStdString(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::string joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')).toStdString(); }

}  // namespace

ReportCardCommand::ReportCardCommand(QMenu* tools, QWidget* mainWindow, std::filesystem::path dataFolder,
                                     settings::SettingsStore* settings, ScreenArea screenArea)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      dataFolder_(std::move(dataFolder)),
      settings_(settings),
      screenArea_(std::move(screenArea)),
      action_(new QAction(QStringLiteral("成績集計(&J)..."), mainWindow)) {
    action_->setObjectName(QStringLiteral("reportCardAction"));
    tools->addSeparator();
    tools->addAction(action_);
    connect(action_, &QAction::triggered, this, &ReportCardCommand::open);
}

void ReportCardCommand::open() {
    if (!window_)
        create();
    else
        window_->refreshLibraryChoices();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void ReportCardCommand::create() {
    window_ = new ui::ReportCardWindow(startFolder(dataFolder_, settings_), mainWindow_);
    window_->setLibraryFolder(dataFolder_);
    if (!settings_) return;
    // The library is counted by default; the inputs of the last run stay listed beside it.
    const bool libraryFirst = window_->source() == ui::ReportCardWindow::Source::Library;
    const settings::SettingsStore& store = *settings_;
    namespace key = settings::key;
    window_->resize(store.readInt(key::ReportCardWidth), store.readInt(key::ReportCardHeight));
    restoreWindowPosition(store, window_, key::ReportCardTop, key::ReportCardLeft, screenArea_());
    const QStringList inputs = lines(store.readText(key::ReportCardInputs));
    window_->addInputs(inputs);
    const ui::ReportCardWindow::CountRecord counted{lines(store.readText(key::ReportCardCountedInputs)),
                                                    store.readInt(key::ReportCardCountMilliseconds)};
    window_->setCountRecord(counted);
    const bool quick = counted.milliseconds >= 0 && counted.milliseconds <= kQuickCountMilliseconds;
    if (!inputs.isEmpty() && counted.inputs == inputs && quick)
        window_->start();
    else if (libraryFirst)
        window_->setSource(ui::ReportCardWindow::Source::Library);
}

void ReportCardCommand::save(settings::SettingsStore& store) const {
    if (!window_) return;
    namespace key = settings::key;
    saveWindowPosition(store, window_, key::ReportCardTop, key::ReportCardLeft);
    store.writeInt(key::ReportCardWidth, window_->width());
    store.writeInt(key::ReportCardHeight, window_->height());
    store.writeText(key::ReportCardInputs, joined(window_->inputs()));
    const ui::ReportCardWindow::CountRecord& counted = window_->countRecord();
    store.writeText(key::ReportCardCountedInputs, joined(counted.inputs));
    store.writeInt(key::ReportCardCountMilliseconds, int(std::min<qint64>(counted.milliseconds, INT32_MAX)));
}

}  // namespace zv::app
