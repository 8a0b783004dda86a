#include "prepare_catalogue.h"

#include <algorithm>
#include <system_error>

#include "data/error.h"
#include "fetch_failure.h"
#include "http_fetch.h"

namespace zv {
namespace {

constexpr int kSettingsTries = 3;
constexpr int kRetryPauseMs = 1000;

// The last attempt's result.
FetchResult fetchSettingsFile(HttpTransport& transport, const std::string& serviceHost,
                              const std::filesystem::path& target, const ServiceUi& ui) {
    FileFetchOptions options;
    options.maxBytes = ServiceSettingsFile::kMaxBytes;
    FetchResult result;
    for (int attempt = 1; attempt <= kSettingsTries; ++attempt) {
        if (attempt > 1) {
            ui.processMessages();
            ui.pause(kRetryPauseMs);
        }
        result = fetchToFile(transport, target, settingsFileUrl(serviceHost), {}, ui.transfer, options);
        if (result.ok) break;
    }
    return result;
}

}  // namespace

bool Catalogue::anyTicked() const {
    return std::any_of(rows.begin(), rows.end(), [](const CatalogueRow& r) { return r.ticked; });
}

std::string settingsFileUrl(const std::string& serviceHost) {
    std::string host = serviceHost;
    while (!host.empty() && host.back() == '/') host.pop_back();
    bool hasScheme = host.starts_with("http://") || host.starts_with("https://");
    return (hasScheme ? host : "http://" + host) + kSettingsFilePath;
}

std::optional<Catalogue> prepareCatalogue(HttpTransport& transport, const std::string& serviceHost,
                                          const std::filesystem::path& dataFolder,
                                          const std::filesystem::path& downloadFolder, const std::string& provider,
                                          const Credentials& credentials, const ServiceUi& ui) {
    constexpr const char* notObtained =
        "BrevanneOnLineの設定ファイルが取得できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    constexpr const char* unusable =
        "BrevanneOnLineの設定ファイルに認証先が見つかりませんでした。\r\n\r\nもう一度認証をやり直してください。";
    constexpr const char* refused = "認証できませんでした。ユーザーIDとパスワードをお確かめください。";
    constexpr const char* unreachable =
        "認証先のサーバーに接続できませんでした。\r\n\r\nもう一度認証をやり直してください。";
    constexpr const char* canChoose = "ダウンロードしたいファイルにチェックをしてOKボタンを押してください";
    constexpr const char* nothingToChoose = "現在ダウンロードできるファイルはありません";

    std::filesystem::path settingsPath = dataFolder / kSettingsFileName;
    if (FetchResult fetched = fetchSettingsFile(transport, serviceHost, settingsPath, ui); !fetched.ok) {
        ui.say(notObtained, failureCause(fetched));
        return std::nullopt;
    }
    ServiceSettingsFile settings = ServiceSettingsFile::load(settingsPath);

    // Without a login location the request could only fail; say what is wrong instead.
    std::string loginLocation = settings.value("SITE_AUTH", "URLB");
    if (loginLocation.empty()) {
        ui.say(unusable);
        return std::nullopt;
    }
    // Only the login host's own answer says member, guest or refused; a request that never reached
    // it (an untrusted certificate, a proxy that refused) says nothing about the ID and password.
    TextFetch login = fetchText(transport, "https://" + loginLocation, credentials, ui.transfer);
    if (!serverAnswered(login.result)) {
        ui.say(unreachable, failureCause(login.result));
        return std::nullopt;
    }
    std::optional<Membership> who = membershipOf(Cp932View(login.answer()));
    if (!who) {
        ui.say(refused, failureCause(login.result));
        return std::nullopt;
    }

    Catalogue catalogue;
    catalogue.provider = provider;
    catalogue.credentials = credentials;
    catalogue.membership = *who;
    catalogue.memberLabel = memberLabel(Cp932View(credentials.userId), *who);
    std::vector<CatalogueEntry> entries = catalogueEntries(settings, *who);
    for (CatalogueEntry& entry : listableEntries(entries, gatherFileNames(downloadFolder))) {
        catalogue.rows.push_back({std::move(entry), false});
    }
    catalogue.listLabel = catalogue.rows.empty() ? nothingToChoose : canChoose;
    return catalogue;
}

void removeSettingsFile(const std::filesystem::path& dataFolder) {
    std::error_code ec;
    std::filesystem::remove(dataFolder / kSettingsFileName, ec);
}

}  // namespace zv
