#include "http_fetch.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "data/field.h"
#include "data/text_file.h"

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

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (a != prefix[i]) return false;
    }
    return true;
}

struct CurlFree {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct SlistFree {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// One transfer: the body goes to sink, which returns false to stop it.
struct Transfer {
    const TransferHooks& hooks;
    std::function<bool(const char*, size_t)> sink;
    CURL* handle = nullptr;
    int64_t maxBytes = 0;
    int64_t done = 0;
    bool begun = false;
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
    if (t->maxBytes > 0 && t->done > t->maxBytes) return 0;
    if (!t->sink(data, n)) return 0;
    if (t->hooks.progress) t->hooks.progress(t->done);
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    return t->hooks.aborted && t->hooks.aborted() ? 1 : 0;
}

void applyProxy(CURL* h, const ProxySettings& proxy) {
    if (trimmed(proxy.server).empty()) {
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

// Runs one GET; sendCredentials decides whether Basic authentication is switched on.
FetchResult perform(const ServiceConfig& config, const std::string& url, const Credentials& credentials,
                    bool sendCredentials, Transfer& transfer) {
    initCurlOnce();
    FetchResult result;
    if (sendCredentials && !startsWithNoCase(url, "https://")) {
        result.detail = "account credentials are sent over HTTPS only";
        return result;
    }
    std::unique_ptr<CURL, CurlFree> handle(curl_easy_init());
    if (!handle) {
        result.detail = "cannot create an HTTP client";
        return result;
    }
    CURL* h = handle.get();
    transfer.handle = h;
    std::unique_ptr<curl_slist, SlistFree> headers(curl_slist_append(nullptr, kAccept));
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, sendCredentials ? "https" : "http,https");
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");  // cookies within this one redirect chain
    curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!config.caFile.empty()) curl_easy_setopt(h, CURLOPT_CAINFO, config.caFile.c_str());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, config.connectTimeoutSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, config.lowSpeedSeconds);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    applyProxy(h, config.proxy);
    if (sendCredentials) {
        curl_easy_setopt(h, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        curl_easy_setopt(h, CURLOPT_USERNAME, credentials.userId.c_str());
        curl_easy_setopt(h, CURLOPT_PASSWORD, credentials.password.c_str());
    }
    if (transfer.maxBytes > 0) curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, curl_off_t{transfer.maxBytes});
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onWrite);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);

    CURLcode code = curl_easy_perform(h);
    if (transfer.begun && transfer.hooks.end) transfer.hooks.end();

    long status = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
    if (status == 0) curl_easy_getinfo(h, CURLINFO_HTTP_CONNECTCODE, &status);
    result.status = status;
    result.ok = code == CURLE_OK && status >= 200 && status < 300;
    if (!result.ok) {
        if (code == CURLE_OK) {
            result.detail = "HTTP status " + std::to_string(status);
        } else {
            result.detail = errorText[0] ? errorText : curl_easy_strerror(code);
        }
    }
    return result;
}

// Lines end at CR LF, LF or CR; every line, the last one too, then ends in CR LF.
std::string withCrLfLines(std::string_view body) {
    std::string out;
    out.reserve(body.size() + body.size() / 16);
    size_t i = 0;
    while (i < body.size()) {
        size_t end = body.find_first_of("\r\n", i);
        if (end == std::string_view::npos) end = body.size();
        out.append(body.substr(i, end - i)).append("\r\n");
        if (end < body.size() && body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n') ++end;
        i = end + 1;
    }
    return out;
}

}  // namespace

TextFetch fetchBody(const ServiceConfig& config, const std::string& url, const Credentials& credentials,
                    const TransferHooks& hooks) {
    std::string body;
    Transfer transfer{hooks, [&body](const char* data, size_t n) {
                          body.append(data, n);
                          return true;
                      }};
    bool sendCredentials = !credentials.userId.empty() && !credentials.password.empty();
    TextFetch fetch;
    fetch.result = perform(config, url, credentials, sendCredentials, transfer);
    if (fetch.result.ok) fetch.text = withCrLfLines(body);
    return fetch;
}

std::string fetchText(const ServiceConfig& config, const std::string& url, const Credentials& credentials,
                      const TransferHooks& hooks) {
    TextFetch fetch = fetchBody(config, url, credentials, hooks);
    if (fetch.result.ok) return fetch.text;
    return std::to_string(fetch.result.status == 0 ? -1 : fetch.result.status) + "\r\n";
}

FetchResult fetchToFile(const ServiceConfig& config, const std::filesystem::path& localFile, const std::string& url,
                        const Credentials& credentials, const TransferHooks& hooks, const FileFetchOptions& options) {
    FetchResult result;
    std::filesystem::path folder = localFile.parent_path();
    std::string pattern = temporaryPatternFor(localFile);
    int fd = mkstemp(pattern.data());
    if (fd < 0) {
        result.detail = "cannot create a file in " + folder.string() + ": " + std::generic_category().message(errno);
        return result;
    }
    std::filesystem::path temp = pattern;
    FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        std::filesystem::remove(temp);
        result.detail = "cannot open " + temp.string();
        return result;
    }
    Transfer transfer{hooks, [file](const char* data, size_t n) { return std::fwrite(data, 1, n, file) == n; }};
    transfer.maxBytes = options.maxBytes;
    result = perform(config, url, credentials, !credentials.userId.empty() || !credentials.password.empty(), transfer);
    bool written = std::fclose(file) == 0;
    if (result.ok && !written) {
        result.ok = false;
        result.detail = "cannot write " + temp.string();
    }
    if (result.ok && options.accept && !options.accept(temp)) {
        result.ok = false;
        result.detail = "the response is not the expected file";
    }
    std::error_code ec;
    if (result.ok) {
        std::filesystem::rename(temp, localFile, ec);
        if (ec) {
            result.ok = false;
            result.detail = "cannot rename to " + localFile.string() + ": " + ec.message();
        }
    }
    if (!result.ok) std::filesystem::remove(temp, ec);
    return result;
}

}  // namespace zv
