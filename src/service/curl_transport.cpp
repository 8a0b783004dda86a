#include "curl_transport.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "data/error.h"
#include "data/field.h"

namespace zv {
namespace {

constexpr const char* kAccept = "Accept: text/html, */*";
constexpr const char* kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
constexpr long kMaxRedirects = 15;

void initCurlOnce() {
    static const bool ready = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)ready;
}

struct CurlFree {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct SlistFree {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

struct Transfer {
    const BodySink& sink;
    const TransferHooks& hooks;
    CURL* handle = nullptr;
    int64_t maxBytes = 0;
    int64_t done = 0;
    bool begun = false;
    bool tooLarge = false;
    bool sinkFailed = false;
};

size_t onWrite(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    size_t n = size * count;
    if (!t->begun) {
        t->begun = true;
        curl_off_t total = -1;
        curl_easy_getinfo(t->handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
        if (t->hooks.begin) t->hooks.begin(total > 0 ? total : 0);
    }
    t->done += static_cast<int64_t>(n);
    if (t->maxBytes > 0 && t->done > t->maxBytes) {
        t->tooLarge = true;
        return 0;
    }
    if (!t->sink(std::string_view(data, n))) {
        t->sinkFailed = true;
        return 0;
    }
    if (t->hooks.progress) t->hooks.progress(t->done);
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    return t->hooks.aborted && t->hooks.aborted() ? 1 : 0;
}

bool usesProxy(const ProxySettings& proxy) { return !trimmed(proxy.server).empty(); }

void applyProxy(CURL* h, const ProxySettings& proxy) {
    if (!usesProxy(proxy)) {
        curl_easy_setopt(h, CURLOPT_PROXY, "");  // and not the *_proxy environment
        return;
    }
    curl_easy_setopt(h, CURLOPT_PROXY, proxy.server.c_str());
    curl_easy_setopt(h, CURLOPT_PROXYPORT, static_cast<long>(proxy.port));
    curl_easy_setopt(h, CURLOPT_NOPROXY, "");
    if (!trimmed(proxy.userId).empty() && !trimmed(proxy.password).empty()) {
        curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, proxy.userId.c_str());
        curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, proxy.password.c_str());
        // More than one method: the proxy is asked first, the credentials go only when it wants them.
        curl_easy_setopt(h, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
    }
}

// The host (and port when the URL names one) of url; never its user name or password.
std::string hostOf(const char* url) {
    std::string host;
    CURLU* parts = curl_url();
    if (!parts) return host;
    if (url && curl_url_set(parts, CURLUPART_URL, url, 0) == CURLUE_OK) {
        char* name = nullptr;
        if (curl_url_get(parts, CURLUPART_HOST, &name, 0) == CURLUE_OK) host = name;
        curl_free(name);
        char* port = nullptr;
        if (curl_url_get(parts, CURLUPART_PORT, &port, 0) == CURLUE_OK) host += std::string(":") + port;
        curl_free(port);
    }
    curl_url_cleanup(parts);
    return host;
}

std::string proxyHost(const ProxySettings& proxy) { return proxy.server + ":" + std::to_string(proxy.port); }

FetchFailure failureOf(CURLcode code, const Transfer& transfer, bool credentialsSent) {
    switch (code) {
        case CURLE_OPERATION_TIMEDOUT: return FetchFailure::TimedOut;
        case CURLE_COULDNT_CONNECT: return FetchFailure::Refused;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY: return FetchFailure::HostNotFound;
        case CURLE_PEER_FAILED_VERIFICATION: return FetchFailure::UntrustedCertificate;
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_ENGINE_INITFAILED:
        case CURLE_SSL_ENGINE_NOTFOUND:
        case CURLE_SSL_ENGINE_SETFAILED:
        case CURLE_SSL_CRL_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_SSL_SHUTDOWN_FAILED:
        case CURLE_SSL_CLIENTCERT: return FetchFailure::SecureChannel;
        case CURLE_GOT_NOTHING:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_PARTIAL_FILE: return FetchFailure::ConnectionLost;
        case CURLE_FILESIZE_EXCEEDED: return FetchFailure::TooLarge;
        case CURLE_ABORTED_BY_CALLBACK: return FetchFailure::Aborted;
        case CURLE_WRITE_ERROR:
            return transfer.tooLarge     ? FetchFailure::TooLarge
                   : transfer.sinkFailed ? FetchFailure::LocalFile
                                         : FetchFailure::Other;
        case CURLE_UNSUPPORTED_PROTOCOL:  // a redirect to plain HTTP while credentials are on
            return credentialsSent ? FetchFailure::CredentialsOverPlainHttp : FetchFailure::Other;
        default: return FetchFailure::Other;
    }
}

}  // namespace

CurlTransport::CurlTransport(ServiceConfig config) : config_(std::move(config)) {}

FetchResult CurlTransport::get(const HttpGet& request, const BodySink& body, const TransferHooks& hooks) {
    initCurlOnce();
    FetchResult result;
    std::unique_ptr<CURL, CurlFree> handle(curl_easy_init());
    if (!handle) {
        result.failure = FetchFailure::Other;
        result.detail = "cannot create an HTTP client";
        return result;
    }
    // A CA file that cannot be read is said as such, not as a failed handshake.
    if (!config_.caFile.empty() && request.url.starts_with("https:") && ::access(config_.caFile.c_str(), R_OK) != 0) {
        result.failure = FetchFailure::CaFile;
        result.detail = config_.caFile.string() + ": " + errnoText(errno);
        return result;
    }
    CURL* h = handle.get();
    Transfer transfer{body, hooks, h, request.maxBytes};
    std::unique_ptr<curl_slist, SlistFree> headers(curl_slist_append(nullptr, kAccept));
    char errorText[CURL_ERROR_SIZE] = {};
    const bool credentialsSent =
        request.basicAuth && (!request.basicAuth->userId.empty() || !request.basicAuth->password.empty());

    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, credentialsSent ? "https" : "http,https");
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");  // cookies within this one redirect chain
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!config_.caFile.empty()) curl_easy_setopt(h, CURLOPT_CAINFO, config_.caFile.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, config_.connectTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, config_.lowSpeedSeconds);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    applyProxy(h, config_.proxy);
    if (request.basicAuth) {
        curl_easy_setopt(h, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        curl_easy_setopt(h, CURLOPT_USERNAME, request.basicAuth->userId.c_str());
        curl_easy_setopt(h, CURLOPT_PASSWORD, request.basicAuth->password.c_str());
    }
    if (request.maxBytes > 0) curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, curl_off_t{request.maxBytes});
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onWrite);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);

    CURLcode code = curl_easy_perform(h);
    if (transfer.begun && hooks.end) hooks.end();

    long status = 0;
    long proxyStatus = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_getinfo(h, CURLINFO_HTTP_CONNECTCODE, &proxyStatus);
    const bool proxyAnswered = status == 0 && proxyStatus != 0;
    result.status = proxyAnswered ? proxyStatus : status;
    result.ok = code == CURLE_OK && status >= 200 && status < 300;
    if (result.ok) return result;

    char* lastUrl = nullptr;
    curl_easy_getinfo(h, CURLINFO_EFFECTIVE_URL, &lastUrl);
    result.host = hostOf(lastUrl);
    if (proxyAnswered && proxyStatus >= 300) {
        bool wantsCredentials = proxyStatus == 407 || proxyStatus == 401;
        result.failure = wantsCredentials ? FetchFailure::ProxyAuthentication : FetchFailure::ProxyRefused;
        result.host = proxyHost(config_.proxy);
    } else if (code == CURLE_OK || code == CURLE_HTTP_RETURNED_ERROR) {
        result.failure = status == 407 ? FetchFailure::ProxyAuthentication : FetchFailure::HttpStatus;
    } else {
        result.failure = failureOf(code, transfer, credentialsSent);
        bool atProxy =
            code == CURLE_COULDNT_RESOLVE_PROXY || (code == CURLE_COULDNT_CONNECT && usesProxy(config_.proxy));
        if (atProxy) result.host = proxyHost(config_.proxy);
    }
    result.detail = code == CURLE_OK ? "HTTP status " + std::to_string(result.status)
                                     : (errorText[0] ? errorText : curl_easy_strerror(code));
    return result;
}

}  // namespace zv
