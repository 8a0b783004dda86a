// Ctrl+C in the terminal (SIGINT, and SIGTERM likewise) as the Abort button of a long run: the
// first one only raises a flag that the run polls, so a download stops cleanly and removes its
// partial file; a second one ends the program at once.
#pragma once

namespace zv::cli {

// Installs the handlers for the rest of the process.
void stopOnInterrupt();
// Whether an interrupt has arrived.
bool interrupted();

}  // namespace zv::cli
