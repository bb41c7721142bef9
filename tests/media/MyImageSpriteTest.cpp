// The game sprite base: placement, image selection, the frame-rate independent animation rate,
// one-shot animations, and the fade path of its drawing.

#include <gtest/gtest.h>

#include "engine/MyImageSprite.h"
#include "harness/ImageListTestFiles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class MyImageSpriteTest : public ::testing::Test {
protected:
    MyImageSpriteTest() {
        engine.SetSurface(&display.BackSurface());
        lists[0].LoadFromBytes(
            Serialized({SolidRecord(64, 48, 0xFFFF0000), SolidRecord(80, 10, 0xFF00FF00, 10, 10)}),
            "list1", display.BackSurface());
        lists[1].LoadFromBytes(Serialized({SolidRecord(30, 20, 0xFF0000FF)}), "list2",
                               display.BackSurface());
    }

    TMyImageSprite* Animated(int32_t rate) {
        auto* sprite = TMyImageSprite::CreateAt(services, 1, 1, 0, 0, 0);
        sprite->AnimRate = rate;
        sprite->Advance(0);  // the rate becomes a speed from the next move
        return sprite;
    }

    platform::HeadlessDisplay display;
    TSpriteEngine engine;
    std::array<TImageList, 3> lists;
    TFrameTiming timing;  // FrameTime 15
    TRandom random{1};
    TGameServices services{engine, lists, timing, random};
};

TEST_F(MyImageSpriteTest, CreateCentredPutsTheCentreOnThePoint) {
    auto* sprite = TMyImageSprite::CreateCentred(services, 1, 0, 400, 300, 3);
    EXPECT_DOUBLE_EQ(sprite->X, 368);
    EXPECT_DOUBLE_EQ(sprite->Y, 276);
    EXPECT_EQ(sprite->Z(), 3);
    sprite->Advance(15);
    EXPECT_EQ(sprite->SpriteCentreX, 400);
    EXPECT_EQ(sprite->SpriteCentreY, 300);
}

TEST_F(MyImageSpriteTest, RateOfOneHundredAdvancesAPatternPerNominalFrame) {
    TMyImageSprite* sprite = Animated(100);
    for (int expected = 1; expected <= 7; ++expected) {
        sprite->Advance(15);
        EXPECT_NEAR(sprite->FramePos, expected, 1e-9);
    }
    sprite->Advance(15);  // 8 wraps to 0
    EXPECT_NEAR(sprite->FramePos, 0, 1e-9);

    TMyImageSprite* half = Animated(50);
    half->Advance(15);
    half->Advance(15);
    EXPECT_NEAR(half->FramePos, 1, 1e-9);

    TMyImageSprite* byHand = Animated(0);
    byHand->FrameSpeed = 0.01;
    byHand->Advance(15);
    EXPECT_NEAR(byHand->FrameSpeed, 0.01, 1e-12);  // rate 0 leaves FrameSpeed alone
}

TEST_F(MyImageSpriteTest, PositionPastTheLastHalfPatternShowsTheFirstNotAMissingOne) {
    TMyImageSprite* sprite = Animated(100);
    sprite->FramePos = 7.6;
    sprite->FrameSpeed = 0;
    sprite->Advance(15);
    EXPECT_DOUBLE_EQ(sprite->FramePos, 0);
    EXPECT_EQ(sprite->FrameIndex(), 0);
}

TEST_F(MyImageSpriteTest, KillAtAnimEndKillsWhenTheAnimationWrapsAndHideHides) {
    TMyImageSprite* killed = Animated(100);
    killed->KillAtAnimEnd = true;
    TMyImageSprite* hidden = Animated(100);
    hidden->HideAtAnimEnd = true;
    for (int frame = 1; frame <= 7; ++frame) {
        killed->Advance(15);
        hidden->Advance(15);
    }
    EXPECT_FALSE(killed->IsDead);  // the last pattern is shown first
    EXPECT_TRUE(hidden->Visible);
    killed->Advance(15);
    hidden->Advance(15);
    EXPECT_TRUE(killed->IsDead);
    EXPECT_TRUE(killed->Killed);
    EXPECT_FALSE(hidden->Visible);
    EXPECT_FALSE(hidden->IsDead);
    EXPECT_EQ(engine.DeadList.size(), 1u);
}

TEST_F(MyImageSpriteTest, SelectImageOnAnotherListKeepsTheImageButResetsTheAnimation) {
    auto* sprite = TMyImageSprite::CreateAt(services, 1, 1, 0, 0, 0);
    sprite->FramePos = 3;
    sprite->ImageList = 3;
    sprite->SelectImage(0);
    EXPECT_EQ(sprite->ImageItem, &lists[0].Items(1));
    EXPECT_EQ(sprite->FrameCount, 8);
    EXPECT_EQ(sprite->Width, 10);
    EXPECT_DOUBLE_EQ(sprite->FramePos, 0);
    sprite->ImageList = 2;
    sprite->SelectImage(0);
    EXPECT_EQ(sprite->Width, 30);
    EXPECT_EQ(sprite->FrameCount, 1);
    EXPECT_THROW(sprite->SelectImage(1), std::out_of_range);
}

TEST_F(MyImageSpriteTest, FadeDrawsFromTheTopLeftWithoutCentringOrFirstFrame) {
    platform::Surface& surface = display.BackSurface();
    auto* sprite = TMyImageSprite::CreateAt(services, 1, 0, 100, 100, 0);
    sprite->Width = 80;  // larger than the 64 x 48 pattern
    sprite->Height = 60;
    sprite->FirstFrame = 5;
    sprite->AlphaOn = true;
    sprite->Alpha = 255;  // plain: centred by the draw rectangle, with FirstFrame (invalid: none)
    surface.Clear(0);
    engine.Draw();
    EXPECT_EQ(surface.ReadPixel(110, 110), 0u);

    sprite->Alpha = 200;  // fading: scaled into X, Y, Width, Height from pattern Trunc(FramePos)
    surface.Clear(0);
    engine.Draw();
    EXPECT_NE(surface.ReadPixel(100, 100), 0u);
    EXPECT_NE(surface.ReadPixel(179, 159), 0u);
    EXPECT_EQ(surface.ReadPixel(181, 100), 0u);
}

}  // namespace
