#pragma once
// A whole game on the headless backend with a race started from the ship selection screen, for
// the race's scenario tests: the race's state at hand, the ship put just below the finish line,
// frames run until a condition holds, and the simple driver at the controls.

#include <cstdint>
#include <limits>

#include "SimpleDriver.h"
#include "engine/Rounding.h"
#include "race/Player.h"
#include "race/Race.h"
#include "race/ScrollBackground.h"
#include "screens/ScreenTestBase.h"

class RaceScenario : public ScreenTest {
protected:
    static constexpr int32_t FrameMs = 16;

    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(form().Timing.FrameTime, FrameMs);
        mainMenuSprites_ = form().MDXSpriteEngine.Engine().SpriteCount;
        OpenMainItem(1);
        form().Menu.MenuIndex = 9;
        Enter();
        ASSERT_EQ(form().ScreenKind, skRace);
        ASSERT_EQ(form().DialogKind, dkLevel);
    }

    TRaceState& race() { return form().Race->State(); }
    TPlayer& player() { return *race().Player; }
    // Sprites of the main menu as it stood before the race.
    int32_t MainMenuSprites() const { return mainMenuSprites_; }

    // Frames until the condition holds or maxFrames have run; true when it held.
    template <class Condition>
    bool FramesUntil(Condition condition, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            if (condition())
                return true;
            game.Frame(FrameMs);
        }
        return condition();
    }
    // Runs the open dialog until another one, or none, takes its place.
    bool RunDialog(int maxFrames = 1000) {
        const int32_t open = form().DialogKind;
        return FramesUntil([&] { return form().DialogKind != open; }, maxFrames);
    }
    // The simple driver steers while the race runs, until the condition holds.
    template <class Condition>
    bool DriveUntil(Condition condition, int maxFrames) {
        TSimpleDriver driver(race(), game.Backend().Keys());
        return FramesUntil(
            [&] {
                if (form().DialogKind == dkNone)
                    driver.Drive();
                return condition();
            },
            maxFrames);
    }
    // For tests of the level's flow: no asteroid falls until the next level's set-up.
    void HoldOffAsteroids() {
        race().Projectiles.AsteroidTimer = std::numeric_limits<int32_t>::max();
    }
    void Hold(uint16_t key, bool held = true) { game.Backend().Keys().SetHeld(key, held); }
    void ReleaseArrows() {
        for (uint16_t key :
             {platform::vk::Up, platform::vk::Down, platform::vk::Left, platform::vk::Right})
            Hold(key, false);
    }

    // Puts the ship standing on the road with the finish line rowsBefore rows ahead of the
    // window's top row: from 6 rows on, the ship's top edge is already past it.
    void PlaceBeforeFinish(int32_t rowsBefore) {
        TScrollBackground& track = *race().Track;
        track.X = track.Y = 0;
        track.ViewRow = race().FinishLineRow() - rowsBefore;
        const int32_t shipRow = track.ViewRow + Trunc(player().ShipCentreY / 72);
        track.ViewCol = Round((race().TrackMap.CentreLineX(shipRow) - player().ShipCentreX) / 72);
        track.CopyViewToChips();
    }
    // From the race running: drives over the line from a few rows before it and lets go. True
    // when the ship crossed it.
    bool CrossFinishLine() {
        PlaceBeforeFinish(5);
        Hold(platform::vk::Up);
        const bool crossed = FramesUntil([&] { return player().Finished; }, 300);
        Hold(platform::vk::Up, false);
        return crossed;
    }

private:
    int32_t mainMenuSprites_ = 0;
};
