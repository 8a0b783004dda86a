#include "service/http_fetch.h"

#include <gtest/gtest.h>

#include "data/sjis.h"
#include "service/curl_transport.h"
#include "service/fetch_failure.h"
#include "service_fixture.h"

namespace zv {
namespace {

class HttpFetch : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        service_ = new fixture::FakeService();
        service_->putFile("/text.txt", "line one\nline two\rline three\r\n\r\nlast");
        service_->putFile("/member/archive.lzh", fixture::lhaArchive("bvo_den1.bv2", "data"));
        service_->putFile("/big.bin", std::string(300000, 'b'));
    }
    static void TearDownTestSuite() {
        delete service_;
        service_ = nullptr;
    }

    ServiceConfig config() const {
        ServiceConfig c;
        c.caFile = service_->caFile();
        c.connectTimeoutSeconds = 5;
        c.lowSpeedSeconds = 5;
        return c;
    }
    std::string https(std::string_view path) const { return service_->url(true, path); }
    std::string http(std::string_view path) const { return service_->url(false, path); }
    size_t logged(std::string_view needle) const {
        size_t n = 0;
        for (const std::string& line : service_->requests()) n += line.find(needle) != std::string::npos;
        return n;
    }

    static inline fixture::FakeService* service_ = nullptr;
    CurlTransport transport_{config()};
    const Credentials member_{"member-id", "member-pw"};
    const Credentials guest_{"guest-id", "guest-pw"};
};

TEST_F(HttpFetch, TextComesBackWithCrLfLines) {
    EXPECT_EQ(fetchText(transport_, https("/text.txt"), {}).text, "line one\r\nline two\r\nline three\r\n\r\nlast\r\n");
    EXPECT_EQ(fetchText(transport_, http("/text.txt"), {}).text, "line one\r\nline two\r\nline three\r\n\r\nlast\r\n");
    EXPECT_GE(logged(R"x("user_agent": "Mozilla/3.0 (compatible; Indy Library)", "accept": "text/html, */*")x"), 2u);
}

TEST_F(HttpFetch, LoginAnswersAndStatusTexts) {
    struct Case {
        Credentials credentials;
        std::string path;
        std::string start;
    };
    const Case cases[] = {
        {member_, "/login", "<html><body>"},
        {guest_, "/login", "403\r\n"},
        {{"member-id", "wrong"}, "/login", "401\r\n"},
        {{"member-id", ""}, "/login", "401\r\n"},  // no Basic authentication without a password
        {{}, "/missing", "404\r\n"},
        {{}, "/drop", "-1\r\n"},
    };
    for (const Case& c : cases) {
        std::string text = fetchText(transport_, https(c.path), c.credentials).answer();
        EXPECT_TRUE(text.starts_with(c.start)) << c.path << " " << c.credentials.userId << ": " << text;
    }
    std::string refused = "127.0.0.1:" + std::to_string(fixture::unusedPort());
    EXPECT_EQ(fetchText(transport_, "https://" + refused + "/login", member_).answer(), "-1\r\n");
}

TEST_F(HttpFetch, CredentialsTravelOverVerifiedHttpsOnly) {
    size_t before = logged(R"("scheme": "http", "path": "/login")");
    EXPECT_EQ(fetchText(transport_, http("/login"), member_).answer(), "-1\r\n");
    std::string toPlain = https("/redirect?to=") + http("/login");
    TextFetch redirected = fetchText(transport_, toPlain, member_);
    EXPECT_EQ(redirected.answer(), "302\r\n");  // the redirect is not followed
    EXPECT_EQ(redirected.result.failure, FetchFailure::CredentialsOverPlainHttp);
    EXPECT_FALSE(fetchToFile(transport_, service_->root() / "plain.lzh", http("/member/archive.lzh"), member_).ok);
    EXPECT_EQ(logged(R"("scheme": "http", "path": "/login")"), before);
    EXPECT_EQ(logged(R"("scheme": "http", "path": "/member/)"), 0u);

    std::string toHttps = https("/redirect?to=") + https("/login");
    EXPECT_TRUE(fetchText(transport_, toHttps, member_).text.starts_with("<html>"));

    ServiceConfig systemStoreOnly = config();
    systemStoreOnly.caFile.clear();
    ServiceConfig unrelatedCa = config();
    unrelatedCa.caFile = service_->unrelatedCaFile();
    for (const ServiceConfig& untrusted : {systemStoreOnly, unrelatedCa}) {
        CurlTransport transport(untrusted);
        TextFetch fetch = fetchText(transport, https("/login"), member_);
        EXPECT_FALSE(fetch.result.ok);
        EXPECT_EQ(fetch.result.status, 0);
        EXPECT_EQ(fetch.result.failure, FetchFailure::UntrustedCertificate);
        EXPECT_EQ(fetch.result.host, service_->hostPort(true));
        EXPECT_EQ(fetch.result.detail.find("member-pw"), std::string::npos);
    }
}

TEST_F(HttpFetch, CookiesLiveWithinOneRequestOnly) {
    EXPECT_EQ(fetchText(transport_, https("/cookie/start"), {}).answer(), "cookie kept\r\n");
    EXPECT_EQ(fetchText(transport_, https("/cookie/check"), {}).answer(), "400\r\n");
}

TEST_F(HttpFetch, SilentServerFailsAfterTheLowSpeedLimit) {
    ServiceConfig impatient = config();
    impatient.lowSpeedSeconds = 1;
    CurlTransport transport(impatient);
    TextFetch fetch = fetchText(transport, https("/slow"), {});
    EXPECT_FALSE(fetch.result.ok);
    EXPECT_EQ(fetch.result.failure, FetchFailure::TimedOut);
    EXPECT_EQ(fetchText(transport, http("/slow"), {}).answer(), "200\r\n");
}

TEST_F(HttpFetch, FailuresNameTheirCause) {
    std::string refused = "127.0.0.1:" + std::to_string(fixture::unusedPort());
    ServiceConfig unrelatedCa = config();
    unrelatedCa.caFile = service_->unrelatedCaFile();
    ServiceConfig impatient = config();
    impatient.lowSpeedSeconds = 1;
    struct Case {
        ServiceConfig config;
        std::string url;
        long status;
        std::string cause;
    };
    const Case cases[] = {
        {config(), https("/status/500"), 500, "原因: サーバーがエラーを返しました（HTTP 500）"},
        {config(), "https://" + refused + "/x", 0, "原因: " + refused + " への接続を拒否されました"},
        {unrelatedCa, https("/text.txt"), 0, "原因: " + service_->hostPort(true) + " のサーバー証明書を信頼できません"},
        {impatient, https("/slow"), 200,
         "原因: " + service_->hostPort(true) + " から時間内に応答がありませんでした（タイムアウト）"},
    };
    for (const Case& c : cases) {
        CurlTransport transport(c.config);
        FetchResult result = fetchText(transport, c.url, {}).result;
        EXPECT_FALSE(result.ok) << c.url;
        EXPECT_EQ(result.status, c.status) << c.url;
        EXPECT_EQ(failureCause(result), c.cause) << c.url;
    }
}

TEST_F(HttpFetch, FileRequestAlwaysCarriesBasicAuthentication) {
    fixture::TempFolder folder;
    ASSERT_TRUE(fetchToFile(transport_, folder.path() / "text.txt", http("/text.txt?empty"), {}).ok);
    EXPECT_EQ(logged(R"("path": "/text.txt?empty", "user": "", "authorization": true)"), 1u);
    EXPECT_EQ(fetchText(transport_, http("/text.txt?none"), {}).answer().substr(0, 8), "line one");
    EXPECT_EQ(logged(R"("path": "/text.txt?none", "user": null, "authorization": false)"), 1u);
}

TEST_F(HttpFetch, FileArrivesWithProgress) {
    fixture::TempFolder folder;
    int64_t total = -1, last = 0;
    int ends = 0;
    TransferHooks hooks;
    hooks.begin = [&](int64_t t) { total = t; };
    hooks.progress = [&](int64_t done) { last = done; };
    hooks.end = [&] { ++ends; };
    std::filesystem::path target = folder.path() / "big.bin";
    FetchResult result = fetchToFile(transport_, target, https("/big.bin"), {}, hooks);
    ASSERT_TRUE(result.ok) << result.detail;
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(total, 300000);
    EXPECT_EQ(last, 300000);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(std::filesystem::file_size(target), 300000u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(HttpFetch, FailedDownloadKeepsTheEarlierCopy) {
    fixture::TempFolder folder;
    std::filesystem::path target = folder.path() / "archive.lzh";
    fixture::writeFile(folder.path(), "archive.lzh", "earlier good copy");
    FileFetchOptions refuseAll;
    refuseAll.accept = [](const std::filesystem::path&) { return false; };
    FileFetchOptions small;
    small.maxBytes = 1000;
    TransferHooks abort;
    abort.aborted = [] { return true; };
    struct Case {
        std::string url;
        Credentials credentials;
        FileFetchOptions options;
        TransferHooks hooks;
    };
    const Case cases[] = {
        {https("/member/missing.lzh"), member_, {}, {}},
        {https("/member/archive.lzh"), {"member-id", "wrong"}, {}, {}},
        {https("/member/archive.lzh"), member_, refuseAll, {}},
        {https("/big.bin"), {}, small, {}},
        {https("/big.bin"), {}, {}, abort},
        {https("/drop"), {}, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(fetchToFile(transport_, target, c.url, c.credentials, c.hooks, c.options).ok) << c.url;
        EXPECT_EQ(fixture::readFile(target), "earlier good copy") << c.url;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << c.url;
    }
    EXPECT_TRUE(fetchToFile(transport_, target, https("/member/archive.lzh"), member_).ok);
    EXPECT_EQ(fixture::readFile(target), fixture::lhaArchive("bvo_den1.bv2", "data"));
}

TEST_F(HttpFetch, DownloadIntoAMissingFolderFails) {
    fixture::TempFolder folder;
    FetchResult result = fetchToFile(transport_, folder.path() / "no" / "x.txt", https("/text.txt"), {});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.detail.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no"));
}

TEST_F(HttpFetch, RequestsGoThroughTheProxy) {
    fixture::TinyProxy proxy("proxy-user", "proxy-pw");
    auto via = [&](ProxySettings settings) {
        ServiceConfig c = config();
        c.proxy = std::move(settings);
        CurlTransport transport(c);
        return fetchText(transport, https("/login"), member_);
    };
    TextFetch ok = via({"127.0.0.1", proxy.port(), "proxy-user", "proxy-pw"});
    EXPECT_TRUE(ok.result.ok) << ok.result.detail;
    EXPECT_TRUE(ok.text.starts_with("<html>"));
    struct Case {
        ProxySettings settings;
        long status;
        FetchFailure failure;
        const char* why;
    };
    const Case refused[] = {
        {{"127.0.0.1", proxy.port(), "proxy-user", "wrong"},
         401,
         FetchFailure::ProxyAuthentication,
         "wrong proxy password (tinyproxy says 401)"},
        {{"127.0.0.1", proxy.port(), "proxy-user", "  "},
         407,
         FetchFailure::ProxyAuthentication,
         "blank password: no proxy credentials"},
        {{"127.0.0.1", proxy.port(), "", "proxy-pw"},
         407,
         FetchFailure::ProxyAuthentication,
         "no user: no proxy credentials"},
        {{"127.0.0.1", fixture::unusedPort(), "proxy-user", "proxy-pw"},
         0,
         FetchFailure::Refused,
         "nothing listens there"},
    };
    for (const Case& c : refused) {
        TextFetch fetch = via(c.settings);
        EXPECT_FALSE(fetch.result.ok) << c.why;
        EXPECT_EQ(fetch.result.status, c.status) << c.why;
        EXPECT_EQ(fetch.result.failure, c.failure) << c.why;
        EXPECT_EQ(fetch.result.host, "127.0.0.1:" + std::to_string(c.settings.port)) << c.why;
    }
    TextFetch direct = via({"   ", fixture::unusedPort(), "proxy-user", "proxy-pw"});
    EXPECT_TRUE(direct.result.ok) << "a blank proxy host means no proxy: " << direct.result.detail;
}

}  // namespace
}  // namespace zv
