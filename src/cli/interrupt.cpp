#include "interrupt.h"

#include <csignal>
#include <initializer_list>

namespace zv::cli {
namespace {

volatile std::sig_atomic_t interruptSignal = 0;

void onInterrupt(int signal) { interruptSignal = signal; }

}  // namespace

void stopOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;  // the second interrupt takes the default way out
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool interrupted() { return interruptSignal != 0; }

int interruptedStatus() { return 128 + interruptSignal; }

}  // namespace zv::cli
