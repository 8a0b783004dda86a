// The cause line shown under a message about a failed request: in the terminal on the line after
// the message, in a message box as its details.
#pragma once

#include <string>

#include "http_transport.h"

namespace zv {

// "原因: ...", naming the time-out, the refused connection, the host whose certificate
// is not trusted, the HTTP status or the proxy's wish for credentials; empty for a success.
std::string failureCause(const FetchResult& result);

// True when the server itself answered (a page or an error status), false when the request
// ended before it could: no connection, an untrusted certificate, a proxy that refused.
bool serverAnswered(const FetchResult& result);

}  // namespace zv
