#pragma once
// Rendered texts kept as pictures, so that the texts of a frame (the HUD, menus, dialogs) are
// rendered once and then only copied. Bounded: beyond its capacity the least recently used text
// goes, so a counting score cannot grow the cache without end.

#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

namespace platform {
class Picture;
}

// Everything that changes a rendered text's pixels.
struct TTextKey {
    std::string Family;
    int32_t Points = 0;
    bool Bold = false;
    uint32_t Colour = 0;  // 0xRRGGBB
    std::string Text;
    bool Outlined = false;  // drawn with a thin dark outline

    bool operator==(const TTextKey&) const = default;
};

// A rendered text as it is drawn: the picture, and the rows above the line's top within it (glyphs
// rising above the font's ascent).
struct TCachedText {
    std::unique_ptr<platform::Picture> Picture;
    int32_t LineTop = 0;
};

struct TTextKeyHash {
    size_t operator()(const TTextKey& key) const;
};

class TTextCache {
public:
    using TRender = std::function<TCachedText()>;

    // capacity >= 1 texts.
    explicit TTextCache(size_t capacity);
    ~TTextCache();
    TTextCache(const TTextCache&) = delete;
    TTextCache& operator=(const TTextCache&) = delete;

    // The text kept for key, made by render when there is none; it becomes the most recently used.
    // The reference stays valid until capacity other texts have been asked for.
    const TCachedText& Get(const TTextKey& key, const TRender& render);

    size_t Count() const { return order_.size(); }
    size_t Capacity() const { return capacity_; }

private:
    struct TEntry {
        TTextKey Key;
        TCachedText Text;
    };
    using TOrder = std::list<TEntry>;  // most recently used first

    size_t capacity_;
    TOrder order_;
    std::unordered_map<TTextKey, TOrder::iterator, TTextKeyHash> index_;
};
