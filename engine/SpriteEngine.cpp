#include "engine/SpriteEngine.h"

#include "platform/Surface.h"

TSpriteEngine::~TSpriteEngine() {
    // Children take themselves off the dead list as they go, so free them while it exists.
    ClearChildren();
}

void TSpriteEngine::SetSurface(platform::Surface* surface) {
    Surface = surface;
    if (!surface)
        return;
    SurfaceRect = surface->ClientRect();
    Width = SurfaceRect.Width();
    Height = SurfaceRect.Height();
}

void TSpriteEngine::Draw() {
    DrawnCount = 0;
    DrawTree();
}

void TSpriteEngine::Dead() {
    while (!DeadList.empty())
        delete DeadList.back();
}
