#include "scripted_transport.h"

#include <algorithm>

namespace zv::fixture {

ScriptedAnswer servedPage(std::string body) { return {200, std::move(body), FetchFailure::None, "service.test"}; }

ScriptedAnswer servedStatus(long code) { return {code, "status page", FetchFailure::None, "service.test"}; }

ScriptedAnswer failedRequest(FetchFailure failure, std::string host, long status) {
    return {status, "", failure, std::move(host)};
}

void ScriptedTransport::serve(const std::string& url, std::string body) { answer(url, {servedPage(std::move(body))}); }

size_t ScriptedTransport::requestsFor(const std::string& url) const {
    return static_cast<size_t>(
        std::count_if(requests.begin(), requests.end(), [&](const Request& r) { return r.url == url; }));
}

FetchResult ScriptedTransport::get(const HttpGet& request, const BodySink& body, const TransferHooks& hooks) {
    requests.push_back({request.url, request.basicAuth});
    Answer answer = servedStatus(404);
    if (auto found = script_.find(request.url); found != script_.end() && !found->second.empty()) {
        answer = found->second.front();
        if (found->second.size() > 1) found->second.erase(found->second.begin());
    }
    FetchResult result;
    result.host = answer.host;
    if (hooks.aborted && hooks.aborted()) {
        result.failure = FetchFailure::Aborted;
        return result;
    }
    if (answer.failure != FetchFailure::None) {
        result.status = answer.status;
        result.failure = answer.failure;
        return result;
    }
    result.status = answer.status;
    if (answer.status < 200 || answer.status >= 300) {
        result.failure = FetchFailure::HttpStatus;
        return result;
    }
    if (request.maxBytes > 0 && static_cast<int64_t>(answer.body.size()) > request.maxBytes) {
        result.failure = FetchFailure::TooLarge;
        return result;
    }
    const auto total = static_cast<int64_t>(answer.body.size());
    if (hooks.begin) hooks.begin(total);
    bool stored = body(answer.body);
    if (stored && hooks.progress) hooks.progress(total);
    if (hooks.end) hooks.end();
    result.ok = stored;
    if (!stored) result.failure = FetchFailure::LocalFile;
    return result;
}

}  // namespace zv::fixture
