#include "download_command.h"

#include "login_window.h"

namespace zv::app {

void DownloadCommand::run() {
    static const QString notice = QStringLiteral(
        "【ご注意】\r\n\r\n自動ダウンロード機能は定額パック(Aコース、Bコース、Cコース)に\r\n"
        "対応しておりませんので、定額パックをご契約の方は、ブラウザを\r\n"
        "利用してダウンロードしてください。\r\n\r\n自動ダウンロードを継続しますか？");
    if (!setup_.feedback.askYesAbort(setup_.mainWindow, notice)) return;
    LoginWindow login(setup_, setup_.mainWindow);
    login.openModal();
}

}  // namespace zv::app
