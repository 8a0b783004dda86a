#include "main_window_fixture.h"

#include <QApplication>
#include <QtTest>

#include <QSettings>
#include <fstream>

#include "data/convert.h"
#include "data/records.h"
#include "demo/demo_day.h"

namespace zv::app::testing {

namespace {

void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines) file << line << "\r\n";
}

}  // namespace

MainWindowFixture::MainWindowFixture() { std::filesystem::create_directories(dataFolder()); }

MainWindowFixture::~MainWindowFixture() {
    window_.reset();
    settings_.reset();
}

std::filesystem::path MainWindowFixture::dataFolder() const {
    return std::filesystem::path(dir_.path().toStdString()) / "data";
}

std::filesystem::path MainWindowFixture::programFile() const {
    return std::filesystem::path(dir_.path().toStdString()) / "zelvora";
}

QString MainWindowFixture::settingsPath() const { return dir_.filePath(QStringLiteral("Zelvora.conf")); }

void MainWindowFixture::writeDay(int badRace) {
    DemoDay day = makeDemoDay(7);
    if (badRace >= 0) {
        int first = 0;
        for (int r = 0; r < badRace; ++r)
            first += parseInt(field(day.headerLines[size_t(r)], header_line::runner_count)).value_or(0);
        std::string& line = day.runnerLines[size_t(first)];
        line.replace(size_t(runner_line::weight_carried.pos - 1), size_t(runner_line::weight_carried.len), "5x0");
    }
    writeLines(dataFolder() / "bvo_den1.bv2", day.headerLines);
    writeLines(dataFolder() / "bvo_den2.bv2", day.runnerLines);
    writeLines(dataFolder() / "bvo_uma.bv2", day.horseLines);
}

void MainWindowFixture::writeFirstRaces(int races) {
    DemoDay day = makeDemoDay(7);
    size_t runners = 0;
    for (int r = 0; r < races; ++r) {
        runners += size_t(parseInt(field(day.headerLines[size_t(r)], header_line::runner_count)).value_or(0));
    }
    day.headerLines.resize(size_t(races));
    day.runnerLines.resize(runners);
    day.horseLines.resize(runners);
    writeDayFiles(dataFolder(), day);
}

void MainWindowFixture::writeIni(const std::string& content) {
    std::ofstream(programFile().string() + ".ini", std::ios::binary) << content;
}

namespace {

template <class Key>
void writeRawSetting(const QString& file, const Key& key, const QString& value) {
    QSettings raw(file, QSettings::IniFormat);
    raw.setValue(QString::fromUtf8(key.section.data(), qsizetype(key.section.size())) + QLatin1Char('/') +
                     QString::fromUtf8(key.name.data(), qsizetype(key.name.size())),
                 value);
}

}  // namespace

void MainWindowFixture::writeSetting(const settings::IntKey& key, const QString& value) {
    writeRawSetting(settingsPath(), key, value);
}

void MainWindowFixture::writeSetting(const settings::TextKey& key, const QString& value) {
    writeRawSetting(settingsPath(), key, value);
}

MainWindow& MainWindowFixture::open(const QString& archiveArgument) {
    closeWindow();
    settings_ = std::make_unique<settings::SettingsStore>(settingsPath());
    MainWindowSetup setup;
    setup.dataFolder = dataFolder();
    setup.programFile = programFile();
    setup.settings = settings_.get();
    setup.clock = [] { return LocalDateTime{2026, 12, 10, 36000}; };
    setup.feedback.beep = [this] { ++beeps; };
    setup.feedback.notice = [this](QWidget*, const QString& text) { notices << text; };
    setup.feedback.errorReport = [this](QWidget*, const QString& text) { errors << text; };
    setup.feedback.askYesAbort = [](QWidget*, const QString&) { return false; };
    setup.feedback.askYesNo = [this](QWidget*, const QString& text, const QString&) {
        questions << text;
        return answerYes;
    };
    setup.saveFileName = [this](QWidget*, const QString& proposedName, const QString&, const QString&) {
        saveProposals << proposedName;
        return saveAnswer;
    };
    setup.printerSetup = [this](QWidget*, QPrinter& printer) { return printerAnswer && printerAnswer(printer); };
    setup.allRacesProgress = [this](int percent) {
        runClockMs_ += racePace.count();
        if (allRacesProgress) allRacesProgress(percent);
    };
    setup.allRacesClock = [this] {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(runClockMs_.load()));
    };
    if (screen) setup.screenArea = [area = *screen] { return area; };
    window_ = std::make_unique<MainWindow>(std::move(setup));
    detail_ = new ui::HorseDetailWindow(window_.get());
    bets_ = new ui::BetLinesWindow(window_.get());
    window_->attachWindows(detail_, bets_);
    window_->startUpLoad(archiveArgument);
    return *window_;
}

void MainWindowFixture::runExport(QAction* action) {
    action->trigger();
    // A run that never ends fails the test that waits for its file.
    QTRY_VERIFY_WITH_TIMEOUT(!window_->exportRunning(), 60000);
}

void MainWindowFixture::closeWindow() {
    if (!window_) return;
    window_->close();
    window_.reset();
    settings_.reset();
}

void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace zv::app::testing
