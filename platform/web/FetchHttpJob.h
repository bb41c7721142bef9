#pragma once
// The HttpJob of the browser build: no thread, since a page's fetch never blocks. The requests go
// one after another through FetchRequest; each time the game asks whether the job is done, the
// running request is looked at and, once it has ended, the next one started.

#include <memory>
#include <vector>

#include "platform/HttpJob.h"
#include "platform/HttpLimits.h"

namespace platform::web {

std::unique_ptr<HttpJob> StartFetchHttpJob(std::vector<HttpRequest> requests,
                                           const HttpLimits& limits = {});

}  // namespace platform::web
