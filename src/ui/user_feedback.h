// The ways the windows answer the user that tests replace: the system beep and the message
// boxes, all titled with the program's name.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace zv::ui {

struct UserFeedback {
    std::function<void()> beep;
    std::function<void(QWidget* parent, const QString& text)> notice;       // an information box
    std::function<void(QWidget* parent, const QString& text)> errorReport;  // an unexpected failure
    std::function<bool(QWidget* parent, const QString& text)> askYesAbort;  // true for Yes
    // details: the cause of a failed request, shown as the box's details; empty for none.
    std::function<void(QWidget* parent, const QString& text, const QString& details)> noticeWithDetails;
    std::function<bool(QWidget* parent, const QString& text, const QString& details)> askYesNo;  // true for Yes

    // The real beep and message boxes.
    static UserFeedback system();
    // given, with the real ones where it has none.
    static UserFeedback withSystemDefaults(UserFeedback given);
};

// The text an error escaping a command shows: a zv::Error's message, else the exception's own.
QString errorText(const std::exception& error);

}  // namespace zv::ui
