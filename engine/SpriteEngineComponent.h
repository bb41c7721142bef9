#pragma once
// The main form's sprite engine: the tree's root, attached to the display's back surface. These
// three calls are all the frame loop needs of it.

#include "engine/SpriteEngine.h"

class TDXSpriteEngine {
public:
    TSpriteEngine& Engine() { return engine_; }

    // Follows the display: the surface while it can draw, null otherwise.
    void Attach(platform::Surface* surface) { engine_.SetSurface(surface); }
    void DrawAll() {
        if (engine_.Surface)
            engine_.Draw();
    }
    void MoveAll(int32_t moveCount) { engine_.MoveTree(moveCount); }
    void SweepDead() { engine_.Dead(); }

private:
    TSpriteEngine engine_;
};
