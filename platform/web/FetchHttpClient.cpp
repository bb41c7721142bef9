#include "platform/web/FetchHttpClient.h"

#include <list>

#include "platform/web/FetchRequest.h"

namespace platform::web {

namespace {

class FetchHttpClient final : public HttpClient {
public:
    explicit FetchHttpClient(const HttpLimits& limits) : limits_(limits) {}

    std::optional<std::string> Get(const std::string& url) override {
        requests_.remove_if(
            [](FetchRequest& request) { return request.Poll() != FetchRequest::State::Running; });
        requests_.emplace_back(url, limits_);
        return std::nullopt;
    }

private:
    HttpLimits limits_;
    std::list<FetchRequest> requests_;  // sent and not yet seen to end
};

}  // namespace

std::unique_ptr<HttpClient> CreateFetchHttpClient(const HttpLimits& limits) {
    return std::make_unique<FetchHttpClient>(limits);
}

}  // namespace platform::web
