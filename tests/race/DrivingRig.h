#pragma once
// A track with the player's ship on it, driven by held keys on the headless game, frame by frame
// in the game's own order: clear, draw the sprite tree, poll the keys, move the tree, the race's
// per-frame steps, sweep. For tests, and for looking at the race view in screenshots.

#include <cstdint>
#include <memory>
#include <string>

#include "harness/GameHarness.h"
#include "race/Car.h"
#include "race/Player.h"
#include "race/RaceState.h"
#include "race/ScrollBackground.h"

class TDrivingRig {
public:
    enum class TMedia {
        StandIn,    // plain pictures of the right sizes and silent sounds
        Generated,  // the game's data files, for screenshots
    };

    enum class TRoad {
        Generated,  // the level's random track
        Straight,   // one straight from the start to row 1, for driving without bends
    };

    explicit TDrivingRig(uint32_t seed = 1, TMedia media = TMedia::StandIn);

    // A new level: the track of trackLength rows, the window at its start, and a new ship of
    // shipType standing at its place on the start straight.
    void StartTrack(int32_t shipType = 2, int32_t trackLength = 300, TRoad road = TRoad::Generated);

    // The opponents of level on this track, after the ship in the sprite tree, set up at their
    // start places; a second call replaces them.
    TCar& StartOpponents(int32_t level);

    void Hold(uint16_t key);
    void Release(uint16_t key);
    void ReleaseAll();

    // One frame of lagCount ms at the rig's frame timing (85 frames a second unless changed).
    void Frame(int32_t lagCount = 12);
    void Frames(int count, int32_t lagCount = 12);
    // Frames until the condition holds or maxFrames have run; true when it held.
    template <class Condition>
    bool FramesUntil(Condition condition, int maxFrames) {
        for (int i = 0; i < maxFrames; ++i) {
            if (condition())
                return true;
            Frame();
        }
        return condition();
    }

    void SetFrameTiming(int32_t frameTime, double frameFactor);
    bool SaveScreenshot(const std::string& path);

    GameHarness& Harness() { return harness_; }
    TRaceState& Race() { return *race_; }
    TScrollBackground& Track() { return *race_->Track; }
    TBackgroundSprite& StarField() { return *race_->StarField; }
    TPlayer& Player() { return *race_->Player; }

private:
    void ReadControls();
    void LayStraightRoad();

    GameHarness harness_;
    std::unique_ptr<TRaceState> race_;
    TCar* cars_ = nullptr;
};
