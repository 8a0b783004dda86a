// The login window (TfrmNinsyo): provider, user ID and password of the service account, kept
// between runs with the password enciphered; OK prepares the download window and, when that
// succeeds, hides itself while the download window runs.
#pragma once

#include <QDialog>

#include "service_windows_setup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv::app {

class TfrmNinsyo : public QDialog {
    Q_OBJECT
public:
    TfrmNinsyo(ServiceWindowsSetup setup, QWidget* parent = nullptr);

    // Centres the window over the main window, fills it from the stored credentials and runs it
    // modally.
    int openModal();

    // Called on the GUI thread once the download window is ready to be shown, before it runs
    // modally (tests drive it from here).
    std::function<void(QDialog* downloadWindow)> downloadWindowShown;

protected:
    void reject() override;

private:
    void loadCredentials();
    void storeCredentials();
    void updateOk();
    void btnOKClick();
    void btnProxyClick();

    ServiceWindowsSetup setup_;
    QComboBox* cmbProvider_;
    QLineEdit* txtID_;
    QLineEdit* txtPass_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
    QPushButton* btnProxy_;
    QLabel* lblMes_;
    bool busy_ = false;
};

}  // namespace zv::app
