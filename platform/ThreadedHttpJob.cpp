#include "platform/ThreadedHttpJob.h"

namespace platform {

ThreadedHttpJob::ThreadedHttpJob(HttpClient& client, std::vector<HttpRequest> requests)
    : worker_([this, &client, requests = std::move(requests)](std::stop_token stop) {
          Run(client, requests, stop);
      }) {}

void ThreadedHttpJob::Run(HttpClient& client, const std::vector<HttpRequest>& requests,
                          std::stop_token stop) {
    for (const HttpRequest& request : requests)
        answers_.push_back(stop.stop_requested() ? std::nullopt : client.Get(request.Url, stop));
    done_.store(true, std::memory_order_release);
}

}  // namespace platform
