// The download command of the main window: the notice about the flat-rate packs, then the login
// window, which runs the download window; the last archive fetched is opened like any other.
#pragma once

#include "service_windows_setup.h"

namespace zv::app {

class DownloadCommand {
public:
    explicit DownloadCommand(ServiceWindowsSetup setup) : setup_(std::move(setup)) {}

    void run();

private:
    ServiceWindowsSetup setup_;
};

}  // namespace zv::app
