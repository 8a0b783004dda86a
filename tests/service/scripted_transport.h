// A transport that answers from a script, so that the catalogue, retry and billing logic runs in
// tests without sockets. Each URL has a list of answers given one per request, the last one
// repeated; a URL without answers gets 404. Requests are recorded.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "service/http_transport.h"

namespace zv::fixture {

class ScriptedTransport final : public HttpTransport {
public:
    struct Answer {
        long status = 200;  // 0: none arrived
        std::string body;
        FetchFailure failure = FetchFailure::None;  // set: the request ends before any answer
        std::string host = "service.test";
    };
    struct Request {
        std::string url;
        std::optional<Credentials> basicAuth;
    };

    void answer(const std::string& url, std::vector<Answer> answers) { script_[url] = std::move(answers); }
    void serve(const std::string& url, std::string body);
    size_t requestsFor(const std::string& url) const;

    FetchResult get(const HttpGet& request, const BodySink& body, const TransferHooks& hooks) override;

    std::vector<Request> requests;

private:
    std::map<std::string, std::vector<Answer>> script_;
};

using ScriptedAnswer = ScriptedTransport::Answer;
ScriptedAnswer servedPage(std::string body);
ScriptedAnswer servedStatus(long code);
// The request ends before the server answers (a proxy's status may come with it).
ScriptedAnswer failedRequest(FetchFailure failure, std::string host, long status = 0);

}  // namespace zv::fixture
