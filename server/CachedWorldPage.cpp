#include "server/CachedWorldPage.h"

#include "server/WorldPage.h"

namespace world {

namespace {

constexpr auto PageLifetime = std::chrono::seconds(1);

}  // namespace

TCachedWorldPage::TCachedWorldPage(TResultStore& store, std::string playLink)
    : Store(store), PlayLink(std::move(playLink)) {}

std::string TCachedWorldPage::Get() {
    const std::lock_guard lock(Mutex);
    const uint64_t generation = Generation;
    const auto now = TClock::now();
    if (!Rendered || PageGeneration != generation || now - RenderedAt >= PageLifetime) {
        Page = RenderWorldPage(Store.Top(WorldPageSize), PlayLink);
        PageGeneration = generation;
        RenderedAt = now;
        Rendered = true;
    }
    return Page;
}

}  // namespace world
