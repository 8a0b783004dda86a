// Ctrl+C in the terminal (SIGINT), SIGTERM and the terminal's hang-up (SIGHUP) as the Abort button
// of a long run: the first one only raises a flag that the run polls, so a download stops cleanly
// and removes its partial file and the service's settings file; a second one ends the program at
// once.
#pragma once

namespace zv::cli {

// Installs the handlers for the rest of the process.
void stopOnInterrupt();
// Whether an interrupt has arrived.
bool interrupted();
// The exit status for the interrupt that arrived, as the shell gives it to a program a signal
// ended: 128 + the signal's number (130 for Ctrl+C, 143 for SIGTERM, 129 for a hang-up).
int interruptedStatus();

}  // namespace zv::cli
