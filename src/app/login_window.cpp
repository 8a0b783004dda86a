#include "login_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/error.h"
#include "download_window.h"
#include "service_runner.h"
#include "settings/settings_store.h"
#include "ui/cp932_input.h"
#include "ui/cp932_text.h"
#include "ui/proxy_window.h"

namespace zv::app {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

LoginWindow::LoginWindow(ServiceWindowsSetup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      providerList_(new QComboBox(this)),
      userIdEdit_(new QLineEdit(this)),
      passwordEdit_(new QLineEdit(this)),
      okButton_(new QPushButton(QStringLiteral("&OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("キャンセル(&C)"), this)),
      proxyButton_(new QPushButton(QStringLiteral("プロキシサーバーの設定"), this)),
      waitMessage_(new QLabel(QStringLiteral("認証中です。しばらくお待ちください..."), this)),
      fileNotice_(wrappedLabel(QStringLiteral("このパソコンではキーリング（パスワードの保管庫）が使えないため、"
                                              "パスワードは設定ファイルに保存されます。"),
                               this)) {
    setup_.feedback = ui::UserFeedback::withSystemDefaults(std::move(setup_.feedback));
    setObjectName(QStringLiteral("loginWindow"));
    setWindowTitle(QStringLiteral("ユーザー認証"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    providerList_->setObjectName(QStringLiteral("providerList"));
    providerList_->addItem(QStringLiteral("BIGLOBE"));
    userIdEdit_->setObjectName(QStringLiteral("userIdEdit"));
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit_->setEchoMode(QLineEdit::Password);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    proxyButton_->setObjectName(QStringLiteral("proxyButton"));
    waitMessage_->setObjectName(QStringLiteral("waitMessage"));
    waitMessage_->setStyleSheet(QStringLiteral("color: #c00000;"));
    waitMessage_->hide();
    fileNotice_->setObjectName(QStringLiteral("passwordFileNotice"));
    fileNotice_->hide();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("プロバイダ："), providerList_);
    form->addRow(QStringLiteral("ID："), userIdEdit_);
    form->addRow(QStringLiteral("PASS："), passwordEdit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* security = wrappedLabel(QStringLiteral("セキュリティソフトをお使いの方でうまくダウンロードができない場合はセ"
                                                 "キュリティソフトを切って、再度お試しください。"),
                                  this);
    security->setObjectName(QStringLiteral("securityNote"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fileNotice_);
    layout->addWidget(waitMessage_);
    layout->addLayout(buttons);
    layout->addWidget(security);
    layout->addWidget(
        wrappedLabel(QStringLiteral("プロキシサーバーを使用している場合、下のボタンを押して設定を行ってください。"
                                    "(正常に接続できていれば設定する必要はありません)"),
                     this));
    layout->addWidget(proxyButton_);
    setFixedWidth(380);

    connect(providerList_, &QComboBox::currentIndexChanged, this, &LoginWindow::updateOk);
    connect(userIdEdit_, &QLineEdit::textChanged, this, &LoginWindow::updateOk);
    connect(passwordEdit_, &QLineEdit::textChanged, this, &LoginWindow::updateOk);
    connect(okButton_, &QPushButton::clicked, this, &LoginWindow::logIn);
    connect(cancelButton_, &QPushButton::clicked, this, &LoginWindow::reject);
    connect(proxyButton_, &QPushButton::clicked, this, &LoginWindow::editProxySettings);
}

int LoginWindow::openModal() {
    loadCredentials();
    updateOk();
    centreOver(this, setup_.mainWindow);
    return exec();
}

void LoginWindow::loadCredentials() {
    namespace key = settings::key;
    const int provider = setup_.settings->readInt(key::DataProvider);
    providerList_->setCurrentIndex(provider >= 0 && provider < providerList_->count() ? provider : -1);
    userIdEdit_->setText(QString::fromStdString(setup_.settings->readText(key::DataUserID)));
    passwordEdit_->clear();
    try {
        const settings::StoredSecret password = setup_.settings->readSecret(key::DataPassword);
        passwordEdit_->setText(QString::fromStdString(password.text));
        showFileNoticeOnce(password.keptInFile);
    } catch (const Error& error) {
        setup_.feedback.errorReport(this, QString::fromStdString(error.message()));
    }
}

void LoginWindow::showFileNoticeOnce(bool keptInFile) {
    namespace key = settings::key;
    const bool show = keptInFile && setup_.settings->readInt(key::DataPasswordFileNotice) == 0;
    fileNotice_->setVisible(show);
    if (!show) return;
    setup_.settings->writeInt(key::DataPasswordFileNotice, 1);
    setup_.settings->sync();
}

void LoginWindow::storeCredentials() {
    namespace key = settings::key;
    setup_.settings->writeInt(key::DataProvider, providerList_->currentIndex());
    setup_.settings->writeSecret(key::DataPassword, userIdEdit_->text().toStdString(),
                                 passwordEdit_->text().toStdString());
    setup_.settings->sync();
}

void LoginWindow::updateOk() {
    okButton_->setEnabled(!busy_ && !providerList_->currentText().isEmpty() && !userIdEdit_->text().isEmpty() &&
                          !passwordEdit_->text().isEmpty());
}

void LoginWindow::reject() {
    if (!busy_) QDialog::reject();
}

void LoginWindow::logIn() {
    // The account goes to the service as Shift_JIS: what it cannot hold is refused here.
    if (!ui::fieldsFitCp932(setup_.feedback,
                            {{QStringLiteral("ID"), userIdEdit_}, {QStringLiteral("パスワード"), passwordEdit_}})) {
        return;
    }
    waitMessage_->show();
    okButton_->setCursor(Qt::WaitCursor);

    // While the credentials are stored and the login runs, the window paints but takes no commands.
    busy_ = true;
    for (QWidget* control : std::initializer_list<QWidget*>{providerList_, userIdEdit_, passwordEdit_, okButton_,
                                                            cancelButton_, proxyButton_}) {
        control->setEnabled(false);
    }
    storeCredentials();
    download_ = std::make_unique<DownloadWindow>(setup_, this);
    download_->prepareCatalogue(providerList_->currentText().toStdString(),
                                {ui::toCp932(userIdEdit_->text()), ui::toCp932(passwordEdit_->text())},
                                [this](bool ready) { catalogueReady(ready); });
}

void LoginWindow::catalogueReady(bool ready) {
    busy_ = false;
    for (QWidget* control :
         std::initializer_list<QWidget*>{providerList_, userIdEdit_, passwordEdit_, cancelButton_, proxyButton_}) {
        control->setEnabled(true);
    }
    okButton_->unsetCursor();
    updateOk();
    if (!ready) {
        waitMessage_->hide();
        download_.reset();
        return;
    }
    hide();
    if (downloadWindowShown) downloadWindowShown(download_.get());
    download_->exec();
    download_.reset();
    accept();
}

void LoginWindow::editProxySettings() {
    if (!setup_.proxy) return;
    // Centred over this window, which itself lies centred over the main window.
    ui::ProxyWindow proxyWindow(*setup_.proxy, this, setup_.feedback);
    proxyWindow.openModal();
}

}  // namespace zv::app
