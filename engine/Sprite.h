#pragma once
// The sprite tree. Every object on screen is a TSprite in one tree whose root is the engine.
// A sprite owns its children; game code removes a sprite with Kill and the engine frees it in the
// sweep after the frame's passes, so the passes never see their lists change.

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/Rect.h"

using TRect = platform::Rect;

class TSpriteEngine;

class ESpriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSprite {
public:
    // Creates the sprite as the last child of parent (or without parent: the engine root).
    explicit TSprite(TSprite* parent);
    virtual ~TSprite();
    TSprite(const TSprite&) = delete;
    TSprite& operator=(const TSprite&) = delete;

    TSpriteEngine* Engine = nullptr;  // null for the root and for sprites without parent
    TSprite* Parent = nullptr;
    bool IsDead = false;
    bool Movable = true;  // false freezes the whole subtree
    bool Visible = true;  // false hides the whole subtree
    double X = 0;         // pixels relative to the parent's left/top
    double Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    int32_t Z() const { return z_; }
    void SetZ(int32_t value);

    double WorldX() const;
    double WorldY() const;

    int ChildCount() const { return static_cast<int>(children_.size()); }
    TSprite* Child(int index) const;
    void ClearChildren();

    // Queues the sprite for the engine's sweep; it keeps moving and drawing until then.
    void Kill();

    void MoveTree(int32_t moveCount);
    void DrawTree();
    // The sprite with the highest Z whose rectangle holds (x, y), searched depth first.
    TSprite* SpriteAt(double x, double y);

    virtual void Render() {}
    virtual void Advance(int32_t /*moveCount*/) {}
    virtual TRect Bounds() const;

protected:
    const std::vector<TSprite*>& DrawOrder() const { return drawOrder_; }

private:
    void InsertIntoDrawOrder(TSprite* sprite);
    void Detach(TSprite* child);
    static void SearchPoint(const TSprite& parent, double px, double py, TSprite*& result);

    int32_t z_ = 0;
    std::vector<TSprite*> children_;   // owned; insertion order
    std::vector<TSprite*> drawOrder_;  // the same children by ascending Z
};

// Makes a sprite that the tree owns: it lives until Kill and the sweep, or until its parent goes.
template <class T, class... Args>
T* NewSprite(Args&&... args) {
    return new T(std::forward<Args>(args)...);
}
