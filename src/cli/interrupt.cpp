#include "interrupt.h"

#include <csignal>

namespace zv::cli {
namespace {

volatile std::sig_atomic_t interruptArrived = 0;

void onInterrupt(int) { interruptArrived = 1; }

}  // namespace

void stopOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;  // the second interrupt takes the default way out
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool interrupted() { return interruptArrived != 0; }

}  // namespace zv::cli
