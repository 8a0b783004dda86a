// How the windows' long commands (the all-races exports, the download chain) run: as a job on a
// thread of its own (session/job.h) whose end is heard on the GUI thread; the command that starts
// it returns at once. Questions to the user are asked on the GUI thread while the job waits;
// progress reaches the window through queued calls, so the job never waits for painting.
#pragma once

#include <functional>
#include <memory>

#include "session/job.h"

class QObject;
class QProgressBar;

namespace zv::ui {

// Starts work as a job. progress is called on the thread of context with each percent the work
// reports, and ended once the work is over, both through queued signals (never when context has
// gone by then). The caller keeps the job, destroys it before context, and finishes it in ended.
std::unique_ptr<Job> startJob(QObject* context, Job::Work work, std::function<void()> ended,
                              std::function<void(int percent)> progress = {});

// Calls fn on the thread of context (the GUI thread) and waits for it to return, at once on that
// thread; what fn throws is thrown here.
void onGuiThread(QObject* context, const std::function<void()>& fn);

// A setter of bar's range 0..maximum and value, callable from any thread; the values reach the
// bar in order through queued calls, and are dropped once the bar is gone.
std::function<void(int maximum, int value)> queuedBarSetter(QProgressBar* bar);

}  // namespace zv::ui
