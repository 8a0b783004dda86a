// How the main window's long commands (the all-races exports, the download chain) run: the work
// runs on a worker thread while the GUI thread keeps its events flowing; questions to the user
// are asked on the GUI thread while the worker waits; progress reaches its bar through queued
// calls, so the worker never waits for painting. The report card window does not use this: it
// counts on a thread of its own and returns at once (ui/report_card_window.h).
#pragma once

#include <functional>

class QObject;
class QProgressBar;

namespace zv::app {

// Runs work on a worker thread until it ends; an exception escaping work is thrown again here.
void runOffGuiThread(const std::function<void()>& work);

// Calls fn on the thread of context and waits for it to return (at once on that thread).
void onGuiThread(QObject* context, const std::function<void()>& fn);

// A setter of bar's range 0..maximum and value, callable from any thread; the values reach the
// bar in order through queued calls, and are dropped once the bar is gone.
std::function<void(int maximum, int value)> queuedBarSetter(QProgressBar* bar);

}  // namespace zv::app
