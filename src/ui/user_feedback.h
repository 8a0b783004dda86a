// The ways the windows answer the user that tests replace: the system beep and message boxes.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zv::ui {

struct UserFeedback {
    std::function<void()> beep;
    std::function<void(QWidget* parent, const QString& text)> notice;        // an information box
    std::function<void(QWidget* parent, const QString& text)> errorReport;   // an unexpected failure
    std::function<bool(QWidget* parent, const QString& text)> askYesAbort;   // true for Yes

    // The real beep and message boxes.
    static UserFeedback system();
};

}  // namespace zv::ui
