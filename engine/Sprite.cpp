#include "engine/Sprite.h"

#include <algorithm>
#include <string>

#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"

TSprite::TSprite(TSprite* parent) : Parent(parent) {
    if (!parent)
        return;
    parent->children_.push_back(this);
    parent->InsertIntoDrawOrder(this);
    Engine = dynamic_cast<TSpriteEngine*>(parent);
    if (!Engine)
        Engine = parent->Engine;
    if (Engine)
        ++Engine->SpriteCount;
}

TSprite::~TSprite() {
    ClearChildren();
    if (Parent) {
        if (Engine) {
            --Engine->SpriteCount;
            std::erase(Engine->DeadList, this);
        }
        Parent->Detach(this);
    }
}

void TSprite::Detach(TSprite* child) {
    std::erase(children_, child);
    std::erase(drawOrder_, child);
}

// Binary search for the first sibling whose Z is equal or greater: among equal Z the sprite
// inserted last is drawn first, underneath the others.
void TSprite::InsertIntoDrawOrder(TSprite* sprite) {
    int lo = 0;
    int hi = static_cast<int>(drawOrder_.size()) - 1;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        if (drawOrder_[mid]->z_ - sprite->z_ < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    drawOrder_.insert(drawOrder_.begin() + lo, sprite);
}

void TSprite::SetZ(int32_t value) {
    if (value == z_)
        return;
    z_ = value;
    if (!Parent)
        return;
    std::erase(Parent->drawOrder_, this);
    Parent->InsertIntoDrawOrder(this);
}

double TSprite::WorldX() const {
    return Parent ? X + Parent->WorldX() : X;
}
double TSprite::WorldY() const {
    return Parent ? Y + Parent->WorldY() : Y;
}

TSprite* TSprite::Child(int index) const {
    if (children_.empty())
        throw ESpriteError("Index of the list exceeds the range. (" + std::to_string(index) + ")");
    if (index < 0 || index >= ChildCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return children_[index];
}

void TSprite::ClearChildren() {
    while (!children_.empty())
        delete children_.back();
}

void TSprite::Kill() {
    if (!Engine || IsDead)
        return;
    IsDead = true;
    Engine->DeadList.push_back(this);
}

void TSprite::MoveTree(int32_t moveCount) {
    if (!Movable)
        return;
    Advance(moveCount);
    // Sprites created during the pass are appended and wait for the next one.
    const int count = ChildCount();
    for (int i = 0; i < count; ++i)
        children_[i]->MoveTree(moveCount);
}

void TSprite::DrawTree() {
    if (!Visible)
        return;
    if (Engine) {
        const TRect b = Bounds();
        const TRect& s = Engine->SurfaceRect;
        // Touching the surface's edge does not count as being on it.
        if (b.Left < s.Right && b.Right > s.Left && b.Top < s.Bottom && b.Bottom > s.Top) {
            Render();
            ++Engine->DrawnCount;
        }
    }
    const size_t count = drawOrder_.size();
    for (size_t i = 0; i < count; ++i)
        drawOrder_[i]->DrawTree();
}

TRect TSprite::Bounds() const {
    const int32_t left = Round(WorldX());
    const int32_t top = Round(WorldY());
    return {left, top, left + Width, top + Height};
}

TSprite* TSprite::SpriteAt(double x, double y) {
    TSprite* result = nullptr;
    SearchPoint(*this, x - X, y - Y, result);
    return result;
}

// px, py are relative to parent. Hidden sprites are not found, but their children can be.
void TSprite::SearchPoint(const TSprite& parent, double px, double py, TSprite*& result) {
    const int32_t x = Round(px);
    const int32_t y = Round(py);
    for (TSprite* child : parent.children_) {
        if (child->Visible) {
            const int32_t left = Round(child->X);
            const int32_t top = Round(child->Y);
            const bool inside =
                left <= x && x <= left + child->Width && top <= y && y <= top + child->Height;
            if (inside && (!result || result->z_ < child->z_))
                result = child;
        }
        SearchPoint(*child, px - child->X, py - child->Y, result);
    }
}
