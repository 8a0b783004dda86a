// Every persisted setting of the program, declared once: section, value name and what it holds.
// The key's type says how it is read and written, so a text cannot be read as a number:
// integers are stored as decimal text and read leniently (missing or not a number: the default);
// secrets go to the desktop's keyring, or where there is none, into the file in their file form.
#pragma once

#include <array>
#include <string_view>

namespace zv::settings {

struct IntKey {
    std::string_view section;
    std::string_view name;
    int fallback = 0;
};

struct TextKey {
    std::string_view section;
    std::string_view name;
};

// How a secret is written into the settings file where no keyring takes it: enciphered with the
// service password cipher (over its CP932 bytes), or as typed.
enum class FileForm { Enciphered, AsTyped };

// A password; it is never printed. The desktop's keyring keeps it under keyringService (the
// program's name) with the text stored under account as the entry's account. Where no keyring
// takes it, and while its account is empty, the settings file keeps it under section and name.
struct SecretKey {
    std::string_view section;
    std::string_view name;
    TextKey account;
    std::string_view keyringService;
    FileForm fileForm;
};

namespace key {
// Main window. Top and Left default to the window centred on the screen (the caller computes it).
inline constexpr IntKey MainHeight{"frmMain", "Height", 700};
inline constexpr IntKey MainRestoreHeight{"frmMain", "Height2", 700};
inline constexpr IntKey MainWidth{"frmMain", "Width", 690};
inline constexpr IntKey MainTop{"frmMain", "Top"};
inline constexpr IntKey MainLeft{"frmMain", "Left"};
// Horse detail window and bet-line window positions, centred by default (computed by the caller).
inline constexpr IntKey DetailTop{"frmDetail", "Top"};
inline constexpr IntKey DetailLeft{"frmDetail", "Left"};
inline constexpr IntKey BetLinesTop{"frmKaime", "Top"};
inline constexpr IntKey BetLinesLeft{"frmKaime", "Left"};
// Horse detail window size; 0 for the size that shows every past-race column.
inline constexpr IntKey DetailWidth{"frmDetail", "Width"};
inline constexpr IntKey DetailHeight{"frmDetail", "Height"};
// The folder every export's save dialog starts in: where the user saved last.
inline constexpr TextKey ExportDir{"Export", "Dir"};
// The race on screen at close and the data set it belongs to (data_set_fingerprint.h): a restart
// over the same data set shows that race again.
inline constexpr TextKey LastDataSet{"LastRace", "DataSet"};
inline constexpr IntKey LastRace{"LastRace", "Race", -1};
// The report card window: its place and size (centred, 900 x 700 by default), its inputs (one
// path a line), the inputs of its last finished count and how long that count took (-1: none).
inline constexpr IntKey ReportCardTop{"ReportCard", "Top"};
inline constexpr IntKey ReportCardLeft{"ReportCard", "Left"};
inline constexpr IntKey ReportCardWidth{"ReportCard", "Width", 900};
inline constexpr IntKey ReportCardHeight{"ReportCard", "Height", 700};
inline constexpr TextKey ReportCardInputs{"ReportCard", "Inputs"};
inline constexpr TextKey ReportCardCountedInputs{"ReportCard", "CountedInputs"};
inline constexpr IntKey ReportCardCountMilliseconds{"ReportCard", "CountMilliseconds", -1};
// Proxy used by the data-service client. Without a keyring its password is kept as typed: the
// settings file has always held it so, and older files must keep working.
inline constexpr IntKey ProxyPort{"frmOption", "gProxyPort"};
inline constexpr TextKey ProxyServer{"frmOption", "gProxyServer"};
inline constexpr TextKey ProxyUserID{"frmOption", "gProxyUserID"};
inline constexpr SecretKey ProxyPassword{"frmOption", "gProxyPassword", ProxyServer, "Zelvora proxy",
                                         FileForm::AsTyped};
// Data service: download folder (default computed: data folder + "BVO"), login, service host
// (default computed: the service's own host), extra CA file.
inline constexpr TextKey DataDir{"Data", "Dir"};
inline constexpr IntKey DataProvider{"Data", "Provider", -1};
inline constexpr TextKey DataUserID{"Data", "UserID"};
inline constexpr SecretKey DataPassword{"Data", "Password", DataUserID, "Zelvora", FileForm::Enciphered};
// 1 once the login window has said that the password is kept in the settings file.
inline constexpr IntKey DataPasswordFileNotice{"Data", "PasswordFileNotice", 0};
inline constexpr TextKey DataServiceHost{"Data", "ServiceHost"};
inline constexpr TextKey DataCAFile{"Data", "CAFile"};
}  // namespace key

inline constexpr std::array kIntKeys{
    key::MainHeight,
    key::MainRestoreHeight,
    key::MainWidth,
    key::MainTop,
    key::MainLeft,
    key::DetailTop,
    key::DetailLeft,
    key::BetLinesTop,
    key::BetLinesLeft,
    key::DetailWidth,
    key::DetailHeight,
    key::ProxyPort,
    key::DataProvider,
    key::LastRace,
    key::ReportCardTop,
    key::ReportCardLeft,
    key::ReportCardWidth,
    key::ReportCardHeight,
    key::ReportCardCountMilliseconds,
    key::DataPasswordFileNotice,
};
inline constexpr std::array kTextKeys{
    key::ExportDir,       key::ProxyServer, key::ProxyUserID, key::DataDir,          key::DataUserID,
    key::DataServiceHost, key::DataCAFile,  key::LastDataSet, key::ReportCardInputs, key::ReportCardCountedInputs,
};
inline constexpr std::array kSecretKeys{key::DataPassword, key::ProxyPassword};
// The IDs that go with the passwords when the user has the login data forgotten.
inline constexpr std::array kLoginIDs{key::DataUserID, key::ProxyUserID};

// The developer flag lives in an INI file, section "Option", value "DeveloperMode".
inline constexpr std::string_view kIniSection = "Option";
inline constexpr std::string_view kIniDeveloperMode = "DeveloperMode";

}  // namespace zv::settings
