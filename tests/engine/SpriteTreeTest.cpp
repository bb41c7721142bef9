// The sprite tree: drawing order, hidden and frozen subtrees, the strict surface test, animation,
// point search, the sweep, and the tiled background.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/BackgroundSprite.h"
#include "engine/ImageSprite.h"
#include "engine/SpriteEngine.h"

namespace {

// Records the order in which sprites render and advance.
class ProbeSprite : public TSprite {
public:
    ProbeSprite(TSprite* parent, std::string name, std::vector<std::string>& log)
        : TSprite(parent), name_(std::move(name)), log_(log) {
        Width = 10;
        Height = 10;
    }
    void Render() override { log_.push_back("draw " + name_); }
    void Advance(int32_t) override { log_.push_back("move " + name_); }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class SpriteTreeTest : public ::testing::Test {
protected:
    SpriteTreeTest() { engine.SurfaceRect = {0, 0, 800, 600}; }

    ProbeSprite* Probe(const std::string& name, TSprite* parent = nullptr) {
        return NewSprite<ProbeSprite>(parent ? parent : &engine, name, log);
    }

    TSpriteEngine engine;
    std::vector<std::string> log;
};

TEST_F(SpriteTreeTest, EqualZDrawsTheLaterSiblingFirstAndSetZToTheSameValueKeepsTheOrder) {
    Probe("a");
    ProbeSprite* b = Probe("b");
    Probe("c");
    b->SetZ(0);
    engine.Draw();
    EXPECT_EQ(log, (std::vector<std::string>{"draw c", "draw b", "draw a"}));

    log.clear();
    b->SetZ(5);
    engine.Draw();
    EXPECT_EQ(log, (std::vector<std::string>{"draw c", "draw a", "draw b"}));
}

TEST_F(SpriteTreeTest, ParentIsDrawnUnderItsChildrenWhateverTheirZ) {
    ProbeSprite* parent = Probe("parent");
    parent->SetZ(10);
    ProbeSprite* child = Probe("child", parent);
    child->SetZ(-10);
    engine.Draw();
    EXPECT_EQ(log, (std::vector<std::string>{"draw parent", "draw child"}));
}

TEST_F(SpriteTreeTest, HiddenSubtreeIsNotDrawnAndFrozenSubtreeIsNotMoved) {
    ProbeSprite* hidden = Probe("hidden");
    Probe("hiddenChild", hidden);
    ProbeSprite* frozen = Probe("frozen");
    Probe("frozenChild", frozen);
    hidden->Visible = false;
    frozen->Movable = false;

    engine.Draw();
    engine.MoveTree(16);
    EXPECT_EQ(log, (std::vector<std::string>{"draw frozen", "draw frozenChild", "move hidden",
                                             "move hiddenChild"}));
    EXPECT_EQ(engine.DrawnCount, 2);
}

TEST_F(SpriteTreeTest, SpriteTouchingTheSurfaceEdgeIsNotDrawnOrCounted) {
    ProbeSprite* left = Probe("left");
    left->X = -10;  // right edge = 0
    ProbeSprite* bottom = Probe("bottom");
    bottom->Y = 600;  // top edge = surface bottom
    ProbeSprite* rounded = Probe("rounded");
    rounded->X = -9.6;  // rounds to -10: still only touching
    ProbeSprite* oneIn = Probe("oneIn");
    oneIn->X = -9;
    engine.Draw();
    EXPECT_EQ(log, (std::vector<std::string>{"draw oneIn"}));
    EXPECT_EQ(engine.DrawnCount, 1);
}

TEST_F(SpriteTreeTest, ChildrenCreatedDuringTheMovePassWaitForTheNextPass) {
    class Spawner : public TSprite {
    public:
        using TSprite::TSprite;
        void Advance(int32_t) override {
            if (!spawned)
                NewSprite<TSprite>(Parent);
            spawned = true;
        }
        bool spawned = false;
    };
    NewSprite<Spawner>(&engine);
    engine.MoveTree(16);
    EXPECT_EQ(engine.ChildCount(), 2);
    EXPECT_EQ(engine.SpriteCount, 2);
}

TEST_F(SpriteTreeTest, KilledSpritesStayUntilTheSweepAndAreQueuedOnce) {
    ProbeSprite* parent = Probe("parent");
    Probe("child", parent);
    Probe("other");
    ASSERT_EQ(engine.SpriteCount, 3);
    parent->Kill();
    parent->Kill();
    EXPECT_EQ(engine.DeadList.size(), 1u);
    engine.Draw();
    EXPECT_EQ(engine.DrawnCount, 3);  // still drawn until swept
    engine.Dead();
    EXPECT_EQ(engine.SpriteCount, 1);
    EXPECT_EQ(engine.ChildCount(), 1);
    EXPECT_TRUE(engine.DeadList.empty());
}

TEST_F(SpriteTreeTest, ChildOfASpriteWithoutChildrenRaisesTheEngineError) {
    ProbeSprite* lone = Probe("lone");
    try {
        lone->Child(3);
        FAIL() << "no error raised";
    } catch (const ESpriteError& error) {
        EXPECT_STREQ(error.what(), "Index of the list exceeds the range. (3)");
    }
    Probe("child", lone);
    EXPECT_THROW(lone->Child(1), std::out_of_range);
    EXPECT_NO_THROW(lone->Child(0));
}

TEST_F(SpriteTreeTest, SpriteAtPrefersStrictlyHigherZAndSearchesUnderHiddenParents) {
    ProbeSprite* first = Probe("first");
    ProbeSprite* second = Probe("second");
    EXPECT_EQ(engine.SpriteAt(5, 5), first);  // equal Z: the first in insertion order
    second->SetZ(1);
    EXPECT_EQ(engine.SpriteAt(5, 5), second);
    EXPECT_EQ(engine.SpriteAt(10, 10), second);  // edges are inclusive
    EXPECT_EQ(engine.SpriteAt(11, 5), nullptr);

    ProbeSprite* hidden = Probe("hidden");
    hidden->X = 100;
    hidden->Visible = false;
    ProbeSprite* child = Probe("child", hidden);
    child->X = 20;  // relative to the hidden parent: world 120
    EXPECT_EQ(engine.SpriteAt(105, 5), nullptr);
    EXPECT_EQ(engine.SpriteAt(125, 5), child);
}

TEST(ImageSpriteAnimation, OneShotStopsOnItsLastFrame) {
    TSpriteEngine engine;
    auto* sprite = NewSprite<TImageSprite>(&engine);
    sprite->FrameCount = 4;
    sprite->FrameSpeed = 0.5;
    for (int i = 0; i < 10; ++i)
        sprite->Advance(1);
    EXPECT_DOUBLE_EQ(sprite->FramePos, 3);
    EXPECT_DOUBLE_EQ(sprite->FrameSpeed, 0);
}

TEST(ImageSpriteAnimation, LoopRoundsToTheNearestFrameAndWraps) {
    TSpriteEngine engine;
    auto* sprite = NewSprite<TImageSprite>(&engine);
    sprite->FrameLoop = true;
    sprite->FrameCount = 4;
    sprite->FirstFrame = 10;
    sprite->FramePos = 3.6;
    sprite->Advance(0);
    EXPECT_NEAR(sprite->FramePos, 3.6, 1e-9);
    EXPECT_EQ(sprite->FrameIndex(), 14);
    sprite->FrameSpeed = 0.6;
    sprite->Advance(1);  // 4.2
    EXPECT_NEAR(sprite->FramePos, 0.2, 1e-9);
    sprite->FrameSpeed = -0.5;
    sprite->Advance(1);  // -0.3 wraps backwards
    EXPECT_NEAR(sprite->FramePos, 3.7, 1e-9);
}

TEST(ImageSpriteBounds, WrapAroundBringsASpriteBackFromTheOtherSide) {
    TSpriteEngine engine;
    engine.SurfaceRect = {0, 0, 800, 600};
    auto* sprite = NewSprite<TImageSprite>(&engine);
    sprite->Width = 50;
    sprite->Height = 50;
    sprite->WrapAround = true;
    sprite->X = 860;  // 860 mod 850 = 10
    sprite->Y = -20;  // -20 mod 650 = 630 > 600, so 630 - 650 = -20
    const TRect b = sprite->Bounds();
    EXPECT_EQ(b.Left, 10);
    EXPECT_EQ(b.Top, -20);
}

TEST(BackgroundMap, SetMapSizeKeepsTheSameSizeAndClearsAnyOther) {
    TSpriteEngine engine;
    auto* background = NewSprite<TBackgroundSprite>(&engine);
    background->SetMapSize(3, 2);
    background->SetChipAt(2, 1, 7);
    background->SetChipAt(3, 1, 9);  // outside: ignored
    background->SetMapSize(3, 2);
    EXPECT_EQ(background->ChipAt(2, 1), 7);
    EXPECT_EQ(background->ChipAt(3, 1), -1);
    EXPECT_TRUE(background->HitAt(0, 0));
    EXPECT_FALSE(background->HitAt(-1, 0));
    background->SetMapSize(4, 4);
    EXPECT_EQ(background->ChipAt(2, 1), 0);
    background->SetMapSize(5, 0);
    EXPECT_EQ(background->MapWidth(), 0);
    EXPECT_EQ(background->ChipAt(0, 0), -1);
}

}  // namespace
