#include "platform/web/FetchHttpJob.h"

#include <utility>

#include "platform/web/FetchRequest.h"

namespace platform::web {

namespace {

class FetchHttpJob final : public HttpJob {
public:
    FetchHttpJob(std::vector<HttpRequest> requests, const HttpLimits& limits)
        : requests_(std::move(requests)), limits_(limits) {
        StartNext();
    }

    bool Done() const override {
        while (running_) {
            const FetchRequest::State state = running_->Poll();
            if (state == FetchRequest::State::Running)
                return false;
            answers_.push_back(state == FetchRequest::State::Done ? HttpAnswer(running_->Body())
                                                                  : std::nullopt);
            StartNext();
        }
        return true;
    }
    const std::vector<HttpAnswer>& Answers() const override { return answers_; }

private:
    // Looking at the running request is how the job moves on, and the game only asks Done().
    void StartNext() const {
        running_.reset();
        if (answers_.size() < requests_.size())
            running_ = std::make_unique<FetchRequest>(requests_[answers_.size()], limits_);
    }

    std::vector<HttpRequest> requests_;
    HttpLimits limits_;
    mutable std::vector<HttpAnswer> answers_;
    mutable std::unique_ptr<FetchRequest> running_;  // a running one is aborted with the job
};

}  // namespace

std::unique_ptr<HttpJob> StartFetchHttpJob(std::vector<HttpRequest> requests,
                                           const HttpLimits& limits) {
    return std::make_unique<FetchHttpJob>(std::move(requests), limits);
}

}  // namespace platform::web
