// The login window: provider, user ID and password of the service account, kept between runs
// (the password in the desktop's keyring, or where there is none in the settings file, which the
// window then says once); OK prepares the download window and, when that succeeds, hides itself
// while the download window runs.
#pragma once

#include <QDialog>
#include <memory>

#include "download_window.h"
#include "service_windows_setup.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zv::app {

class LoginWindow : public QDialog {
    Q_OBJECT
public:
    LoginWindow(ServiceWindowsSetup setup, QWidget* parent = nullptr);

    // Centres the window over the main window, fills it from the stored credentials and runs it
    // modally.
    int openModal();

    // Called on the GUI thread once the download window is ready to be shown, before it runs
    // modally (tests drive it from here).
    std::function<void(QDialog* downloadWindow)> downloadWindowShown;
    // The login and the catalogue are being fetched (OK returned; the window takes no commands).
    bool busy() const { return busy_; }

protected:
    void reject() override;

private:
    void loadCredentials();
    void showFileNoticeOnce(bool keptInFile);
    void storeCredentials();
    void updateOk();
    // Stores the credentials and fetches the catalogue; catalogueReady goes on from there.
    void logIn();
    void catalogueReady(bool ready);
    void editProxySettings();

    ServiceWindowsSetup setup_;
    QComboBox* providerList_;
    QLineEdit* userIdEdit_;
    QLineEdit* passwordEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* proxyButton_;
    QLabel* waitMessage_;
    QLabel* fileNotice_;
    bool busy_ = false;
    std::unique_ptr<DownloadWindow> download_;  // from OK until it has run
};

}  // namespace zv::app
