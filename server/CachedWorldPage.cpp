#include "server/CachedWorldPage.h"

#include "server/WorldPage.h"

namespace world {

namespace {

constexpr auto PageLifetime = std::chrono::seconds(1);

}  // namespace

TCachedWorldPage::TCachedWorldPage(TResultStore& store, std::string playLink)
    : Store(store), PlayLink(std::move(playLink)) {}

std::string TCachedWorldPage::Get(bool verifiedOnly) {
    const std::lock_guard lock(Mutex);
    TRenderedPage& rendered = Pages[verifiedOnly ? 1 : 0];
    const uint64_t generation = Generation;
    const auto now = TClock::now();
    if (!rendered.Rendered || rendered.Generation != generation ||
        now - rendered.RenderedAt >= PageLifetime) {
        rendered.Page =
            RenderWorldPage(Store.Top(WorldPageSize, verifiedOnly), verifiedOnly, PlayLink);
        rendered.Generation = generation;
        rendered.RenderedAt = now;
        rendered.Rendered = true;
    }
    return rendered.Page;
}

}  // namespace world
