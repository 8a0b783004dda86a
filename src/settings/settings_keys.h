// Every persisted setting of the program, declared once: section, value name, type and default.
// Integers are stored as decimal text and read leniently (missing or not a number: the default).
#pragma once

#include <array>
#include <string_view>

namespace zv::settings {

enum class ValueType {
    Int,
    Text,
    Secret,  // text that must never be printed (passwords)
};

struct Key {
    std::string_view section;
    std::string_view name;
    ValueType type;
    int intDefault = 0;
    // True when the default depends on the screen or the data folder; the caller passes it in.
    bool computedDefault = false;
};

namespace key {
// Main window. Top and Left default to the window centred on the screen.
inline constexpr Key MainHeight{"frmMain", "Height", ValueType::Int, 700};
inline constexpr Key MainRestoreHeight{"frmMain", "Height2", ValueType::Int, 700};
inline constexpr Key MainWidth{"frmMain", "Width", ValueType::Int, 690};
inline constexpr Key MainTop{"frmMain", "Top", ValueType::Int, 0, true};
inline constexpr Key MainLeft{"frmMain", "Left", ValueType::Int, 0, true};
// Horse detail window and bet-line window positions, centred by default.
inline constexpr Key DetailTop{"frmDetail", "Top", ValueType::Int, 0, true};
inline constexpr Key DetailLeft{"frmDetail", "Left", ValueType::Int, 0, true};
inline constexpr Key KaimeTop{"frmKaime", "Top", ValueType::Int, 0, true};
inline constexpr Key KaimeLeft{"frmKaime", "Left", ValueType::Int, 0, true};
// Horse detail window size; 0 for the size that shows every past-race column.
inline constexpr Key DetailWidth{"frmDetail", "Width", ValueType::Int, 0};
inline constexpr Key DetailHeight{"frmDetail", "Height", ValueType::Int, 0};
// The folder every export's save dialog starts in: where the user saved last.
inline constexpr Key ExportDir{"Export", "Dir", ValueType::Text};
// Proxy used by the data-service client.
inline constexpr Key ProxyPort{"frmOption", "gProxyPort", ValueType::Int, 0};
inline constexpr Key ProxyServer{"frmOption", "gProxyServer", ValueType::Text};
inline constexpr Key ProxyUserID{"frmOption", "gProxyUserID", ValueType::Text};
inline constexpr Key ProxyPassword{"frmOption", "gProxyPassword", ValueType::Secret};
// Data service: download folder (default: data folder + "BVO"), login, service host, extra CA file.
inline constexpr Key DataDir{"Data", "Dir", ValueType::Text, 0, true};
inline constexpr Key DataProvider{"Data", "Provider", ValueType::Int, -1};
inline constexpr Key DataUserID{"Data", "UserID", ValueType::Text};
inline constexpr Key DataPassword{"Data", "Password", ValueType::Secret};
inline constexpr Key DataServiceHost{"Data", "ServiceHost", ValueType::Text, 0, true};
inline constexpr Key DataCAFile{"Data", "CAFile", ValueType::Text};
}  // namespace key

inline constexpr std::array kAllKeys{
    key::MainHeight,   key::MainRestoreHeight, key::MainWidth,       key::MainTop,    key::MainLeft,
    key::DetailTop,    key::DetailLeft,        key::KaimeTop,        key::KaimeLeft,  key::ProxyPort,
    key::ProxyServer,  key::ProxyUserID,       key::ProxyPassword,   key::DataDir,    key::DataProvider,
    key::DataUserID,   key::DataPassword,      key::DataServiceHost, key::DataCAFile, key::DetailWidth,
    key::DetailHeight, key::ExportDir,
};

// The developer flag lives in an INI file, section "Option", value "DeveloperMode".
inline constexpr std::string_view kIniSection = "Option";
inline constexpr std::string_view kIniDeveloperMode = "DeveloperMode";

}  // namespace zv::settings
