#include "service_session.h"

#include <iostream>

#include "data/error.h"
#include "data/sjis.h"
#include "interrupt.h"
#include "session/service_settings.h"
#include "settings/settings_store.h"

namespace zv::cli {
namespace {

std::string readPasswordLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line)) throw UsageError("--password-stdin: 標準入力にパスワードがありません");
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
}

// What the user typed, as CP932; refused when it holds a character CP932 cannot hold.
std::string typedText(std::string_view utf8, std::string_view caption) {
    if (std::optional<std::string> cp932 = fromUtf8Exactly(utf8)) return *cp932;
    throw Error(ErrorKind::Conversion, notCp932Message(caption));
}

}  // namespace

ServiceSession::ServiceSession(CliContext& ctx, bool asksQuestions) : ctx_(ctx) {
    stopOnInterrupt();
    std::optional<std::string> host = ctx.option("--service-host");
    std::optional<std::string> caFile = ctx.option("--ca-file");
    std::optional<std::string> dir = ctx.option("--dir");
    std::optional<std::string> user = ctx.option("--user");
    bool passwordFromStdin = ctx.flag("--password-stdin");
    answerYes_ = ctx.flag("--yes");
    if (user.has_value() != passwordFromStdin) throw UsageError("--user と --password-stdin は組で指定してください");
    if (asksQuestions && passwordFromStdin && !answerYes_) {
        throw UsageError(
            "--password-stdin では標準入力でパスワードを読むため、合計金額の確認に答えられません: --yes "
            "も指定してください");
    }

    dataFolder_ = ctx.dataFolder();
    settings::SettingsStore stored;
    stored.moveSecretsToKeyring();
    namespace key = settings::key;
    config_ = readServiceConfig(stored);
    if (host) config_.serviceHost = *host;
    if (caFile) config_.caFile = *caFile;
    downloadFolder_ = dir ? std::filesystem::path(*dir)
                          : std::filesystem::path(stored.readText(key::DataDir, (dataFolder_ / "BVO").string()));
    transport_.emplace(config_);
    if (user) {
        credentials_ = {typedText(*user, "ID"), typedText(readPasswordLine(std::cin), "パスワード")};
    } else {
        credentials_ = {fromUtf8(stored.readText(key::DataUserID)),
                        fromUtf8(stored.readSecret(key::DataPassword).text)};
    }
    if (credentials_.userId.empty() || credentials_.password.empty()) {
        throw UsageError(
            "ユーザーIDとパスワードが保存されていません: --user ID と --password-stdin で指定してください");
    }
}

ServiceSession::~ServiceSession() { removeSettingsFile(dataFolder_); }

ServiceUi ServiceSession::ui() {
    ServiceUi ui;
    // A failed request's cause goes on the line after the message.
    auto withCause = [](const std::string& text, const std::string& cause) {
        return terminalText(text) + (cause.empty() ? "" : "\n" + terminalText(cause));
    };
    ui.notify = [this, withCause](const std::string& text, const std::string& cause) {
        ctx_.err << withCause(text, cause) << "\n";
    };
    ui.ask = [this, withCause](const std::string& question, const std::string& cause) {
        ctx_.err << withCause(question, cause) << (answerYes_ ? " はい\n" : " [y/N] ");
        if (answerYes_) return true;
        std::string answer;
        if (!std::getline(std::cin, answer)) {
            ctx_.err << "\n";
            return false;
        }
        return answer == "y" || answer == "Y" || answer == "yes";
    };
    ui.status = [this](const std::string& text) { ctx_.err << terminalText(text) << "\n"; };
    ui.transfer.begin = [this](int64_t total) {
        transferTotal_ = total;
        lastPercent_ = -1;
    };
    ui.transfer.progress = [this](int64_t done) {
        // Without an announced size the count goes up in steps of 64 KiB.
        int step = transferTotal_ > 0 ? static_cast<int>(done * 100 / transferTotal_) : static_cast<int>(done >> 16);
        if (step == lastPercent_) return;
        lastPercent_ = step;
        ctx_.err << "\r  " << done;
        if (transferTotal_ > 0) {
            ctx_.err << " / " << transferTotal_ << " バイト (" << step << "%)";
        } else {
            ctx_.err << " バイト";
        }
        ctx_.err << std::flush;
    };
    ui.transfer.end = [this] {
        if (lastPercent_ >= 0) ctx_.err << "\n";
        lastPercent_ = -1;
    };
    ui.transfer.aborted = interrupted;
    return ui;
}

std::optional<Catalogue> ServiceSession::prepare() {
    std::optional<Catalogue> catalogue =
        prepareCatalogue(*transport_, config_.serviceHost, dataFolder_, downloadFolder_, "BIGLOBE", credentials_, ui());
    if (catalogue) ctx_.err << terminalText(catalogue->memberLabel) << "\n";
    return catalogue;
}

}  // namespace zv::cli
