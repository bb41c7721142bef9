#include "engine/TextCache.h"

#include <stdexcept>

#include "platform/Surface.h"

namespace {

void Combine(size_t& seed, size_t value) {
    seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
}

}  // namespace

size_t TTextKeyHash::operator()(const TTextKey& key) const {
    size_t seed = std::hash<std::string>{}(key.Text);
    Combine(seed, std::hash<std::string>{}(key.Family));
    Combine(seed, std::hash<int32_t>{}(key.Points));
    Combine(seed, std::hash<uint32_t>{}(key.Colour));
    Combine(seed, key.Bold ? 1 : 0);
    Combine(seed, key.Outlined ? 1 : 0);
    return seed;
}

TTextCache::TTextCache(size_t capacity) : capacity_(capacity) {
    if (capacity == 0)
        throw std::invalid_argument("A text cache must hold at least one text");
}

TTextCache::~TTextCache() = default;

const TCachedText& TTextCache::Get(const TTextKey& key, const TRender& render) {
    if (const auto found = index_.find(key); found != index_.end()) {
        order_.splice(order_.begin(), order_, found->second);
        return found->second->Text;
    }
    // Render first: if it throws, the cache is left as it was.
    TCachedText text = render();
    if (order_.size() == capacity_) {
        index_.erase(order_.back().Key);
        order_.pop_back();
    }
    order_.push_front({key, std::move(text)});
    index_.emplace(key, order_.begin());
    return order_.front().Text;
}
