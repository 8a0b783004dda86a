#include "proxy_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "cp932_input.h"

namespace zv::ui {

ProxyWindow::ProxyWindow(StoredProxy& settings, QWidget* parent, UserFeedback feedback)
    : QDialog(parent),
      settings_(settings),
      feedback_(UserFeedback::withSystemDefaults(std::move(feedback))),
      serverEdit_(new QLineEdit(this)),
      portEdit_(new QSpinBox(this)),
      userIdEdit_(new QLineEdit(this)),
      passwordEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("proxyWindow"));
    setWindowTitle(QStringLiteral("プロキシサーバーの設定"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    serverEdit_->setObjectName(QStringLiteral("proxyServerEdit"));
    portEdit_->setObjectName(QStringLiteral("proxyPortEdit"));
    portEdit_->setRange(0, 65535);
    userIdEdit_->setObjectName(QStringLiteral("userIdEdit"));
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit_->setEchoMode(QLineEdit::Password);

    auto* intro = new QLabel(
        QStringLiteral("プロキシサーバーの設定をしてください。(正常に接続できていれば設定する必要はありません)"), this);
    intro->setWordWrap(true);
    auto* server = new QFormLayout;
    server->addRow(QStringLiteral("アドレス："), serverEdit_);
    server->addRow(QStringLiteral("ポート："), portEdit_);
    auto* account = new QGroupBox(QStringLiteral("認証(必要な場合のみ)"), this);
    auto* accountForm = new QFormLayout(account);
    accountForm->addRow(QStringLiteral("ID："), userIdEdit_);
    accountForm->addRow(QStringLiteral("パスワード："), passwordEdit_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("キャンセル(&C)"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProxyWindow::acceptFields);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(server);
    layout->addWidget(account);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

int ProxyWindow::openModal() {
    serverEdit_->setText(QString::fromStdString(settings_.server));
    portEdit_->setValue(settings_.port);
    userIdEdit_->setText(QString::fromStdString(settings_.userID));
    passwordEdit_->setText(QString::fromStdString(settings_.password));
    adjustSize();
    if (parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
    return exec();
}

void ProxyWindow::acceptFields() {
    if (!fieldsFitCp932(feedback_, {{QStringLiteral("アドレス"), serverEdit_},
                                    {QStringLiteral("ID"), userIdEdit_},
                                    {QStringLiteral("パスワード"), passwordEdit_}})) {
        return;
    }
    settings_.server = serverEdit_->text().toStdString();
    settings_.port = portEdit_->value();
    settings_.userID = userIdEdit_->text().toStdString();
    settings_.password = passwordEdit_->text().toStdString();
    accept();
}

}  // namespace zv::ui
