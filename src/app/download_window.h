// The download window: the archives the account may buy and that are not yet in
// the download folder, with check boxes, the folder, and the gauge of the purchase run. OK runs
// the purchase; the last archive fetched is handed to the main window's archive intake.
#pragma once

#include <QDialog>
#include <string>

#include "service/prepare_catalogue.h"
#include "service_windows_setup.h"

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

    // Settings file, login and catalogue (CP932 texts). False after a failure already shown; a
    // PRICE that is not a whole number throws the conversion error.
    bool prepareCatalogue(const std::string& provider, const Credentials& credentials);

    // The purchase run of the OK button.
    void downloadTicked();

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
};

}  // namespace zv::app
