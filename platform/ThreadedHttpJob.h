#pragma once
// An HttpJob that makes its requests through a blocking client on a thread of its own.

#include <atomic>
#include <thread>
#include <vector>

#include "platform/HttpClient.h"
#include "platform/HttpJob.h"

namespace platform {

class ThreadedHttpJob final : public HttpJob {
public:
    // Starts at once. The client must outlive the job.
    ThreadedHttpJob(HttpClient& client, std::vector<HttpRequest> requests);
    // Cancels a running request and waits for the thread, which the client's cancel check and its
    // time-outs keep short.
    ~ThreadedHttpJob() override = default;
    ThreadedHttpJob(const ThreadedHttpJob&) = delete;
    ThreadedHttpJob& operator=(const ThreadedHttpJob&) = delete;

    bool Done() const override { return done_.load(std::memory_order_acquire); }
    const std::vector<HttpAnswer>& Answers() const override { return answers_; }

private:
    void Run(HttpClient& client, const std::vector<HttpRequest>& requests, std::stop_token stop);

    std::vector<HttpAnswer> answers_;  // written by the thread until done_
    std::atomic<bool> done_{false};
    std::jthread worker_;  // last: stopped and joined before the members it writes go
};

}  // namespace platform
