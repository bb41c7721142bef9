#include "server/WorldRoutes.h"

#include <ctime>
#include <iostream>

#include "server/WorldRequest.h"

namespace world {

bool TWorldRoutes::TRoute::Serves(std::string_view path) const {
    return Path.ends_with('/') ? path.starts_with(Path) : path == Path;
}

TWorldRoutes::TWorldRoutes(TResultStore& store, uint32_t requestsPerMinute,
                           const std::filesystem::path& webFolder)
    : Store(store),
      Limiter(requestsPerMinute),
      WebFiles(webFolder.empty() ? std::nullopt : std::optional<TWebFiles>(webFolder)),
      Page(store, webFolder.empty() ? "" : std::string(WebPrefix)) {
    const auto world = [this](const THttpRequest& request) { return AnswerWorldRequest(request); };
    Routes = {
        {.Method = "GET", .Path = WorldPath, .Answer = world},
    };
    if (WebFiles) {
        const auto files = [this](const THttpRequest& request) {
            return WebFiles->Answer(request);
        };
        Routes.push_back(
            {.Method = "GET", .Path = WebPrefix, .RateLimited = false, .Answer = files});
        Routes.push_back(
            {.Method = "HEAD", .Path = WebPrefix, .RateLimited = false, .Answer = files});
    }
}

const TWorldRoutes::TRoute* TWorldRoutes::Find(std::string_view method,
                                               std::string_view path) const {
    for (const TRoute& route : Routes) {
        if (route.Method == method && route.Serves(path))
            return &route;
    }
    return nullptr;
}

size_t TWorldRoutes::BodyLimit(std::string_view method, std::string_view path) const {
    const TRoute* route = Find(method, path);
    return route ? route->MaxBody : 0;
}

THttpAnswer TWorldRoutes::Answer(const THttpRequest& request) {
    const std::string_view path = request.Path();
    const TRoute* route = Find(request.Method, path);
    if ((route == nullptr || route->RateLimited) &&
        !Limiter.Allow(request.RemoteAddress, std::time(nullptr)))
        return TextAnswer(429, "Too many requests\n");
    if (route != nullptr)
        return route->Answer(request);
    std::string allowed;
    for (const TRoute& other : Routes) {
        if (other.Serves(path))
            allowed += (allowed.empty() ? "" : ", ") + std::string(other.Method);
    }
    if (allowed.empty())
        return TextAnswer(404, "Not found\n");
    THttpAnswer refusal = TextAnswer(405, "Method not allowed\n");
    refusal.Headers.emplace_back("Allow", allowed);
    return refusal;
}

THttpAnswer TWorldRoutes::AnswerWorldRequest(const THttpRequest& request) {
    // The raw target: a valid request needs no decoding, so anything encoded is refused rather
    // than interpreted.
    const std::string_view target = request.Target;
    const size_t mark = target.find('?');
    const std::string_view query =
        mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);
    if (query.size() > MaxQueryLength)
        return TextAnswer(414, "Request too long\n");
    const auto parsed = ParseWorldRequest(request.Path(), query);
    if (!parsed)
        return TextAnswer(400, "Bad request\n");
    try {
        if (const auto* submit = std::get_if<TSubmitRequest>(&*parsed)) {
            Store.Add(submit->Result, std::time(nullptr));
            Page.Invalidate();
            return TextAnswer(200, "OK\n");
        }
        THttpAnswer page;
        page.ContentType = "text/html; charset=utf-8";
        page.Body = Page.Get();
        return page;
    } catch (const TStoreError& error) {
        std::cerr << "zorvex-world: " << error.what() << '\n';
        return TextAnswer(503, "Storage unavailable\n");
    }
}

}  // namespace world
