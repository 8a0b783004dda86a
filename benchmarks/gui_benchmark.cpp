// Showing a race in the main window: the race result, filling the grid and painting the window,
// for an 18-runner race; and a fresh main window up to its first race painted. Run under the
// offscreen platform: QT_QPA_PLATFORM=offscreen gui_benchmarks
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "demo/demo_day.h"
#include "predict/compute_race.h"
#include "settings/settings_store.h"
#include "ui/race_grid_view.h"
#include "ui/ui_fonts.h"

using namespace zv;

class GuiBenchmark : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showEighteenRunnerRace();
    void showEighteenRunnerRaceParts_data();
    void showEighteenRunnerRaceParts();
    void startToFirstRacePainted();

private:
    std::unique_ptr<app::MainWindow> openWindow();

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> settings_;
};

void GuiBenchmark::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    ui::installFontSubstitutions();
    writeDemoDay(std::filesystem::path(dir_.path().toStdString()), 7, 18);
    settings_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("Zelvora.conf")));
}

std::unique_ptr<app::MainWindow> GuiBenchmark::openWindow() {
    app::MainWindowSetup setup;
    setup.dataFolder = dir_.path().toStdString();
    setup.programFile = dir_.filePath(QStringLiteral("zelvora")).toStdString();
    setup.settings = settings_.get();
    setup.clock = [] { return LocalDateTime{2026, 12, 10, 36000}; };
    setup.feedback.beep = [] {};
    auto window = std::make_unique<app::MainWindow>(std::move(setup));
    window->startUpLoad({});
    return window;
}

void GuiBenchmark::showEighteenRunnerRace() {
    std::unique_ptr<app::MainWindow> window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->grid()->model()->rowCount(), 18);
    int race = 0;
    QBENCHMARK {
        race = (race + 1) % window->session().store().raceCount;
        window->showRace(race);
        window->grab();
    }
}

// The parts of showing a race: the core result alone, showing without painting, painting alone.
void GuiBenchmark::showEighteenRunnerRaceParts_data() {
    QTest::addColumn<int>("part");
    QTest::newRow("race result") << 0;
    QTest::newRow("show without painting") << 1;
    QTest::newRow("painting the window") << 2;
    QTest::newRow("painting the grid") << 3;
}

void GuiBenchmark::showEighteenRunnerRaceParts() {
    QFETCH(int, part);
    std::unique_ptr<app::MainWindow> window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    int race = 0;
    QBENCHMARK {
        race = (race + 1) % window->session().store().raceCount;
        if (part == 0) computeRace(window->session().store(), race, kColRunner, LocalDateTime{2026, 12, 10, 36000});
        if (part == 1) window->showRace(race);
        if (part == 2) window->grab();
        if (part == 3) window->grid()->viewport()->grab();
    }
}

void GuiBenchmark::startToFirstRacePainted() {
    QBENCHMARK {
        std::unique_ptr<app::MainWindow> window = openWindow();
        window->show();
        window->grab();
    }
}

QTEST_MAIN(GuiBenchmark)
#include "gui_benchmark.moc"
