#pragma once
// The rendered world page, kept for up to a second so that a crowd of page views costs one read
// of the store. A result this server stored makes the next view read the store again, so a player
// who sent one sees it at once.

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>

#include "server/ResultStore.h"

namespace world {

class TCachedWorldPage {
public:
    // playLink: the address of the browser game the page links to; empty for none.
    TCachedWorldPage(TResultStore& store, std::string playLink);

    // The page; throws TStoreError when the store cannot be read.
    std::string Get();
    // Called after a result was stored; never waits for a page being rendered.
    void Invalidate() { ++Generation; }

private:
    using TClock = std::chrono::steady_clock;

    TResultStore& Store;
    const std::string PlayLink;
    std::atomic<uint64_t> Generation = 0;
    std::mutex Mutex;
    std::string Page;
    uint64_t PageGeneration = 0;
    TClock::time_point RenderedAt;
    bool Rendered = false;
};

}  // namespace world
