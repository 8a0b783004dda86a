// The main window's download command: the notice about the flat-rate packs, then the login
// window, which runs the download window; the last archive fetched is opened like any other.
#include "login_window.h"
#include "main_window.h"

namespace zv::app {

void MainWindow::onDownload() {
    static const QString notice = QStringLiteral(
        "【ご注意】\r\n\r\n自動ダウンロード機能は定額パック(Aコース、Bコース、Cコース)に\r\n"
        "対応しておりませんので、定額パックをご契約の方は、ブラウザを\r\n"
        "利用してダウンロードしてください。\r\n\r\n自動ダウンロードを継続しますか？");
    if (!setup_.feedback.askYesAbort(this, notice)) return;

    ServiceWindowsSetup service;
    service.settings = setup_.settings;
    service.dataFolder = setup_.dataFolder;
    service.proxy = &proxy_;
    service.mainWindow = this;
    service.prompts = setup_.servicePrompts;
    const ServicePrompts system = ServicePrompts::system();
    if (!service.prompts.notice) service.prompts.notice = system.notice;
    if (!service.prompts.error) service.prompts.error = system.error;
    if (!service.prompts.askYesNo) service.prompts.askYesNo = system.askYesNo;
    service.openArchive = [this](const QString& archive) { openArchive(archive); };

    LoginWindow login(std::move(service), this);
    login.openModal();
}

}  // namespace zv::app
