// Runs one step of the download chain (the catalogue preparation, the purchase run) on a worker
// thread while the window keeps painting. The step's notices and questions are shown on the GUI
// thread while the worker waits for the answer; its progress reaches the gauge through queued
// calls. The window disables its own controls for the duration.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "service/service_ui.h"
#include "service_prompts.h"

class QProgressBar;
class QWidget;

namespace zv::app {

// Runs work on a worker thread, keeping the GUI thread's events flowing until it ends; an
// exception escaping work is thrown again here.
void runOffGuiThread(const std::function<void()>& work);

// Calls fn on the thread of window and waits for it to return.
void onWindowThread(QWidget* window, const std::function<void()>& fn);

// The chain's hooks for a window: notices and questions through prompts, the status line through
// status (called on the GUI thread), the transfer progress on gauge (0 to 100; a busy bar when
// the server announces no size).
ServiceUi windowServiceUi(QWidget* window, const ServicePrompts& prompts, QProgressBar* gauge,
                          std::function<void(const std::string& text)> status = {});

// CP932 message text for a message box.
QString messageText(const std::string& cp932);

}  // namespace zv::app
