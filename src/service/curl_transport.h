// The transport of the programs: libcurl with OpenSSL. Each request runs on a fresh handle (no
// cookies, connections or authentication carried over), follows redirects keeping cookies within
// its chain, verifies certificates, goes through the configured proxy, and never follows a
// redirect to plain HTTP with non-empty credentials.
#pragma once

#include "http_transport.h"

namespace zv {

class CurlTransport final : public HttpTransport {
public:
    explicit CurlTransport(ServiceConfig config);
    FetchResult get(const HttpGet& request, const BodySink& body, const TransferHooks& hooks) override;

private:
    ServiceConfig config_;
};

}  // namespace zv
