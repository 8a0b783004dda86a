// The one exchange the service client has with a server, a GET, behind an interface: libcurl in
// the programs (curl_transport.h), a scripted stand-in where tests drive the catalogue, retry and
// billing logic without sockets.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "service_config.h"

namespace zv {

struct TransferHooks {
    std::function<void(int64_t total)> begin;  // body starts; total 0 when the server names none
    std::function<void(int64_t done)> progress;
    std::function<void()> end;      // after a transfer that had begun
    std::function<bool()> aborted;  // polled during the transfer; true stops it
};

// Why a request failed, for the cause line under the message that reports it (fetch_failure.h).
enum class FetchFailure {
    None,
    TimedOut,  // no answer, or a stalled transfer, within the time limits
    Refused,   // nothing accepted the connection
    HostNotFound,
    UntrustedCertificate,      // the server's certificate is not trusted for its host
    SecureChannel,             // another failure of the TLS handshake
    ConnectionLost,            // the connection ended before a complete answer
    HttpStatus,                // the server answered with an error status
    ProxyAuthentication,       // the proxy wants credentials it did not get (407)
    ProxyRefused,              // the proxy answered the tunnel request with another error status
    CredentialsOverPlainHttp,  // the account's credentials would have gone out unencrypted
    TooLarge,
    NotExpectedFile,  // the answer is not the file asked for (an error page, say)
    LocalFile,        // the answer could not be stored
    CaFile,           // the trusted CA certificates' file cannot be read
    Aborted,
    Other,
};

struct FetchResult {
    bool ok = false;
    long status = 0;  // status code of the last response received (a proxy's too), 0 when none arrived
    FetchFailure failure = FetchFailure::None;
    std::string host;    // the server or proxy where it failed ("host" or "host:port"), never credentials
    std::string detail;  // the technical reason, never holding credentials
};

struct HttpGet {
    std::string url;
    std::optional<Credentials> basicAuth;  // Basic authentication with these (both may be empty)
    int64_t maxBytes = 0;                  // 0: no limit
};

// Takes the body piece by piece; false stops the transfer.
using BodySink = std::function<bool(std::string_view piece)>;

class HttpTransport {
public:
    virtual ~HttpTransport() = default;
    // One GET with its redirects, on the calling thread; ok only for a 2xx answer.
    virtual FetchResult get(const HttpGet& request, const BodySink& body, const TransferHooks& hooks) = 0;
};

}  // namespace zv
