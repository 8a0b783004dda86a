// The message boxes of the download chain, replaceable so that tests answer them without blocking.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zv::app {

struct ServicePrompts {
    // details: the cause of a failed request, shown as the box's details; empty for none.
    std::function<void(QWidget* parent, const QString& text, const QString& details)> notice;    // an information box
    std::function<void(QWidget* parent, const QString& text)> error;                             // an unexpected failure
    std::function<bool(QWidget* parent, const QString& text, const QString& details)> askYesNo;  // true for Yes

    // The real message boxes.
    static ServicePrompts system();
};

}  // namespace zv::app
