// A main window over a data folder, a settings file and a program path of its own, with the beep
// and the message boxes counted instead of shown.
#pragma once

#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "settings/settings_store.h"
#include "ui/bet_lines_window.h"
#include "ui/horse_detail_window.h"

namespace zv::app::testing {

// The fake screen the fixture's windows fit into unless a test gives another.
inline const QRect kFixtureScreen(0, 0, 1920, 1080);

class MainWindowFixture {
public:
    MainWindowFixture();
    ~MainWindowFixture();

    std::filesystem::path dataFolder() const;
    std::filesystem::path programFile() const;
    QString settingsPath() const;

    // The demo day (seed 7) in the data folder; with a corrupt weight in race `badRace` when >= 0.
    void writeDay(int badRace = -1);
    // Only the first races of the demo day (seed 7).
    void writeFirstRaces(int races);
    void writeIni(const std::string& content);
    void writeSetting(const settings::IntKey& key, const QString& value);
    void writeSetting(const settings::TextKey& key, const QString& value);

    // A new main window (the previous one closed first) with its three windows attached.
    MainWindow& open(const QString& archiveArgument = {});
    void closeWindow();
    MainWindow& window() { return *window_; }
    ui::BetLinesWindow& bets() { return *bets_; }
    ui::HorseDetailWindow& detail() { return *detail_; }
    // Triggers an all-races export and lets events flow until the run has ended.
    void runExport(QAction* action);

    int beeps = 0;
    QStringList notices;
    QStringList errors;
    QStringList questions;  // the Yes/No questions asked
    bool answerYes = false;
    QStringList saveProposals;  // the names the save dialog was opened with
    QString saveAnswer;         // what the save dialog answers; empty cancels
    // What the printer dialog does with the printer; empty cancels.
    std::function<bool(QPrinter& printer)> printerAnswer;
    // Told on the worker thread after each race of an all-races run.
    std::function<void(int percent)> allRacesProgress;
    // How long each race of an all-races run takes by the run's clock, which moves only then: a
    // second unless a test says otherwise, so the progress window shows after the first race.
    std::chrono::milliseconds racePace{1000};
    // The screen area restored windows must fit into: a roomy fake screen unless a test says
    // otherwise; none for the real screen.
    std::optional<QRect> screen = kFixtureScreen;

private:
    QTemporaryDir dir_;
    std::atomic<std::chrono::milliseconds::rep> runClockMs_ = 0;
    std::unique_ptr<settings::SettingsStore> settings_;
    std::unique_ptr<MainWindow> window_;
    ui::HorseDetailWindow* detail_ = nullptr;
    ui::BetLinesWindow* bets_ = nullptr;
};

// Shows the window and makes it the active one, as a user's click would.
void activate(QWidget& window);

}  // namespace zv::app::testing
