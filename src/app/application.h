// The program's entry: one copy per user, the Japanese user interface, the splash, the four
// long-lived windows in their order, the start-up load and the event loop.
#pragma once

namespace zv::app {

// Runs the desktop program. Arguments: [--data-dir DIR] [ARCHIVE].
int runZelvora(int argc, char** argv);

}  // namespace zv::app
