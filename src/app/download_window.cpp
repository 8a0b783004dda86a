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
#include "data/sjis.h"
#include "service/curl_transport.h"
#include "service/purchase_run.h"
#include "service_runner.h"
#include "settings/settings_store.h"

namespace zv::app {

namespace {

enum Column { ColFile, ColKind, ColPrice, ColPath };

std::filesystem::path toPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString fromPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

}  // namespace

TfrmDownload::TfrmDownload(ServiceWindowsSetup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      lblMember_(new QLabel(this)),
      txtDir_(new QLineEdit(this)),
      btnDir_(new QToolButton(this)),
      lblList_(new QLabel(this)),
      sListView1_(new QTreeWidget(this)),
      lblDownFile_(new QLabel(this)),
      Gauge1_(new QProgressBar(this)),
      btnOK_(new QPushButton(QStringLiteral("&OK"), this)),
      btnCancel_(new QPushButton(QStringLiteral("キャンセル(&C)"), this)) {
    setObjectName(QStringLiteral("frmDownload"));
    setWindowTitle(QStringLiteral("BVOデータのダウンロード"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    lblMember_->setObjectName(QStringLiteral("lblMember"));
    txtDir_->setObjectName(QStringLiteral("txtDir"));
    btnDir_->setObjectName(QStringLiteral("btnDir"));
    btnDir_->setText(QStringLiteral("..."));
    btnDir_->setToolTip(QStringLiteral("保存先のフォルダを指定"));
    lblList_->setObjectName(QStringLiteral("lblList"));
    sListView1_->setObjectName(QStringLiteral("sListView1"));
    sListView1_->setRootIsDecorated(false);
    sListView1_->setSortingEnabled(false);
    sListView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sListView1_->setHeaderLabels({QStringLiteral("ファイル名"), QStringLiteral("種別"), QStringLiteral("価格(税込)"),
                                  QStringLiteral("パス")});
    sListView1_->headerItem()->setTextAlignment(ColPrice, Qt::AlignRight | Qt::AlignVCenter);
    sListView1_->header()->setSectionsClickable(false);
    sListView1_->header()->setStretchLastSection(false);
    sListView1_->setColumnWidth(ColFile, 126);
    sListView1_->setColumnWidth(ColKind, 200);
    sListView1_->setColumnWidth(ColPrice, 80);
    sListView1_->setColumnHidden(ColPath, true);
    sListView1_->setMinimumSize(430, 180);
    lblDownFile_->setObjectName(QStringLiteral("lblDownFile"));
    Gauge1_->setObjectName(QStringLiteral("Gauge1"));
    Gauge1_->setRange(0, 100);
    Gauge1_->setValue(0);
    Gauge1_->hide();
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setEnabled(false);
    btnOK_->setDefault(true);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));

    auto* folder = new QHBoxLayout;
    folder->addWidget(new QLabel(QStringLiteral("保存先："), this));
    folder->addWidget(txtDir_, 1);
    folder->addWidget(btnDir_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMember_);
    layout->addLayout(folder);
    layout->addWidget(lblList_);
    layout->addWidget(sListView1_, 1);
    layout->addWidget(lblDownFile_);
    layout->addWidget(Gauge1_);
    layout->addLayout(buttons);

    txtDir_->setText(QString::fromStdString(
        setup_.settings->readText(settings::key::DataDir, fromPath(setup_.dataFolder / "BVO").toStdString())));

    connect(sListView1_, &QTreeWidget::itemChanged, this, &TfrmDownload::updateOk);
    connect(txtDir_, &QLineEdit::textChanged, this, &TfrmDownload::updateOk);
    connect(btnDir_, &QToolButton::clicked, this, &TfrmDownload::btnDirClick);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmDownload::btnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TfrmDownload::reject);
    centreOver(this, setup_.mainWindow);
}

bool TfrmDownload::prepareCatalogue(const std::string& provider, const Credentials& credentials) {
    // The window is not shown yet: messages open over the login window.
    QWidget* owner = parentWidget() ? parentWidget() : this;
    const ServiceUi ui = windowServiceUi(owner, setup_.prompts, Gauge1_);
    const ServiceConfig config = serviceConfig(setup_);
    CurlTransport transport(config);
    const std::filesystem::path downloadFolder = toPath(txtDir_->text());
    std::optional<Catalogue> prepared;
    runOffGuiThread([&] {
        prepared = zv::prepareCatalogue(transport, config.serviceHost, setup_.dataFolder, downloadFolder, provider,
                                        credentials, ui);
    });
    if (!prepared) return false;
    catalogue_ = std::move(*prepared);
    lblMember_->setText(messageText(catalogue_.memberLabel));
    fillList();
    return true;
}

QString TfrmDownload::memberText() const { return lblMember_->text(); }

void TfrmDownload::fillList() {
    const QSignalBlocker quiet(sListView1_);
    sListView1_->clear();
    static const std::string yen = sj("円");
    for (const CatalogueRow& row : catalogue_.rows) {
        auto* item = new QTreeWidgetItem(sListView1_, {messageText(row.entry.fileName), messageText(row.entry.kind),
                                                       messageText(row.entry.price + yen), messageText(row.entry.path)});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(ColFile, row.ticked ? Qt::Checked : Qt::Unchecked);
        item->setTextAlignment(ColPrice, Qt::AlignRight | Qt::AlignVCenter);
    }
    lblList_->setText(catalogue_.rows.empty() ? QStringLiteral("現在ダウンロードできるファイルはありません")
                                              : QStringLiteral("ダウンロードしたいファイルにチェックをしてOKボタンを押してください"));
    updateOk();
}

void TfrmDownload::updateOk() {
    bool anyTicked = false;
    for (int i = 0; i < sListView1_->topLevelItemCount(); ++i) {
        anyTicked = anyTicked || sListView1_->topLevelItem(i)->checkState(ColFile) == Qt::Checked;
    }
    btnOK_->setEnabled(!busy_ && anyTicked && !txtDir_->text().isEmpty());
}

void TfrmDownload::btnDirClick() {
    const QString chosen =
        QFileDialog::getExistingDirectory(this, QStringLiteral("BVOデータの保存先フォルダを指定してください"), txtDir_->text());
    if (!chosen.isEmpty()) txtDir_->setText(chosen);
}

void TfrmDownload::setBusy(bool busy) {
    busy_ = busy;
    btnCancel_->setEnabled(!busy);
    btnDir_->setEnabled(!busy);
    txtDir_->setReadOnly(busy);
    sListView1_->setEnabled(!busy);
    updateOk();
}

// Called on the GUI thread while the run waits: the rows fetched so far leave the list.
void TfrmDownload::showDownloading(const std::string& text) {
    Gauge1_->show();
    lblDownFile_->setText(messageText(text));
    fillList();
}

void TfrmDownload::btnOKClick() {
    if (busy_) return;
    for (int i = 0; i < sListView1_->topLevelItemCount() && size_t(i) < catalogue_.rows.size(); ++i) {
        catalogue_.rows[size_t(i)].ticked = sListView1_->topLevelItem(i)->checkState(ColFile) == Qt::Checked;
    }
    const ServiceUi ui = windowServiceUi(this, setup_.prompts, Gauge1_,
                                         [this](const std::string& text) { showDownloading(text); });
    CurlTransport transport(serviceConfig(setup_));
    const PurchasePlaces places{toPath(txtDir_->text()), setup_.dataFolder};
    PurchaseOutcome outcome;
    setBusy(true);
    try {
        runOffGuiThread([&] { outcome = runPurchase(transport, catalogue_, places, ui); });
    } catch (const Error& error) {
        setBusy(false);
        fillList();
        setup_.prompts.error(this, messageText(error.message()));
        return;
    }
    setBusy(false);
    fillList();
    if (outcome.end != PurchaseEnd::Completed) return;
    hide();
    std::error_code ignored;
    if (!outcome.lastArchive.empty() && std::filesystem::exists(outcome.lastArchive, ignored) && setup_.openArchive) {
        setup_.openArchive(fromPath(outcome.lastArchive));
    }
    accept();
}

void TfrmDownload::done(int result) {
    if (busy_) return;  // the run ends the window itself
    setup_.settings->writeText(settings::key::DataDir, txtDir_->text().toStdString());
    setup_.settings->sync();
    removeSettingsFile(setup_.dataFolder);
    QDialog::done(result);
}

}  // namespace zv::app
