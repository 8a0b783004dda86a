// ファイル → ログイン情報を消去: once the user confirms, the stored IDs and passwords of the data
// service and the proxy go from the keyring and the settings file, and from the proxy settings the
// main window holds (which it would otherwise write back when it closes).
#pragma once

#include "session/service_settings.h"
#include "ui/user_feedback.h"

class QWidget;

namespace zv::settings {
class SettingsStore;
}

namespace zv::app {

// False when the user said No.
bool forgetLogins(settings::SettingsStore& settings, StoredProxy& proxy, const ui::UserFeedback& feedback,
                  QWidget* parent);

}  // namespace zv::app
