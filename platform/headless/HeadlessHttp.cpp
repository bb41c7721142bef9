#include "platform/headless/HeadlessHttp.h"

#include "platform/ThreadedHttpJob.h"

namespace platform {

namespace {

// A job without a network: done while its flag says it is not held, and never answered.
class UnansweredJob final : public HttpJob {
public:
    UnansweredJob(size_t requestCount, std::shared_ptr<const bool> held)
        : answers_(requestCount), held_(std::move(held)) {}
    bool Done() const override { return !held_ || !*held_; }
    const std::vector<HttpAnswer>& Answers() const override { return answers_; }

private:
    std::vector<HttpAnswer> answers_;
    std::shared_ptr<const bool> held_;
};

}  // namespace

std::unique_ptr<HttpJob> HeadlessHttp::Start(std::vector<HttpRequest> requests) {
    for (const HttpRequest& request : requests)
        requests_.push_back(request.Url);
    if (passOn_)
        return std::make_unique<ThreadedHttpJob>(*passOn_, std::move(requests));
    return std::make_unique<UnansweredJob>(requests.size(), held_);
}

void HeadlessHttp::EndHeldJobs() {
    if (held_)
        *held_ = false;
    held_.reset();
}

}  // namespace platform
