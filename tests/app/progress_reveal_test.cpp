// The progress window of an all-races run shows once the run has lasted half a second of its own
// time; the time a question to the user stands open does not count.
#include <QtTest>
#include <chrono>

#include "app/progress_reveal.h"

using namespace std::chrono_literals;
using zv::app::ProgressReveal;

class ProgressRevealTest : public QObject {
    Q_OBJECT
private slots:
    void revealsOnceTheRunHasLasted_data();
    void revealsOnceTheRunHasLasted();
    void aQuestionsTimeDoesNotCount();
};

namespace {

// A clock that moves only when a test moves it.
struct StepClock {
    std::chrono::steady_clock::time_point now{};
    zv::app::RunClock get() {
        return [this] { return now; };
    }
};

}  // namespace

void ProgressRevealTest::revealsOnceTheRunHasLasted_data() {
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<bool>("revealed");
    QTest::newRow("at the start") << 0 << false;
    QTest::newRow("just short of half a second") << 499 << false;
    QTest::newRow("at half a second") << 500 << true;
    QTest::newRow("after a long run") << 60000 << true;
}

void ProgressRevealTest::revealsOnceTheRunHasLasted() {
    QFETCH(int, elapsedMs);
    QFETCH(bool, revealed);
    StepClock clock;
    int reveals = 0;
    ProgressReveal reveal(clock.get(), [&] { ++reveals; });
    clock.now += std::chrono::milliseconds(elapsedMs);
    reveal.poll();
    reveal.poll();
    QCOMPARE(reveal.revealed(), revealed);
    QCOMPARE(reveals, revealed ? 1 : 0);
}

void ProgressRevealTest::aQuestionsTimeDoesNotCount() {
    StepClock clock;
    int reveals = 0;
    ProgressReveal reveal(clock.get(), [&] { ++reveals; });
    clock.now += 300ms;
    reveal.holdDuring([&] {
        // The user reads the question for ten seconds; nothing shows meanwhile.
        clock.now += 10s;
        reveal.poll();
    });
    reveal.poll();
    QCOMPARE(reveals, 0);
    clock.now += 199ms;
    reveal.poll();
    QCOMPARE(reveals, 0);
    clock.now += 1ms;
    reveal.poll();
    QCOMPARE(reveals, 1);
}

QTEST_GUILESS_MAIN(ProgressRevealTest)
#include "progress_reveal_test.moc"
