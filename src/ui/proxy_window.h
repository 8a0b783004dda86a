// The proxy settings window: host, port and the optional account of the proxy. It
// edits the main window's proxy settings; nothing is written to the settings file here.
#pragma once

#include <QDialog>

#include "session/service_settings.h"
#include "user_feedback.h"

class QLineEdit;
class QSpinBox;

namespace zv::ui {

class ProxyWindow : public QDialog {
    Q_OBJECT
public:
    // settings stays owned by the caller and must outlive the window; feedback: the real message
    // boxes where empty.
    ProxyWindow(StoredProxy& settings, QWidget* parent = nullptr, UserFeedback feedback = {});

    // Fills the fields from the settings, centres the window over the parent and runs it modally;
    // OK copies the fields back, unless one holds a character Shift_JIS cannot hold.
    int openModal();

private:
    void acceptFields();

    StoredProxy& settings_;
    UserFeedback feedback_;
    QLineEdit* serverEdit_;
    QSpinBox* portEdit_;
    QLineEdit* userIdEdit_;
    QLineEdit* passwordEdit_;
};

}  // namespace zv::ui
