// The download window: the archives the account may buy and that are not yet in
// the download folder, with check boxes, the folder, and the gauge of the purchase run. OK runs
// the purchase; the last archive fetched is handed to the main window's archive intake.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "service/prepare_catalogue.h"
#include "service/purchase_run.h"
#include "service_windows_setup.h"
#include "session/job.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

namespace zv::app {

class DownloadWindow : public QDialog {
    Q_OBJECT
public:
    DownloadWindow(ServiceWindowsSetup setup, QWidget* parent = nullptr);

    // Settings file, login and catalogue (CP932 texts), fetched as a job; returns at once. Then
    // ready(true) with the list filled, or ready(false) after the failure was shown (a PRICE that
    // is not a whole number is shown as the conversion error).
    void prepareCatalogue(const std::string& provider, const Credentials& credentials,
                          std::function<void(bool ready)> ready);

    // The purchase run of the OK button, as a job; returns at once.
    void downloadTicked();
    // A catalogue or purchase job goes on.
    bool jobRunning() const { return job_ != nullptr; }

    QTreeWidget* archiveList() const { return archiveList_; }
    QString memberText() const;

public slots:
    void done(int result) override;

private:
    void fillList();
    void updateOk();
    void chooseFolder();
    void setBusy(bool busy);
    void showDownloading(const std::string& text);
    void purchaseEnded(const PurchaseOutcome& outcome);

    ServiceWindowsSetup setup_;
    Catalogue catalogue_;
    bool busy_ = false;
    QLabel* memberLabel_;
    QLineEdit* folderEdit_;
    QToolButton* folderButton_;
    QLabel* listCaption_;
    QTreeWidget* archiveList_;
    QLabel* downloadingLabel_;
    QProgressBar* progressBar_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    std::unique_ptr<Job> job_;  // last: it goes first, stopping the work that uses the rest
};

}  // namespace zv::app
