#include "login_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/error.h"
#include "data/sjis.h"
#include "download_window.h"
#include "service/credential_cipher.h"
#include "service_runner.h"
#include "settings/settings_store.h"
#include "ui/proxy_window.h"

namespace zv::app {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TfrmNinsyo::TfrmNinsyo(ServiceWindowsSetup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      cmbProvider_(new QComboBox(this)),
      txtID_(new QLineEdit(this)),
      txtPass_(new QLineEdit(this)),
      btnOK_(new QPushButton(QStringLiteral("&OK"), this)),
      btnCancel_(new QPushButton(QStringLiteral("キャンセル(&C)"), this)),
      btnProxy_(new QPushButton(QStringLiteral("プロキシサーバーの設定"), this)),
      lblMes_(new QLabel(QStringLiteral("認証中です。しばらくお待ちください..."), this)) {
    setObjectName(QStringLiteral("frmNinsyo"));
    setWindowTitle(QStringLiteral("ユーザー認証"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    cmbProvider_->setObjectName(QStringLiteral("cmbProvider"));
    cmbProvider_->addItem(QStringLiteral("BIGLOBE"));
    txtID_->setObjectName(QStringLiteral("txtID"));
    txtPass_->setObjectName(QStringLiteral("txtPass"));
    txtPass_->setEchoMode(QLineEdit::Password);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnProxy_->setObjectName(QStringLiteral("btnProxy"));
    lblMes_->setObjectName(QStringLiteral("lblMes"));
    lblMes_->setStyleSheet(QStringLiteral("color: #c00000;"));
    lblMes_->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("プロバイダ："), cmbProvider_);
    form->addRow(QStringLiteral("ID："), txtID_);
    form->addRow(QStringLiteral("PASS："), txtPass_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    auto* security = wrappedLabel(
        QStringLiteral("セキュリティソフトをお使いの方でうまくダウンロードができない場合はセキュリティソフトを切って、再度お試しください。"), this);
    security->setObjectName(QStringLiteral("Label1"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblMes_);
    layout->addLayout(buttons);
    layout->addWidget(security);
    layout->addWidget(wrappedLabel(QStringLiteral("プロキシサーバーを使用している場合、下のボタンを押して設定を行ってください。"
                                                  "(正常に接続できていれば設定する必要はありません)"),
                                   this));
    layout->addWidget(btnProxy_);
    setFixedWidth(380);

    connect(cmbProvider_, &QComboBox::currentIndexChanged, this, &TfrmNinsyo::updateOk);
    connect(txtID_, &QLineEdit::textChanged, this, &TfrmNinsyo::updateOk);
    connect(txtPass_, &QLineEdit::textChanged, this, &TfrmNinsyo::updateOk);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmNinsyo::btnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TfrmNinsyo::reject);
    connect(btnProxy_, &QPushButton::clicked, this, &TfrmNinsyo::btnProxyClick);
}

int TfrmNinsyo::openModal() {
    loadCredentials();
    updateOk();
    centreOver(this, setup_.mainWindow);
    return exec();
}

void TfrmNinsyo::loadCredentials() {
    namespace key = settings::key;
    const int provider = setup_.settings->readInt(key::DataProvider);
    cmbProvider_->setCurrentIndex(provider >= 0 && provider < cmbProvider_->count() ? provider : -1);
    txtID_->setText(QString::fromStdString(setup_.settings->readText(key::DataUserID)));
    txtPass_->clear();
    const std::string stored = setup_.settings->readText(key::DataPassword);
    if (stored.empty()) return;
    try {
        txtPass_->setText(messageText(decipherPassword(stored)));
    } catch (const Error& error) {
        setup_.prompts.error(this, messageText(error.message()));
    }
}

void TfrmNinsyo::storeCredentials() {
    namespace key = settings::key;
    setup_.settings->writeInt(key::DataProvider, cmbProvider_->currentIndex());
    setup_.settings->writeText(key::DataUserID, txtID_->text().toStdString());
    setup_.settings->writeText(key::DataPassword, encipherPassword(fromUtf8(txtPass_->text().toStdString())));
    setup_.settings->sync();
}

void TfrmNinsyo::updateOk() {
    btnOK_->setEnabled(!busy_ && !cmbProvider_->currentText().isEmpty() && !txtID_->text().isEmpty() &&
                       !txtPass_->text().isEmpty());
}

void TfrmNinsyo::reject() {
    if (!busy_) QDialog::reject();
}

void TfrmNinsyo::btnOKClick() {
    lblMes_->show();
    btnOK_->setCursor(Qt::WaitCursor);
    storeCredentials();

    // While the login runs the window paints but takes no commands.
    busy_ = true;
    for (QWidget* control : std::initializer_list<QWidget*>{cmbProvider_, txtID_, txtPass_, btnOK_, btnCancel_, btnProxy_}) {
        control->setEnabled(false);
    }
    auto download = std::make_unique<TfrmDownload>(setup_, this);
    bool ready = false;
    try {
        ready = download->prepareCatalogue(fromUtf8(cmbProvider_->currentText().toStdString()),
                                           {fromUtf8(txtID_->text().toStdString()), fromUtf8(txtPass_->text().toStdString())});
    } catch (const Error& error) {
        setup_.prompts.error(this, messageText(error.message()));
    }
    busy_ = false;
    for (QWidget* control : std::initializer_list<QWidget*>{cmbProvider_, txtID_, txtPass_, btnCancel_, btnProxy_}) {
        control->setEnabled(true);
    }
    btnOK_->unsetCursor();
    updateOk();
    if (!ready) {
        lblMes_->hide();
        return;
    }
    hide();
    if (downloadWindowShown) downloadWindowShown(download.get());
    download->exec();
    download.reset();
    accept();
}

void TfrmNinsyo::btnProxyClick() {
    if (!setup_.proxy) return;
    // Centred over this window, which itself lies centred over the main window.
    ui::TfrmOption proxyWindow(*setup_.proxy, this);
    proxyWindow.openModal();
}

}  // namespace zv::app
