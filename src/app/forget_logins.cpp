#include "forget_logins.h"

#include "settings/settings_store.h"

namespace zv::app {

bool forgetLogins(settings::SettingsStore& settings, StoredProxy& proxy, const ui::UserFeedback& feedback,
                  QWidget* parent) {
    if (!feedback.askYesNo(parent,
                           QStringLiteral("保存されているログイン情報（ユーザーIDとパスワード、"
                                          "プロキシサーバーの認証のIDとパスワード）を消去しますか？"),
                           QString())) {
        return false;
    }
    settings.forgetLogins();
    proxy.userID.clear();
    proxy.password.clear();
    return true;
}

}  // namespace zv::app
