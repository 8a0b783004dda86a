// The two requests to the data service. Each runs on a fresh libcurl handle (no cookies,
// connections or authentication carried over), follows redirects, accepts cookies within its
// redirect chain, verifies certificates, and sends the account's credentials over HTTPS only.
// Both run on the calling thread and report progress through the hooks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "service_config.h"

namespace zv {

struct TransferHooks {
    std::function<void(int64_t total)> begin;  // body starts; total 0 when the server names none
    std::function<void(int64_t done)> progress;
    std::function<void()> end;                 // after a transfer that had begun
    std::function<bool()> aborted;             // polled during the transfer; true stops it
};

struct FetchResult {
    bool ok = false;
    long status = 0;     // status code of the last response received, 0 when none arrived
    std::string detail;  // why it failed, in ASCII, never holding credentials
};

struct FileFetchOptions {
    int64_t maxBytes = 0;  // 0: no limit
    // Looks at the complete download before it replaces the target; false fails the request.
    std::function<bool(const std::filesystem::path& file)> accept;
};

// GET url into memory. The body comes back split into lines, each ending in CR LF.
struct TextFetch {
    FetchResult result;
    std::string text;
};
TextFetch fetchBody(const ServiceConfig& config, const std::string& url, const Credentials& credentials,
                    const TransferHooks& hooks = {});

// The page with CR LF line ends on success; otherwise the status code (or -1 when no response
// arrived) as decimal text followed by CR LF. Basic authentication only when ID and password are
// both given.
std::string fetchText(const ServiceConfig& config, const std::string& url, const Credentials& credentials,
                      const TransferHooks& hooks = {});

// GET url into localFile. The body goes to a temporary file in the same folder that replaces
// localFile only on success, so a failure leaves an earlier copy as it was. Basic authentication
// whenever an ID or a password is given.
FetchResult fetchToFile(const ServiceConfig& config, const std::filesystem::path& localFile, const std::string& url,
                        const Credentials& credentials, const TransferHooks& hooks = {},
                        const FileFetchOptions& options = {});

}  // namespace zv
