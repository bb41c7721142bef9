#include "platform/ThreadedHttpJob.h"

namespace platform {

ThreadedHttpJob::ThreadedHttpJob(HttpClient& client, std::vector<HttpRequest> requests)
    : worker_([this, &client, requests = std::move(requests)](std::stop_token stop) {
          Run(client, requests, stop);
      }) {}

void ThreadedHttpJob::Run(HttpClient& client, const std::vector<HttpRequest>& requests,
                          std::stop_token stop) {
    for (const HttpRequest& request : requests) {
        if (stop.stop_requested())
            answers_.push_back(std::nullopt);
        else if (request.Body)
            answers_.push_back(client.Post(request.Url, *request.Body, stop));
        else
            answers_.push_back(client.Get(request.Url, stop));
    }
    done_.store(true, std::memory_order_release);
}

}  // namespace platform
