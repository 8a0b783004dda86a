#include "download_window.h"

#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/error.h"
#include "service/curl_transport.h"
#include "service_runner.h"
#include "settings/settings_store.h"
#include "ui/cp932_text.h"
#include "ui/long_work.h"

namespace zv::app {

namespace {

enum Column { ColFile, ColKind, ColPrice, ColPath };

}  // namespace

DownloadWindow::DownloadWindow(ServiceWindowsSetup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      memberLabel_(new QLabel(this)),
      folderEdit_(new QLineEdit(this)),
      folderButton_(new QToolButton(this)),
      listCaption_(new QLabel(this)),
      archiveList_(new QTreeWidget(this)),
      downloadingLabel_(new QLabel(this)),
      progressBar_(new QProgressBar(this)),
      okButton_(new QPushButton(QStringLiteral("&OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("キャンセル(&C)"), this)) {
    setup_.feedback = ui::UserFeedback::withSystemDefaults(std::move(setup_.feedback));
    setObjectName(QStringLiteral("downloadWindow"));
    setWindowTitle(QStringLiteral("BVOデータのダウンロード"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    memberLabel_->setObjectName(QStringLiteral("memberLabel"));
    folderEdit_->setObjectName(QStringLiteral("folderEdit"));
    folderButton_->setObjectName(QStringLiteral("folderButton"));
    folderButton_->setText(QStringLiteral("..."));
    folderButton_->setToolTip(QStringLiteral("保存先のフォルダを指定"));
    listCaption_->setObjectName(QStringLiteral("listCaption"));
    archiveList_->setObjectName(QStringLiteral("archiveList"));
    archiveList_->setRootIsDecorated(false);
    archiveList_->setSortingEnabled(false);
    archiveList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    archiveList_->setHeaderLabels(
        {QStringLiteral("ファイル名"), QStringLiteral("種別"), QStringLiteral("価格(税込)"), QStringLiteral("パス")});
    archiveList_->headerItem()->setTextAlignment(ColPrice, Qt::AlignRight | Qt::AlignVCenter);
    archiveList_->header()->setSectionsClickable(false);
    archiveList_->header()->setStretchLastSection(false);
    archiveList_->setColumnWidth(ColFile, 126);
    archiveList_->setColumnWidth(ColKind, 200);
    archiveList_->setColumnWidth(ColPrice, 80);
    archiveList_->setColumnHidden(ColPath, true);
    archiveList_->setMinimumSize(430, 180);
    downloadingLabel_->setObjectName(QStringLiteral("downloadingLabel"));
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->hide();
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setEnabled(false);
    okButton_->setDefault(true);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));

    auto* folder = new QHBoxLayout;
    folder->addWidget(new QLabel(QStringLiteral("保存先："), this));
    folder->addWidget(folderEdit_, 1);
    folder->addWidget(folderButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memberLabel_);
    layout->addLayout(folder);
    layout->addWidget(listCaption_);
    layout->addWidget(archiveList_, 1);
    layout->addWidget(downloadingLabel_);
    layout->addWidget(progressBar_);
    layout->addLayout(buttons);

    folderEdit_->setText(QString::fromStdString(
        setup_.settings->readText(settings::key::DataDir, ui::fromPath(setup_.dataFolder / "BVO").toStdString())));

    connect(archiveList_, &QTreeWidget::itemChanged, this, &DownloadWindow::updateOk);
    connect(folderEdit_, &QLineEdit::textChanged, this, &DownloadWindow::updateOk);
    connect(folderButton_, &QToolButton::clicked, this, &DownloadWindow::chooseFolder);
    connect(okButton_, &QPushButton::clicked, this, &DownloadWindow::downloadTicked);
    connect(cancelButton_, &QPushButton::clicked, this, &DownloadWindow::reject);
    centreOver(this, setup_.mainWindow);
}

void DownloadWindow::prepareCatalogue(const std::string& provider, const Credentials& credentials,
                                      std::function<void(bool ready)> ready) {
    // The window is not shown yet: messages open over the login window.
    QWidget* owner = parentWidget() ? parentWidget() : this;
    const ServiceUi ui = windowServiceUi(owner, setup_.feedback, progressBar_);
    const ServiceConfig config = readServiceConfig(*setup_.settings, *setup_.proxy);
    auto prepared = std::make_shared<std::optional<Catalogue>>();  // written by the job, read after its end
    auto work = [=, dataFolder = setup_.dataFolder,
                 downloadFolder = ui::toPath(folderEdit_->text())](const Job::Control&) {
        CurlTransport transport(config);
        *prepared =
            zv::prepareCatalogue(transport, config.serviceHost, dataFolder, downloadFolder, provider, credentials, ui);
    };
    job_ = ui::startJob(this, std::move(work), [this, owner, prepared, ready = std::move(ready)] {
        try {
            std::exchange(job_, nullptr)->finish();
        } catch (const Error& error) {
            setup_.feedback.errorReport(owner, QString::fromStdString(error.message()));
            return ready(false);
        }
        if (!*prepared) return ready(false);
        catalogue_ = std::move(**prepared);
        memberLabel_->setText(QString::fromStdString(catalogue_.memberLabel));
        fillList();
        ready(true);
    });
}

QString DownloadWindow::memberText() const { return memberLabel_->text(); }

void DownloadWindow::fillList() {
    const QSignalBlocker quiet(archiveList_);
    archiveList_->clear();
    for (const CatalogueRow& row : catalogue_.rows) {
        auto* item = new QTreeWidgetItem(
            archiveList_,
            {QString::fromStdString(row.entry.fileName), QString::fromStdString(row.entry.kind),
             QString::fromStdString(row.entry.price) + QStringLiteral("円"), QString::fromStdString(row.entry.path)});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(ColFile, row.ticked ? Qt::Checked : Qt::Unchecked);
        item->setTextAlignment(ColPrice, Qt::AlignRight | Qt::AlignVCenter);
    }
    listCaption_->setText(catalogue_.rows.empty()
                              ? QStringLiteral("現在ダウンロードできるファイルはありません")
                              : QStringLiteral("ダウンロードしたいファイルにチェックをしてOKボタンを押してください"));
    updateOk();
}

void DownloadWindow::updateOk() {
    bool anyTicked = false;
    for (int i = 0; i < archiveList_->topLevelItemCount(); ++i) {
        anyTicked = anyTicked || archiveList_->topLevelItem(i)->checkState(ColFile) == Qt::Checked;
    }
    okButton_->setEnabled(!busy_ && anyTicked && !folderEdit_->text().isEmpty());
}

void DownloadWindow::chooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("BVOデータの保存先フォルダを指定してください"), folderEdit_->text());
    if (!chosen.isEmpty()) folderEdit_->setText(chosen);
}

void DownloadWindow::setBusy(bool busy) {
    busy_ = busy;
    cancelButton_->setEnabled(!busy);
    folderButton_->setEnabled(!busy);
    folderEdit_->setReadOnly(busy);
    archiveList_->setEnabled(!busy);
    updateOk();
}

// Called on the GUI thread while the run waits: the rows fetched so far leave the list.
void DownloadWindow::showDownloading(const std::string& text) {
    progressBar_->show();
    downloadingLabel_->setText(QString::fromStdString(text));
    fillList();
}

void DownloadWindow::downloadTicked() {
    if (busy_) return;
    for (int i = 0; i < archiveList_->topLevelItemCount() && size_t(i) < catalogue_.rows.size(); ++i) {
        catalogue_.rows[size_t(i)].ticked = archiveList_->topLevelItem(i)->checkState(ColFile) == Qt::Checked;
    }
    const ServiceUi ui = windowServiceUi(this, setup_.feedback, progressBar_,
                                         [this](const std::string& text) { showDownloading(text); });
    const ServiceConfig config = readServiceConfig(*setup_.settings, *setup_.proxy);
    const PurchasePlaces places{ui::toPath(folderEdit_->text()), setup_.dataFolder};
    auto outcome = std::make_shared<PurchaseOutcome>();  // written by the job, read after its end
    // Fetched rows leave the catalogue as the run goes; the window reads it only while the run
    // waits for a status call, and after the run's end.
    auto work = [=, catalogue = &catalogue_](const Job::Control&) {
        CurlTransport transport(config);
        *outcome = runPurchase(transport, *catalogue, places, ui);
    };
    setBusy(true);
    job_ = ui::startJob(this, std::move(work), [this, outcome] {
        try {
            std::exchange(job_, nullptr)->finish();
        } catch (const Error& error) {
            setBusy(false);
            fillList();
            setup_.feedback.errorReport(this, QString::fromStdString(error.message()));
            return;
        }
        purchaseEnded(*outcome);
    });
}

void DownloadWindow::purchaseEnded(const PurchaseOutcome& outcome) {
    setBusy(false);
    fillList();
    if (outcome.end != PurchaseEnd::Completed) return;
    hide();
    std::error_code ignored;
    if (!outcome.lastArchive.empty() && std::filesystem::exists(outcome.lastArchive, ignored) && setup_.openArchive) {
        setup_.openArchive(ui::fromPath(outcome.lastArchive));
    }
    accept();
}

void DownloadWindow::done(int result) {
    if (busy_) return;  // the run ends the window itself
    setup_.settings->writeText(settings::key::DataDir, folderEdit_->text().toStdString());
    setup_.settings->sync();
    removeSettingsFile(setup_.dataFolder);
    QDialog::done(result);
}

}  // namespace zv::app
