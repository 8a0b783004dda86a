// The two requests to the data service, made through a transport (curl_transport.h in the
// programs). The account's credentials travel over HTTPS only. Both run on the calling thread
// and report progress through the hooks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "http_transport.h"

namespace zv {

struct FileFetchOptions {
    int64_t maxBytes = 0;  // 0: no limit
    // Looks at the complete download before it replaces the target; false fails the request.
    std::function<bool(const std::filesystem::path& file)> accept;
};

// GET url into memory, with Basic authentication only when ID and password are both given.
struct TextFetch {
    FetchResult result;
    std::string text;  // on success the body split into lines, each ending in CR LF

    // The page on success; otherwise the status code (or -1 when no response arrived) as
    // decimal text followed by CR LF.
    std::string answer() const;
};
TextFetch fetchText(HttpTransport& transport, const std::string& url, const Credentials& credentials,
                    const TransferHooks& hooks = {});

// GET url into localFile, always with Basic authentication (ID and password may both be empty).
// The body goes to a new file in the same folder, made with the permissions of any new file
// under the umask, that replaces localFile only on success, so a failure leaves an earlier copy
// as it was.
FetchResult fetchToFile(HttpTransport& transport, const std::filesystem::path& localFile, const std::string& url,
                        const Credentials& credentials, const TransferHooks& hooks = {},
                        const FileFetchOptions& options = {});

}  // namespace zv
