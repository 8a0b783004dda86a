// What the catalogue and download commands share: the service settings (stored settings, with
// --service-host, --ca-file, --dir, --user and --password-stdin taking precedence), the catalogue
// preparation, and the terminal's side of the chain (notices and progress to stderr, questions
// answered by --yes or a line on stdin).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli_context.h"
#include "service/curl_transport.h"
#include "service/prepare_catalogue.h"

namespace zv::cli {

class ServiceSession {
public:
    // Takes the service options out of ctx.args. A command that asks Yes/No questions
    // (asksQuestions) refuses --password-stdin without --yes: standard input is the password's.
    ServiceSession(CliContext& ctx, bool asksQuestions);

    // Settings file, login and catalogue; nothing after a failure already reported on stderr.
    std::optional<Catalogue> prepare();
    // The terminal as the chain's window: notices and progress on stderr, Yes with --yes.
    ServiceUi ui();

    HttpTransport& transport() { return *transport_; }
    const std::filesystem::path& dataFolder() const { return dataFolder_; }
    const std::filesystem::path& downloadFolder() const { return downloadFolder_; }

    // The fetched settings file goes when the session ends, as when the download window closes.
    ~ServiceSession();
    ServiceSession(const ServiceSession&) = delete;
    ServiceSession& operator=(const ServiceSession&) = delete;

private:
    CliContext& ctx_;
    ServiceConfig config_;
    std::optional<CurlTransport> transport_;  // made once the settings are read
    Credentials credentials_;
    std::filesystem::path dataFolder_;
    std::filesystem::path downloadFolder_;
    bool answerYes_ = false;
    int64_t transferTotal_ = 0;
    int lastPercent_ = -1;
};

}  // namespace zv::cli
