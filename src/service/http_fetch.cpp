#include "http_fetch.h"

#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>

#include "data/ascii_case.h"
#include "data/data_folder_lock.h"
#include "data/error.h"
#include "data/file_sink.h"
#include "data/line_cutter.h"
#include "data/temporary_files.h"
#include "data/text_file.h"

namespace zv {
namespace {

bool holdsSecrets(const Credentials& credentials) {
    return !credentials.userId.empty() || !credentials.password.empty();
}

// The account's credentials never leave over plain HTTP; redirects are the transport's to guard.
FetchResult get(HttpTransport& transport, const HttpGet& request, const BodySink& body, const TransferHooks& hooks) {
    if (request.basicAuth && holdsSecrets(*request.basicAuth) && !startsWithNoCase(request.url, "https://")) {
        FetchResult refused;
        refused.failure = FetchFailure::CredentialsOverPlainHttp;
        refused.detail = "account credentials are sent over HTTPS only";
        return refused;
    }
    return transport.get(request, body, hooks);
}

FetchResult localFileFailure(const std::string& what, const std::filesystem::path& file, int error) {
    FetchResult result;
    result.failure = FetchFailure::LocalFile;
    result.detail = what + " " + file.string() + ": " + errnoText(error);
    return result;
}

// Lines end at CR LF, LF or CR; every line, the last one too, then ends in CR LF.
std::string withCrLfLines(std::string_view body) {
    std::string out;
    out.reserve(body.size() + body.size() / 16);
    for (std::string_view line : splitLines(body, LineEnds::CrLfOrCr)) out.append(line).append("\r\n");
    return out;
}

}  // namespace

std::string TextFetch::answer() const {
    if (result.ok) return text;
    return std::to_string(result.status == 0 ? -1 : result.status) + "\r\n";
}

TextFetch fetchText(HttpTransport& transport, const std::string& url, const Credentials& credentials,
                    const TransferHooks& hooks) {
    std::string body;
    HttpGet request;
    request.url = url;
    if (!credentials.userId.empty() && !credentials.password.empty()) request.basicAuth = credentials;
    TextFetch fetch;
    fetch.result = get(
        transport, request,
        [&body](std::string_view piece) {
            body.append(piece);
            return true;
        },
        hooks);
    if (fetch.result.ok) fetch.text = withCrLfLines(body);
    return fetch;
}

FetchResult fetchToFile(HttpTransport& transport, const std::filesystem::path& localFile, const std::string& url,
                        const Credentials& credentials, const TransferHooks& hooks, const FileFetchOptions& options) {
    // Partial files of a download that was killed are removed by the next one into the folder.
    removeStaleTemporaries(localFile.parent_path());
    std::optional<TemporaryFile> temp;
    try {
        temp.emplace(localFile);
    } catch (const std::system_error& e) {
        return localFileFailure("ファイルを作成できません:", localFile.parent_path(), e.code().value());
    }

    FileSink& sink = fileSink();
    int writeError = 0;
    HttpGet request{url, credentials, options.maxBytes};
    FetchResult result = get(
        transport, request,
        [&](std::string_view piece) {
            if (sink.write(temp->fd(), piece)) return true;
            writeError = errno;
            return false;
        },
        hooks);
    if (writeError != 0) result = localFileFailure("書き込めません:", temp->path(), writeError);
    if (result.ok && options.accept && !options.accept(temp->path())) {
        result.ok = false;
        result.failure = FetchFailure::NotExpectedFile;
        result.detail = "the response is not the expected file";
    }
    if (result.ok) {
        // A file of the data folder (the service's settings file) goes in under the folder's lock.
        std::optional<DataFolderLock> lock = lockWhenInDataFolder(localFile);
        if (std::error_code ec = temp->moveOver(localFile))
            result = localFileFailure("名前を変更できません:", localFile, ec.value());
    }
    return result;
}

}  // namespace zv
