// The download window (TfrmDownload): the archives the account may buy and that are not yet in
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

class TfrmDownload : public QDialog {
    Q_OBJECT
public:
    TfrmDownload(ServiceWindowsSetup setup, QWidget* parent = nullptr);

    // Settings file, login and catalogue (CP932 texts). False after a failure already shown; a
    // PRICE that is not a whole number throws the conversion error.
    bool prepareCatalogue(const std::string& provider, const Credentials& credentials);

    // The purchase run of the OK button.
    void btnOKClick();

    QTreeWidget* list() const { return sListView1_; }
    QString memberText() const;

public slots:
    void done(int result) override;

private:
    void fillList();
    void updateOk();
    void btnDirClick();
    void setBusy(bool busy);
    void showDownloading(const std::string& text);

    ServiceWindowsSetup setup_;
    Catalogue catalogue_;
    bool busy_ = false;
    QLabel* lblMember_;
    QLineEdit* txtDir_;
    QToolButton* btnDir_;
    QLabel* lblList_;
    QTreeWidget* sListView1_;
    QLabel* lblDownFile_;
    QProgressBar* Gauge1_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
};

}  // namespace zv::app
