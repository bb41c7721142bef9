#pragma once
// What the world server answers, free of the HTTP library: a table of routes, each a method, a
// path, the largest body it takes and the function that answers it. A route for another feature
// is one more row in the table (see the constructor).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "server/CachedWorldPage.h"
#include "server/HttpExchange.h"
#include "server/RateLimiter.h"
#include "server/ResultStore.h"
#include "server/WebFiles.h"

namespace world {

class TWorldRoutes : public THttpRoutes {
public:
    // requestsPerMinute: per client address, every request but the browser build's files
    // counted; 0 means no limit. webFolder: the browser build served under /play/, none when
    // empty (throws std::runtime_error when it is not a folder).
    TWorldRoutes(TResultStore& store, uint32_t requestsPerMinute,
                 const std::filesystem::path& webFolder = {});

    size_t BodyLimit(std::string_view method, std::string_view path) const override;
    THttpAnswer Answer(const THttpRequest& request) override;

private:
    struct TRoute {
        std::string_view Method;
        std::string_view Path;  // every path under it when it ends in '/'
        size_t MaxBody = 0;     // 0: a request with a body is refused unread
        bool RateLimited = true;
        std::function<THttpAnswer(const THttpRequest&)> Answer;

        bool Serves(std::string_view path) const;
    };

    const TRoute* Find(std::string_view method, std::string_view path) const;
    // The two requests of the game: sending a result, showing the page.
    THttpAnswer AnswerWorldRequest(const THttpRequest& request);

    TResultStore& Store;
    TRateLimiter Limiter;
    std::optional<TWebFiles> WebFiles;
    TCachedWorldPage Page;
    std::vector<TRoute> Routes;
};

}  // namespace world
