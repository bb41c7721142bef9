#pragma once
// The HTTP client of the browser build, over FetchRequest. A page cannot wait for an answer, so
// Get sends and answers nullopt at once; the request runs on in the browser, polled by each
// later Get. The game's one request (a result for the world page) ignores the answer.

#include <memory>

#include "platform/HttpClient.h"

namespace platform::web {

std::unique_ptr<HttpClient> CreateFetchHttpClient(const HttpLimits& limits = {});

}  // namespace platform::web
