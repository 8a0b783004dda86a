// The proxy settings window: host, port and the optional account of the proxy. It
// edits the main window's proxy settings; nothing is written to the settings file here.
#pragma once

#include <QDialog>

#include "proxy_settings.h"

class QLineEdit;
class QSpinBox;

namespace zv::ui {

class ProxyWindow : public QDialog {
    Q_OBJECT
public:
    // settings stays owned by the caller and must outlive the window.
    ProxyWindow(ProxySettings& settings, QWidget* parent = nullptr);

    // Fills the fields from the settings, centres the window over the parent and runs it modally;
    // OK copies the fields back.
    int openModal();

private:
    void acceptFields();

    ProxySettings& settings_;
    QLineEdit* serverEdit_;
    QSpinBox* portEdit_;
    QLineEdit* userIdEdit_;
    QLineEdit* passwordEdit_;
};

}  // namespace zv::ui
