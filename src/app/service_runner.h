// The download chain's hooks for a window (the catalogue preparation and the purchase run go off
// the GUI thread through long_work.h): notices and questions are shown on the GUI thread while
// the worker waits for the answer; the transfer progress reaches the bar through queued calls.
#pragma once

#include <functional>
#include <string>

#include "service/service_ui.h"
#include "ui/user_feedback.h"

class QProgressBar;
class QWidget;

namespace zv::app {

// Notices and questions through feedback over window, the status line through status (called
// on the GUI thread), the transfer progress on bar (0 to 100; a busy bar when the server
// announces no size).
ServiceUi windowServiceUi(QWidget* window, const ui::UserFeedback& feedback, QProgressBar* bar,
                          std::function<void(const std::string& text)> status = {});

}  // namespace zv::app
