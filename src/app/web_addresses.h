// The two web addresses the Help menu and the tool bar open, in the system's browser.
#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace zv::app {

// The product's support and purchase page (also the tool bar's picture link).
inline constexpr const char* kSupportPageAddress = "https://zelvora.example.jp/support/";
// The data service's home page.
inline constexpr const char* kDataServiceAddress = "https://online.brevanne.example.jp/";

inline void openWebAddress(const char* address) { QDesktopServices::openUrl(QUrl(QString::fromLatin1(address))); }

}  // namespace zv::app
