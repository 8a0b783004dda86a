// The whole chain against the fake service: settings file, login as member or guest, the
// catalogue, and the purchase run with its retries and billing log.
#include <gtest/gtest.h>

#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/sjis.h"
#include "service/billing_log.h"
#include "service/curl_transport.h"
#include "service/prepare_catalogue.h"
#include "service/purchase_run.h"
#include "service_fixture.h"

namespace zv {
namespace {

// Records what the chain asked of the window and answers its questions from a script.
struct ScriptedUi {
    std::vector<std::string> notices;
    std::vector<std::string> causes;  // of the notices
    std::vector<std::string> questions;
    std::vector<std::string> statuses;
    std::vector<int> pauses;
    std::vector<bool> answers;  // consumed front to back; No when used up

    ServiceUi ui() {
        ServiceUi ui;
        ui.notify = [this](const std::string& text, const std::string& cause) {
            notices.push_back(text);
            causes.push_back(cause);
        };
        ui.ask = [this](const std::string& question, const std::string&) {
            questions.push_back(question);
            if (answers.empty()) return false;
            bool answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
        ui.status = [this](const std::string& text) { statuses.push_back(text); };
        ui.wait = [this](int ms) { pauses.push_back(ms); };
        return ui;
    }
};

std::tm fixedTime() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 3;
    t.tm_mday = 12;
    t.tm_hour = 9;
    t.tm_min = 30;
    return t;
}

class ServiceChain : public ::testing::Test {
protected:
    ServiceChain() {
        std::string https = service_.hostPort(true);
        settings_ = fixture::serviceSettingsText(
            https,
            "[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/all/,/all/\r\nPRICE=1000,800\r\n"
            "FILE=hb0410.lzh\r\nFILE=hb0411.lzh\r\nFILE=hb0412.lzh\r\n"
            "[SUNDBL_SYUTSUBA+KYOUSOUBA]\r\nPATHB=/sun/\r\nPRICE=150\r\nFILE=hs0411.lzh\r\n");
        service_.putFile(kSettingsFilePath, settings_);
        for (const char* name : {"hb0410.lzh", "hb0411.lzh", "hb0412.lzh"}) {
            service_.putFile(std::string("/member/all/") + name, archive(name));
        }
        service_.putFile("/member/sun/hs0411.lzh", archive("hs0411.lzh"));
        fixture::writeFile(download_.path(), "hz0410.lzh", "bought as hz before");
        config_.serviceHost = service_.hostPort(false);
        config_.caFile = service_.caFile();
        config_.connectTimeoutSeconds = 5;
        config_.lowSpeedSeconds = 5;
    }

    static std::string archive(const std::string& name) { return fixture::lhaArchive("bvo_den1.bv2", name); }

    std::optional<Catalogue> prepare(const Credentials& credentials) {
        return prepareCatalogue(curl(), config_.serviceHost, data_.path(), download_.path(), "BIGLOBE", credentials,
                                ui_.ui());
    }
    HttpTransport& curl() { return curl_.emplace(config_); }
    PurchasePlaces places() const { return {download_.path() / "BVO", data_.path()}; }
    std::vector<std::string> rowNames(const Catalogue& c) const {
        std::vector<std::string> names;
        for (const CatalogueRow& row : c.rows) names.push_back(row.entry.fileName);
        return names;
    }
    static void tick(Catalogue& c, const std::string& name) {
        for (CatalogueRow& row : c.rows) row.ticked = row.ticked || row.entry.fileName == name;
    }
    size_t logged(std::string_view needle) const {
        size_t n = 0;
        for (const std::string& line : service_.requests()) n += line.find(needle) != std::string::npos;
        return n;
    }

    fixture::FakeService service_;
    fixture::TempFolder data_;
    fixture::TempFolder download_;
    ServiceConfig config_;
    std::optional<CurlTransport> curl_;
    ScriptedUi ui_;
    std::string settings_;
    const Credentials member_{"member-id", "member-pw"};
    const Credentials guest_{"guest-id", "guest-pw"};
};

TEST_F(ServiceChain, MemberSeesMemberPricesWithoutTheFilesAlreadyPresent) {
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c) << (ui_.notices.empty() ? "" : ui_.notices[0]);
    EXPECT_EQ(c->membership, Membership::Member);
    EXPECT_EQ(c->memberLabel, "member-idはBIGLOBEメンバーとして認証されています");
    EXPECT_EQ(rowNames(*c), (std::vector<std::string>{"hb0411.lzh", "hb0412.lzh", "hs0411.lzh"}));
    EXPECT_EQ(c->rows[0].entry.price, "840");
    EXPECT_EQ(c->rows[2].entry.price, "158");
    EXPECT_EQ(c->rows[0].entry.path, "https://" + service_.hostPort(true) + "/member/all/");
    EXPECT_EQ(c->listLabel, "ダウンロードしたいファイルにチェックをしてOKボタンを押してください");
    EXPECT_TRUE(ui_.notices.empty());
    EXPECT_EQ(fixture::readFile(data_.path() / kSettingsFileName), settings_);
    EXPECT_EQ(logged(R"("scheme": "http", "path": "/keibaguest/settei/settei.txt", "user": "", "authorization": true)"),
              1u);
    removeSettingsFile(data_.path());
    EXPECT_FALSE(std::filesystem::exists(data_.path() / kSettingsFileName));
}

TEST_F(ServiceChain, GuestSeesGuestPricesAndPaths) {
    std::optional<Catalogue> c = prepare(guest_);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->membership, Membership::Guest);
    EXPECT_EQ(c->memberLabel, "guest-idはBIGLOBEゲストとして認証されています");
    ASSERT_EQ(c->rows.size(), 3u);
    EXPECT_EQ(c->rows[0].entry.price, "1050");
    EXPECT_EQ(c->rows[0].entry.path, "https://" + service_.hostPort(true) + "/guest/all/");
}

TEST_F(ServiceChain, EverythingPresentLeavesAnEmptyList) {
    for (const char* name : {"hb0411.lzh", "hb0412.lzh", "hs0411.lzh"}) fixture::writeFile(download_.path(), name, "x");
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->rows.empty());
    EXPECT_EQ(c->listLabel, "現在ダウンロードできるファイルはありません");
}

TEST_F(ServiceChain, SettingsFileOverHttpsWhenTheHostSaysSo) {
    config_.serviceHost = "https://" + service_.hostPort(true) + "/";
    ASSERT_TRUE(prepare(member_));
    EXPECT_EQ(logged(R"("scheme": "https", "path": "/keibaguest/settei/settei.txt")"), 1u);
    EXPECT_EQ(logged(R"("scheme": "http",)"), 0u);
}

TEST_F(ServiceChain, FailedPreparations) {
    const std::string notObtained =
        "BrevanneOnLineの設定ファイルが取得できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    const std::string refused = "認証できませんでした。ユーザーIDとパスワードをお確かめください。";
    const std::string noLogin =
        "BrevanneOnLineの設定ファイルに認証先が見つかりませんでした。\r\n\r\nもう一度認証をやり直してください。";
    struct Case {
        const char* why;
        std::string settings;
        Credentials credentials;
        std::string message;
        int pauses;
    };
    const Case cases[] = {
        {"wrong password", settings_, {"member-id", "nope"}, refused, 0},
        {"missing settings file", "", member_, notObtained, 2},
        {"empty settings file", "\r\n", member_, noLogin, 0},
        {"binary settings file", std::string("\x00\xff\x1a\r\n\x89PNG", 8), member_, noLogin, 0},
        {"huge settings file", "[SITE_AUTH]\r\n" + std::string(2 << 20, 'x'), member_, notObtained, 2},
        {"no sections", "URLB=" + service_.hostPort(true) + "/login\r\n", member_, noLogin, 0},
    };
    for (const Case& c : cases) {
        ui_ = {};
        std::filesystem::remove(service_.root() / "files" / "keibaguest" / "settei" / "settei.txt");
        if (!c.settings.empty()) service_.putFile(kSettingsFilePath, c.settings);
        EXPECT_FALSE(prepare(c.credentials)) << c.why;
        EXPECT_EQ(ui_.notices, std::vector<std::string>{c.message}) << c.why;
        EXPECT_EQ(ui_.pauses, std::vector<int>(static_cast<size_t>(c.pauses), 1000)) << c.why;
    }
}

TEST_F(ServiceChain, FailedRequestsSayWhyUnderTheMessage) {
    const std::string notObtained =
        "BrevanneOnLineの設定ファイルが取得できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    const std::string unreachable =
        "認証先のサーバーに接続できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    const std::string https = service_.hostPort(true);
    struct Case {
        const char* why;
        std::string serviceHost;
        std::filesystem::path caFile;
        std::string loginPath;
        std::string message;
        std::string cause;
    };
    const Case cases[] = {
        {"the settings host answers 500", "http://" + service_.hostPort(false) + "/status/500", service_.caFile(),
         "/login", notObtained, "原因: サーバーがエラーを返しました（HTTP 500）"},
        {"the login host's certificate is not trusted", service_.hostPort(false), service_.unrelatedCaFile(), "/login",
         unreachable, "原因: " + https + " のサーバー証明書を信頼できません"},
        {"the login host stalls", service_.hostPort(false), service_.caFile(), "/slow", unreachable,
         "原因: " + https + " から時間内に応答がありませんでした（タイムアウト）"},
        {"the CA file does not exist", service_.hostPort(false), "/nonexistent/ca.pem", "/login", unreachable,
         "原因: CA 証明書のファイルを読めません（/nonexistent/ca.pem: ファイルやフォルダがありません: No such file or "
         "directory）"},
    };
    config_.lowSpeedSeconds = 1;
    for (const Case& c : cases) {
        ui_ = {};
        config_.serviceHost = c.serviceHost;
        config_.caFile = c.caFile;
        service_.putFile(kSettingsFilePath, "[SITE_AUTH]\r\nURLB=" + https + c.loginPath + "\r\n");
        EXPECT_FALSE(prepare(member_)) << c.why;
        EXPECT_EQ(ui_.notices, std::vector<std::string>{c.message}) << c.why;
        ASSERT_EQ(ui_.causes.size(), 1u) << c.why;
        EXPECT_EQ(ui_.causes[0], c.cause) << c.why;
    }
}

// The settings file goes into the data folder under the folder's lock, like every other write there.
TEST_F(ServiceChain, TheSettingsFileWaitsForTheDataFoldersLock) {
    fixture::writeDataSet(data_.path(), {"02"});
    DataFolderLock held(data_.path());
    try {
        prepare(member_);
        FAIL() << "the settings file was written while another writer held the lock";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), dataFolderBusyMessage());
    }
    EXPECT_FALSE(std::filesystem::exists(data_.path() / kSettingsFileName));
}

TEST_F(ServiceChain, PriceThatIsNotANumberStopsWithAConversionError) {
    service_.putFile(kSettingsFilePath, "[SITE_AUTH]\r\nURLB=" + service_.hostPort(true) +
                                            "/login\r\n[SYUTSUBA+KYOUSOUBA_ALL]\r\nPRICE=abc\r\nFILE=hb0411.lzh\r\n");
    try {
        prepare(member_);
        FAIL() << "no conversion error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        EXPECT_EQ(e.text(), "abc");
    }
}

TEST_F(ServiceChain, PurchaseOfTwoArchivesWithOneRetry) {
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c);
    c->rows[0].ticked = true;  // hb0411.lzh, 840
    c->rows[2].ticked = true;  // hs0411.lzh, 158
    service_.failFirst("/member/sun/hs0411.lzh", 1);
    ui_.answers = {true};
    PurchaseOutcome outcome = runPurchase(curl(), *c, places(), ui_.ui(), fixedTime);

    EXPECT_EQ(outcome.end, PurchaseEnd::Completed);
    ASSERT_EQ(ui_.questions.size(), 1u);
    EXPECT_EQ(ui_.questions[0],
              "チェックされたファイルの合計金額は998円(税込)になります。\r\n\r\nダウンロードしてもよろしいですか？");
    EXPECT_EQ(ui_.pauses, std::vector<int>{1000});
    EXPECT_EQ(ui_.statuses,
              (std::vector<std::string>{"hs0411.lzhをダウンロード中...", "hb0411.lzhをダウンロード中..."}));
    EXPECT_EQ(outcome.lastArchive, places().downloadFolder / "hb0411.lzh");
    EXPECT_EQ(fixture::readFile(places().downloadFolder / "hs0411.lzh"), archive("hs0411.lzh"));
    EXPECT_EQ(fixture::readFile(places().downloadFolder / "hb0411.lzh"), archive("hb0411.lzh"));
    EXPECT_EQ(rowNames(*c), std::vector<std::string>{"hb0412.lzh"});
    EXPECT_EQ(fixture::readFile(data_.path() / kBillingLogName),
              sj("2026/04/12 09:30:00    hs0411.lzh    158円    member-id@BIGLOBE\r\n"
                 "2026/04/12 09:30:00    hb0411.lzh    840円    member-id@BIGLOBE\r\n"));
    EXPECT_TRUE(ui_.notices.empty());
}

TEST_F(ServiceChain, PurchaseStopsWhenAnArchiveCannotBeFetched) {
    const std::string again = "hb0411.lzhがダウンロードできませんでした。\r\n\r\n再度ダウンロードを試みますか？";
    const std::string later =
        "hb0411.lzhがダウンロードできませんでした。\r\n\r\n間をあけて再度ダウンロードを試みてください。";
    struct Case {
        const char* why;
        std::vector<bool> answers;
        std::vector<std::string> notices;
        size_t attempts;
    };
    const Case cases[] = {
        {"No after attempt 3", {true, false}, {}, 3},
        {"Yes after attempt 3, attempt 4 fails", {true, true}, {later}, 4},
    };
    for (const Case& c : cases) {
        fixture::TempFolder data;
        fixture::TempFolder download;
        std::optional<Catalogue> catalogue =
            prepareCatalogue(curl(), config_.serviceHost, data.path(), download.path(), "BIGLOBE", member_, ui_.ui());
        ASSERT_TRUE(catalogue);
        tick(*catalogue, "hb0411.lzh");  // always fails
        tick(*catalogue, "hs0411.lzh");  // fetched first
        std::filesystem::remove(service_.root() / "files" / "member" / "all" / "hb0411.lzh");
        size_t before = logged("/member/all/hb0411.lzh");
        ui_ = {};
        ui_.answers = c.answers;
        PurchaseOutcome outcome =
            runPurchase(curl(), *catalogue, {download.path() / "BVO", data.path()}, ui_.ui(), fixedTime);
        EXPECT_EQ(outcome.end, PurchaseEnd::StoppedEarly) << c.why;
        EXPECT_TRUE(outcome.lastArchive.empty()) << c.why;
        ASSERT_EQ(ui_.questions.size(), 2u) << c.why;
        EXPECT_EQ(ui_.questions[1], again) << c.why;
        EXPECT_EQ(ui_.notices, c.notices) << c.why;
        EXPECT_EQ(ui_.pauses, (std::vector<int>{1000, 1000})) << c.why;
        EXPECT_EQ(logged("/member/all/hb0411.lzh") - before, c.attempts) << c.why;
        EXPECT_EQ(rowNames(*catalogue), (std::vector<std::string>{"hb0410.lzh", "hb0411.lzh", "hb0412.lzh"})) << c.why;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(download.path() / "BVO"), {}), 1) << c.why;
        EXPECT_EQ(fixture::readFile(data.path() / kBillingLogName),
                  sj("2026/04/12 09:30:00    hs0411.lzh    158円    member-id@BIGLOBE\r\n"))
            << c.why;
        service_.putFile("/member/all/hb0411.lzh", archive("hb0411.lzh"));
    }
}

TEST_F(ServiceChain, HtmlErrorPageIsNoArchive) {
    service_.putFile("/member/all/hb0412.lzh", "<html><body>Service busy</body></html>");
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c);
    c->rows[1].ticked = true;
    ui_.answers = {true, true};
    EXPECT_EQ(runPurchase(curl(), *c, places(), ui_.ui(), fixedTime).end, PurchaseEnd::StoppedEarly);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(places().downloadFolder), {}), 0);
    EXPECT_FALSE(std::filesystem::exists(data_.path() / kBillingLogName));
}

TEST_F(ServiceChain, RunsThatEndBeforeFetching) {
    std::optional<Catalogue> prepared = prepare(member_);
    ASSERT_TRUE(prepared);
    prepared->rows[0].ticked = true;
    const std::string noCredentials = "なんらかの理由でユーザーIDまたはパスワードが取得できませんでした。";
    struct Case {
        const char* why;
        std::vector<bool> answers;
        Credentials credentials;
        bool abort;
        PurchaseEnd end;
    };
    const Case cases[] = {
        {"the user declines the total", {false}, member_, false, PurchaseEnd::Declined},
        {"no password kept", {true}, {"member-id", ""}, false, PurchaseEnd::MissingCredentials},
        {"aborted", {true}, member_, true, PurchaseEnd::Aborted},
    };
    for (const Case& c : cases) {
        Catalogue catalogue = *prepared;
        catalogue.credentials = c.credentials;
        ui_ = {};
        ui_.answers = c.answers;
        ServiceUi ui = ui_.ui();
        if (c.abort) ui.transfer.aborted = [] { return true; };
        size_t before = logged("/member/all/");
        EXPECT_EQ(runPurchase(curl(), catalogue, places(), ui, fixedTime).end, c.end) << c.why;
        EXPECT_EQ(logged("/member/all/"), before) << c.why;
        EXPECT_EQ(catalogue.rows.size(), 3u) << c.why;
        EXPECT_EQ(ui_.notices, c.end == PurchaseEnd::MissingCredentials ? std::vector<std::string>{noCredentials}
                                                                        : std::vector<std::string>{})
            << c.why;
        EXPECT_FALSE(std::filesystem::exists(data_.path() / kBillingLogName)) << c.why;
    }
}

TEST_F(ServiceChain, DownloadFolderThatCannotBeCreated) {
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c);
    c->rows[0].ticked = true;
    ui_.answers = {true};
    size_t before = logged("/member/all/");
    EXPECT_THROW(runPurchase(curl(), *c, {download_.path() / "no" / "BVO", data_.path()}, ui_.ui(), fixedTime), Error);
    EXPECT_EQ(logged("/member/all/"), before);
    EXPECT_FALSE(std::filesystem::exists(download_.path() / "no"));
    EXPECT_FALSE(std::filesystem::exists(data_.path() / kBillingLogName));
}

TEST_F(ServiceChain, ReadOnlyBillingLogIsLeftAlone) {
    fixture::writeFile(data_.path(), kBillingLogName, "old\r\n");
    std::filesystem::permissions(data_.path() / kBillingLogName, std::filesystem::perms::owner_read);
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c);
    c->rows[1].ticked = true;
    ui_.answers = {true};
    PurchaseOutcome outcome = runPurchase(curl(), *c, places(), ui_.ui(), fixedTime);
    EXPECT_EQ(outcome.end, PurchaseEnd::Completed);
    EXPECT_EQ(outcome.lastArchive, places().downloadFolder / "hb0412.lzh");
    EXPECT_EQ(fixture::readFile(data_.path() / kBillingLogName), "old\r\n");
}

TEST_F(ServiceChain, BillingLogWriteErrorStopsTheRunKeepingTheArchive) {
    std::filesystem::create_directory(data_.path() / kBillingLogName);  // cannot be opened for appending
    std::optional<Catalogue> c = prepare(member_);
    ASSERT_TRUE(c);
    c->rows[1].ticked = true;
    ui_.answers = {true};
    EXPECT_THROW(runPurchase(curl(), *c, places(), ui_.ui(), fixedTime), Error);
    EXPECT_EQ(fixture::readFile(places().downloadFolder / "hb0412.lzh"), archive("hb0412.lzh"));
    EXPECT_EQ(c->rows.size(), 3u);
}

}  // namespace
}  // namespace zv
