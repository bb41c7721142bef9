#pragma once
// The headless backend's network: it records every request and, as if the machine had no
// network, ends each job at once with no answers. A test can instead hold the jobs open until it
// ends them itself, or pass them on to a real client, which then runs them on a thread as the
// real game does.

#include <memory>
#include <string>
#include <vector>

#include "platform/HttpClient.h"
#include "platform/HttpJob.h"

namespace platform {

class HeadlessHttp {
public:
    std::unique_ptr<HttpJob> Start(std::vector<HttpRequest> requests);

    // The client must outlive every job started through it.
    void PassOnTo(std::unique_ptr<HttpClient> client) { passOn_ = std::move(client); }
    // Jobs started from now stay running until EndHeldJobs.
    void HoldJobs() { held_ = std::make_shared<bool>(true); }
    // Ends the held jobs, with no answers, and holds no more.
    void EndHeldJobs();
    const std::vector<std::string>& Requests() const { return requests_; }

private:
    std::vector<std::string> requests_;
    std::unique_ptr<HttpClient> passOn_;
    std::shared_ptr<bool> held_;  // true while the jobs started under it are held
};

}  // namespace platform
