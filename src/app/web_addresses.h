// The two web addresses the Help menu and the tool bar open.
#pragma once

namespace zv::app {

// The product's support and purchase page (also the tool bar's picture link).
inline constexpr const char* kSupportPageAddress = "https://zelvora.example.jp/support/";
// The data service's home page.
inline constexpr const char* kDataServiceAddress = "https://online.brevanne.example.jp/";

}  // namespace zv::app
