#include "purchase_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "billing_log.h"
#include "data/convert.h"
#include "data/error.h"
#include "fetch_failure.h"
#include "http_fetch.h"

namespace zv {
namespace {

constexpr int kRetryPauseMs = 1000;
constexpr int kPlannedAttempts = 3;

std::tm clockNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void createDownloadFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) return;
    std::filesystem::create_directory(folder, ec);  // a single level
    if (ec) {
        throw Error(ErrorKind::Io,
                    "保存先のフォルダを作成できません: " + pathText(folder) + " (" + errorCodeText(ec) + ")");
    }
}

enum class Fetch { Done, GaveUp, Aborted };

// Attempts 1 to 3 with a pause before each retry; then, when the user wants it, attempt 4 at once.
Fetch fetchWithRetries(HttpTransport& transport, const Catalogue& catalogue, const CatalogueEntry& entry,
                       const std::filesystem::path& local, const ServiceUi& ui) {
    constexpr const char* cannot = "がダウンロードできませんでした。";
    constexpr const char* askAgain = "再度ダウンロードを試みますか？";
    constexpr const char* tryLater = "間をあけて再度ダウンロードを試みてください。";
    FileFetchOptions options;
    options.accept = looksLikeLhaArchive;
    std::string url = archiveUrl(entry);
    FetchResult last;
    auto attempt = [&] {
        last = fetchToFile(transport, local, url, catalogue.credentials, ui.transfer, options);
        return last.ok;
    };

    for (int n = 1; n <= kPlannedAttempts; ++n) {
        if (n > 1) {
            ui.processMessages();
            ui.pause(kRetryPauseMs);
        }
        if (ui.aborted()) return Fetch::Aborted;
        if (attempt()) return Fetch::Done;
    }
    if (ui.aborted()) return Fetch::Aborted;
    if (!ui.yes(entry.fileName + cannot + "\r\n\r\n" + askAgain, failureCause(last))) return Fetch::GaveUp;
    ui.processMessages();
    if (attempt()) return Fetch::Done;
    if (!ui.aborted()) ui.say(entry.fileName + cannot + "\r\n\r\n" + tryLater, failureCause(last));
    return ui.aborted() ? Fetch::Aborted : Fetch::GaveUp;
}

}  // namespace

int64_t tickedTotal(const Catalogue& catalogue) {
    int64_t total = 0;
    for (const CatalogueRow& row : catalogue.rows) {
        if (row.ticked) total += strictInt(row.entry.price, "price");
    }
    return total;
}

bool looksLikeLhaArchive(const std::filesystem::path& file) {
    char head[7] = {};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(head, sizeof head)) return false;
    return head[2] == '-' && head[3] == 'l' && (head[4] == 'h' || head[4] == 'z') && head[6] == '-';
}

PurchaseOutcome runPurchase(HttpTransport& transport, Catalogue& catalogue, const PurchasePlaces& places,
                            const ServiceUi& ui, const std::function<std::tm()>& localNow) {
    constexpr const char* totalIs = "チェックされたファイルの合計金額は";
    constexpr const char* yenTaxIncluded = "円(税込)になります。";
    constexpr const char* proceed = "ダウンロードしてもよろしいですか？";
    constexpr const char* noCredentials = "なんらかの理由でユーザーIDまたはパスワードが取得できませんでした。";
    constexpr const char* downloading = "をダウンロード中...";
    constexpr const char* yen = "円";

    PurchaseOutcome outcome;
    int64_t total = tickedTotal(catalogue);
    if (!ui.yes(totalIs + std::to_string(total) + yenTaxIncluded + "\r\n\r\n" + proceed)) return outcome;
    createDownloadFolder(places.downloadFolder);
    if (catalogue.credentials.userId.empty() || catalogue.credentials.password.empty()) {
        ui.say(noCredentials);
        outcome.end = PurchaseEnd::MissingCredentials;
        return outcome;
    }

    std::filesystem::path lastArchive;
    std::string userId = userIdFromMemberLabel(catalogue.memberLabel);
    for (size_t i = catalogue.rows.size(); i-- > 0;) {
        ui.processMessages();
        if (!catalogue.rows[i].ticked) continue;
        const CatalogueEntry& entry = catalogue.rows[i].entry;
        ui.show(entry.fileName + downloading);
        ui.processMessages();
        std::filesystem::path local = places.downloadFolder / entry.fileName;
        Fetch fetched = fetchWithRetries(transport, catalogue, entry, local, ui);
        if (fetched != Fetch::Done) {
            outcome.end = fetched == Fetch::Aborted ? PurchaseEnd::Aborted : PurchaseEnd::StoppedEarly;
            return outcome;
        }
        lastArchive = local;
        appendBillingLine(places.dataFolder,
                          billingLine(localNow ? localNow() : clockNow(), entry.fileName, entry.price + yen, userId));
        catalogue.rows.erase(catalogue.rows.begin() + static_cast<std::ptrdiff_t>(i));
    }

    outcome.end = PurchaseEnd::Completed;
    std::error_code ec;
    if (!lastArchive.empty() && std::filesystem::exists(lastArchive, ec)) outcome.lastArchive = lastArchive;
    return outcome;
}

}  // namespace zv
