// The catalogue, retry and billing logic over a scripted transport (no sockets): what the chain
// asks and says, with the cause line of a failed request, and what it leaves on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "data/file_sink.h"
#include "data/sjis.h"
#include "scripted_transport.h"
#include "service/billing_log.h"
#include "service/fetch_failure.h"
#include "service/http_fetch.h"
#include "service/prepare_catalogue.h"
#include "service/purchase_run.h"
#include "service_fixture.h"

namespace zv {
namespace {

using Answer = fixture::ScriptedAnswer;
using fixture::failedRequest;
using fixture::servedPage;
using fixture::servedStatus;

constexpr const char* kHost = "service.test";
const std::string kSettingsUrl = std::string("http://") + kHost + kSettingsFilePath;
const std::string kLoginUrl = "https://login.test/login";
const std::string kArchiveUrl = "https://dl.test/member/all/hb0411.lzh";

std::string memberPage() {
    return sj("<html>このページにはフレームが使用されていますが、お使いのブラウザではサポートされていません。</html>");
}

struct Said {
    std::string text;
    std::string cause;
    bool operator==(const Said&) const = default;
};

void PrintTo(const Said& said, std::ostream* out) { *out << said.text << " / " << said.cause; }

class ServiceLogic : public ::testing::Test {
protected:
    ServiceLogic() {
        transport_.serve(kSettingsUrl,
                         "[SITE_AUTH]\r\nURLB=login.test/login\r\n"
                         "[SITE_DATA_MEMBER]\r\nURLB=dl.test/member\r\n"
                         "[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/all/\r\nPRICE=1000,800\r\n"
                         "FILE=hb0411.lzh\r\nFILE=hb0412.lzh\r\n");
        transport_.serve(kLoginUrl, memberPage());
        transport_.serve(kArchiveUrl, archive());
        ui_.notify = [this](const std::string& text, const std::string& cause) { notices_.push_back({text, cause}); };
        ui_.ask = [this](const std::string& question, const std::string& cause) {
            questions_.push_back({question, cause});
            bool yes = answers_.empty() || answers_.front();
            if (!answers_.empty()) answers_.erase(answers_.begin());
            return yes;
        };
        ui_.wait = [this](int ms) { pauses_.push_back(ms); };
    }

    static std::string archive() { return fixture::lhaArchive("bvo_den1.bv2", "data"); }
    std::optional<Catalogue> prepare() {
        return prepareCatalogue(transport_, kHost, data_.path(), data_.path() / "BVO", "BIGLOBE", member_, ui_);
    }
    PurchaseOutcome buyTheFirstRow() {
        std::optional<Catalogue> catalogue = prepare();
        EXPECT_TRUE(catalogue);
        if (!catalogue) return {};
        catalogue->rows[0].ticked = true;
        std::tm noon{};
        noon.tm_year = 126;
        noon.tm_mday = 1;
        noon.tm_hour = 12;
        return runPurchase(transport_, *catalogue, {data_.path() / "BVO", data_.path()}, ui_, [noon] { return noon; });
    }
    std::string billingLog() const { return fixture::readFile(data_.path() / kBillingLogName); }

    fixture::ScriptedTransport transport_;
    fixture::TempFolder data_;
    ServiceUi ui_;
    std::vector<Said> notices_;
    std::vector<Said> questions_;
    std::vector<bool> answers_;  // Yes when used up
    std::vector<int> pauses_;
    const Credentials member_{"member-id", "member-pw"};
};

TEST_F(ServiceLogic, SettingsFileFailuresSayWhy) {
    const std::string notObtained =
        "BrevanneOnLineの設定ファイルが取得できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    struct Case {
        Answer answer;
        std::string cause;
    };
    const Case cases[] = {
        {failedRequest(FetchFailure::TimedOut, "service.test"),
         "原因: service.test から時間内に応答がありませんでした（タイムアウト）"},
        {failedRequest(FetchFailure::Refused, "service.test:80"), "原因: service.test:80 への接続を拒否されました"},
        {servedStatus(500), "原因: サーバーがエラーを返しました（HTTP 500）"},
        {failedRequest(FetchFailure::ProxyAuthentication, "proxy.test:3128", 407),
         "原因: プロキシサーバーの認証が必要です（HTTP 407）"},
    };
    for (const Case& c : cases) {
        notices_.clear();
        pauses_.clear();
        transport_.answer(kSettingsUrl, {c.answer});
        size_t before = transport_.requestsFor(kSettingsUrl);
        EXPECT_FALSE(prepare());
        EXPECT_EQ(notices_, (std::vector<Said>{{notObtained, c.cause}}));
        EXPECT_EQ(transport_.requestsFor(kSettingsUrl) - before, 3u);
        EXPECT_EQ(pauses_, (std::vector<int>{1000, 1000}));
        EXPECT_EQ(transport_.requestsFor(kLoginUrl), 0u);
    }
}

TEST_F(ServiceLogic, SettingsFileRequestCarriesEmptyBasicAuthentication) {
    transport_.answer(kSettingsUrl,
                      {servedStatus(503), servedStatus(503), servedPage("[SITE_AUTH]\r\nURLB=login.test/login\r\n")});
    ASSERT_TRUE(prepare());
    EXPECT_EQ(pauses_, (std::vector<int>{1000, 1000}));
    ASSERT_EQ(transport_.requests.size(), 4u);
    ASSERT_TRUE(transport_.requests[0].basicAuth);
    EXPECT_EQ(transport_.requests[0].basicAuth->userId, "");
    EXPECT_EQ(transport_.requests[0].basicAuth->password, "");
    EXPECT_EQ(transport_.requests[3].url, kLoginUrl);
    ASSERT_TRUE(transport_.requests[3].basicAuth);
    EXPECT_EQ(transport_.requests[3].basicAuth->userId, "member-id");
}

TEST_F(ServiceLogic, LoginAnswersDecideTheMembershipOrSayWhy) {
    const std::string refused = "認証できませんでした。ユーザーIDとパスワードをお確かめください。";
    const std::string unreachable =
        "認証先のサーバーに接続できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    struct Case {
        const char* why;
        Answer answer;
        std::optional<Membership> membership;
        Said said;
    };
    const Case cases[] = {
        {"member page", servedPage(memberPage()), Membership::Member, {}},
        {"403 is a guest", servedStatus(403), Membership::Guest, {}},
        {"wrong password",
         servedStatus(401),
         std::nullopt,
         {refused, "原因: サーバーがエラーを返しました（HTTP 401）"}},
        {"server error", servedStatus(500), std::nullopt, {refused, "原因: サーバーがエラーを返しました（HTTP 500）"}},
        {"some other page", servedPage("<html>maintenance</html>"), std::nullopt, {refused, ""}},
        {"untrusted certificate",
         failedRequest(FetchFailure::UntrustedCertificate, "login.test"),
         std::nullopt,
         {unreachable, "原因: login.test のサーバー証明書を信頼できません"}},
        {"proxy refuses with 403",
         failedRequest(FetchFailure::ProxyRefused, "proxy.test:3128", 403),
         std::nullopt,
         {unreachable, "原因: プロキシサーバーが接続を断りました（HTTP 403）"}},
        {"time-out",
         failedRequest(FetchFailure::TimedOut, "login.test"),
         std::nullopt,
         {unreachable, "原因: login.test から時間内に応答がありませんでした（タイムアウト）"}},
    };
    for (const Case& c : cases) {
        notices_.clear();
        transport_.answer(kLoginUrl, {c.answer});
        std::optional<Catalogue> catalogue = prepare();
        EXPECT_EQ(catalogue.has_value(), c.membership.has_value()) << c.why;
        if (catalogue) {
            EXPECT_EQ(catalogue->membership, *c.membership) << c.why;
            EXPECT_TRUE(notices_.empty()) << c.why;
        } else {
            EXPECT_EQ(notices_, std::vector<Said>{c.said}) << c.why;
        }
    }
}

TEST_F(ServiceLogic, PurchaseRetriesThenBillsAndKeepsTheArchive) {
    transport_.answer(kArchiveUrl, {servedStatus(500), failedRequest(FetchFailure::ConnectionLost, "dl.test"),
                                    servedPage(archive())});
    PurchaseOutcome outcome = buyTheFirstRow();
    EXPECT_EQ(outcome.end, PurchaseEnd::Completed);
    EXPECT_EQ(outcome.lastArchive, data_.path() / "BVO" / "hb0411.lzh");
    EXPECT_EQ(transport_.requestsFor(kArchiveUrl), 3u);
    EXPECT_EQ(pauses_, (std::vector<int>{1000, 1000}));
    EXPECT_EQ(fixture::readFile(outcome.lastArchive), archive());
    EXPECT_EQ(billingLog(), sj("2026/01/01 12:00:00    hb0411.lzh    840円    member-id@BIGLOBE\r\n"));
}

TEST_F(ServiceLogic, FailedDownloadsAskAndSayWhy) {
    const std::string again = "hb0411.lzhがダウンロードできませんでした。\r\n\r\n再度ダウンロードを試みますか？";
    const std::string later =
        "hb0411.lzhがダウンロードできませんでした。\r\n\r\n間をあけて再度ダウンロードを試みてください。";
    const std::string http500 = "原因: サーバーがエラーを返しました（HTTP 500）";
    const std::string notArchive = "原因: 受け取ったデータは求めたファイルではありません";
    struct Case {
        const char* why;
        Answer answer;
        bool retry;
        std::string cause;
        size_t attempts;
    };
    const Case cases[] = {
        {"HTTP 500, No", servedStatus(500), false, http500, 3},
        {"HTTP 500, Yes, fails again", servedStatus(500), true, http500, 4},
        {"an error page instead of the archive", servedPage("<html>busy</html>"), true, notArchive, 4},
    };
    for (const Case& c : cases) {
        notices_.clear();
        questions_.clear();
        answers_ = {true, c.retry};
        transport_.answer(kArchiveUrl, {c.answer});
        size_t before = transport_.requestsFor(kArchiveUrl);
        EXPECT_EQ(buyTheFirstRow().end, PurchaseEnd::StoppedEarly) << c.why;
        EXPECT_EQ(transport_.requestsFor(kArchiveUrl) - before, c.attempts) << c.why;
        ASSERT_EQ(questions_.size(), 2u) << c.why;
        EXPECT_EQ(questions_[1], (Said{again, c.cause})) << c.why;
        EXPECT_EQ(notices_, (c.retry ? std::vector<Said>{{later, c.cause}} : std::vector<Said>{})) << c.why;
        EXPECT_FALSE(std::filesystem::exists(data_.path() / "BVO" / "hb0411.lzh")) << c.why;
        EXPECT_TRUE(std::filesystem::is_empty(data_.path() / "BVO")) << c.why;
        EXPECT_FALSE(std::filesystem::exists(data_.path() / kBillingLogName)) << c.why;
    }
}

// A new file gets what any new file gets under the umask, not the 0600 of a private temporary.
TEST_F(ServiceLogic, DownloadedArchiveHasTheModeOfANewFile) {
    std::filesystem::create_directory(data_.path() / "BVO");
    for (mode_t mask : {mode_t{022}, mode_t{027}}) {
        mode_t previous = ::umask(mask);
        std::filesystem::path target = data_.path() / "BVO" / "hb0411.lzh";
        FetchResult result = fetchToFile(transport_, target, kArchiveUrl, member_);
        ::umask(previous);
        ASSERT_TRUE(result.ok);
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << std::oct << mask;
        std::filesystem::remove(target);
    }
}

// A disk that fills up mid-download, whoever runs the test.
class FullDisk : public DiskFileSink {
public:
    bool write(int, std::string_view) override {
        errno = ENOSPC;
        return false;
    }
};

TEST_F(ServiceLogic, DownloadThatCannotBeStoredLeavesTheEarlierCopy) {
    fixture::writeFile(data_.path(), "hb0411.lzh", "earlier copy");
    FullDisk full;
    FileSinkOverride failing(full);
    FetchResult result = fetchToFile(transport_, data_.path() / "hb0411.lzh", kArchiveUrl, member_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, FetchFailure::LocalFile);
    const std::string cause = failureCause(result);
    EXPECT_NE(cause.find("No space left on device"), std::string::npos) << cause;
    EXPECT_EQ(fixture::readFile(data_.path() / "hb0411.lzh"), "earlier copy");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data_.path()), {}), 1);
}

TEST_F(ServiceLogic, CredentialsNeverGoOverPlainHttp) {
    std::string plain = "http://dl.test/member/all/hb0411.lzh";
    transport_.serve(plain, archive());
    FetchResult result = fetchToFile(transport_, data_.path() / "x.lzh", plain, member_);
    EXPECT_EQ(result.failure, FetchFailure::CredentialsOverPlainHttp);
    EXPECT_EQ(fetchText(transport_, plain, member_).answer(), "-1\r\n");
    EXPECT_EQ(transport_.requestsFor(plain), 0u);
    EXPECT_TRUE(fetchToFile(transport_, data_.path() / "x.lzh", plain, {}).ok) << "empty credentials are no secret";
}

}  // namespace
}  // namespace zv
