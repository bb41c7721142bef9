#include "server/WorldServer.h"

#include <ctime>
#include <iostream>
#include <string_view>

#include "server/ReplayRoutes.h"
#include "server/WorldPage.h"
#include "server/WorldRequest.h"

namespace world {

namespace {

// More header lines than any browser or the game sends; a request with more is refused.
constexpr size_t MaxHeaderCount = 64;

void AnswerText(httplib::Response& response, int status, const char* text) {
    response.status = status;
    response.set_content(text, "text/plain; charset=utf-8");
}

// The transport-free routes (server/ReplayRoutes.h) over this library.
THttpRequest ExchangeOf(const httplib::Request& request) {
    return {request.method, request.target, request.remote_addr, request.body};
}

void Respond(THttpAnswer answer, httplib::Response& response) {
    response.status = answer.Status;
    for (const auto& [name, value] : answer.Headers)
        response.set_header(name, value);
    response.set_content(std::move(answer.Body), answer.ContentType);
}

bool IsReplayUpload(const httplib::Request& request) {
    return request.method == "POST" && request.path == ReplayPath;
}

}  // namespace

TWorldServer::TWorldServer(TResultStore& store, TReplayVerifier& verifier,
                           uint32_t requestsPerMinute)
    : Store(store), Verifier(verifier), Limiter(requestsPerMinute) {
    // The requests are GETs but for a replay's upload: no other takes a body (413), and the
    // query length is checked before decoding (414); the library itself stops at 8 KiB per
    // request or header line, and at MaxReplayUploadBytes for an upload's body.
    Http.set_payload_max_length(MaxReplayUploadBytes);
    Http.set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            if (!Limiter.Allow(request.remote_addr, std::time(nullptr))) {
                AnswerText(response, 429, "Too many requests\n");
                return httplib::Server::HandlerResponse::Handled;
            }
            // The library reads no body of a GET and would take one as the next request on the
            // connection; refuse it and hang up instead.
            const std::string length = request.get_header_value("Content-Length");
            const bool body =
                (!length.empty() && length != "0") || request.has_header("Transfer-Encoding");
            if (body && !IsReplayUpload(request)) {
                response.set_header("Connection", "close");
                AnswerText(response, 413, "No body is taken\n");
                return httplib::Server::HandlerResponse::Handled;
            }
            if (request.headers.size() > MaxHeaderCount) {
                AnswerText(response, 431, "Too many header lines\n");
                return httplib::Server::HandlerResponse::Handled;
            }
            return httplib::Server::HandlerResponse::Unhandled;
        });
    Http.Get(R"(/cgi/version\.pl)",
             [this](const httplib::Request& request, httplib::Response& response) {
                 Answer(request, response);
             });
    Http.Post(std::string(ReplayPath), [this](const httplib::Request& request,
                                              httplib::Response& response) {
        Respond(AnswerReplayUpload(ExchangeOf(request), Store, Verifier, std::time(nullptr)),
                response);
    });
    Http.Get(std::string(ReplayPath),
             [this](const httplib::Request& request, httplib::Response& response) {
                 Respond(AnswerReplayDownload(ExchangeOf(request), Store), response);
             });
}

int TWorldServer::Bind(const std::string& host, int port) {
    if (port == 0)
        return Http.bind_to_any_port(host);
    return Http.bind_to_port(host, port) ? port : -1;
}

void TWorldServer::Serve() {
    Http.listen_after_bind();
}

void TWorldServer::Stop() {
    Http.stop();
}

void TWorldServer::Answer(const httplib::Request& request, httplib::Response& response) {
    // The raw target, not the library's percent-decoded path and parameters: a valid request
    // needs no decoding, so anything encoded is refused rather than interpreted.
    const std::string_view target = request.target;
    const size_t mark = target.find('?');
    const std::string_view path = target.substr(0, mark);
    const std::string_view query =
        mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);
    if (query.size() > MaxQueryLength)
        return AnswerText(response, 414, "Request too long\n");
    const auto parsed = ParseWorldRequest(path, query);
    if (!parsed)
        return AnswerText(response, 400, "Bad request\n");
    try {
        if (const auto* submit = std::get_if<TSubmitRequest>(&*parsed)) {
            Store.Add(submit->Result, std::time(nullptr));
            return AnswerText(response, 200, "OK\n");
        }
        const bool verifiedOnly = std::get<TShowPageRequest>(*parsed).VerifiedOnly;
        response.set_content(RenderWorldPage(Store.Top(WorldPageSize, verifiedOnly), verifiedOnly),
                             "text/html; charset=utf-8");
    } catch (const TStoreError& error) {
        std::cerr << "zorvex-world: " << error.what() << '\n';
        AnswerText(response, 503, "Storage unavailable\n");
    }
}

}  // namespace world
