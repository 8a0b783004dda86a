// The message boxes of the download chain, replaceable so that tests answer them without blocking.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zv::app {

struct ServicePrompts {
    std::function<void(QWidget* parent, const QString& text)> notice;    // an information box
    std::function<void(QWidget* parent, const QString& text)> error;     // an unexpected failure
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;  // true for Yes

    // The real message boxes.
    static ServicePrompts system();
};

}  // namespace zv::app
