#include "proxy_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zv::ui {

TfrmOption::TfrmOption(ProxySettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      txtAdress_(new QLineEdit(this)),
      txtPort_(new QSpinBox(this)),
      txtID_(new QLineEdit(this)),
      txtPass_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("プロキシサーバーの設定"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    txtAdress_->setObjectName(QStringLiteral("txtAdress"));
    txtPort_->setObjectName(QStringLiteral("txtPort"));
    txtPort_->setRange(0, 65535);
    txtID_->setObjectName(QStringLiteral("txtID"));
    txtPass_->setObjectName(QStringLiteral("txtPass"));
    txtPass_->setEchoMode(QLineEdit::Password);

    auto* intro = new QLabel(QStringLiteral("プロキシサーバーの設定をしてください。(正常に接続できていれば設定する必要はありません)"), this);
    intro->setWordWrap(true);
    auto* server = new QFormLayout;
    server->addRow(QStringLiteral("アドレス："), txtAdress_);
    server->addRow(QStringLiteral("ポート："), txtPort_);
    auto* account = new QGroupBox(QStringLiteral("認証(必要な場合のみ)"), this);
    auto* accountForm = new QFormLayout(account);
    accountForm->addRow(QStringLiteral("ID："), txtID_);
    accountForm->addRow(QStringLiteral("パスワード："), txtPass_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("キャンセル(&C)"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmOption::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(server);
    layout->addWidget(account);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

int TfrmOption::openModal() {
    txtAdress_->setText(QString::fromStdString(settings_.server));
    txtPort_->setValue(settings_.port);
    txtID_->setText(QString::fromStdString(settings_.userID));
    txtPass_->setText(QString::fromStdString(settings_.password));
    adjustSize();
    if (parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
    return exec();
}

void TfrmOption::btnOKClick() {
    settings_.server = txtAdress_->text().toStdString();
    settings_.port = txtPort_->value();
    settings_.userID = txtID_->text().toStdString();
    settings_.password = txtPass_->text().toStdString();
    accept();
}

}  // namespace zv::ui
