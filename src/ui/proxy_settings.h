// The proxy the data-service client uses; edited in the proxy window, kept by the main window
// for the whole run and saved when it closes. Texts are UTF-8.
#pragma once

#include <string>

namespace zv::ui {

struct ProxySettings {
    std::string server;
    int port = 0;
    std::string userID;
    std::string password;
};

}  // namespace zv::ui
