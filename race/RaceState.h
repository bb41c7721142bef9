#pragma once
// The state of a race that every race object shares: the game's progress, this frame's keys and
// scroll velocity, the track map, and the race's sprites. The race owns one, so a test can build a
// fresh race and two races never share state.

#include <cstdint>

#include "engine/ShellKinds.h"
#include "engine/SoundList.h"
#include "race/LevelResults.h"
#include "race/ProjectileTable.h"
#include "race/RaceControls.h"
#include "race/TrackGenerator.h"
#include "race/TrackMap.h"

class TBackgroundSprite;
class TOpponentShips;
class TPlayer;
class TScrollBackground;

// The track's movement this frame, pixels per frame at FrameFactor 1 before the track halves it.
struct TScrollVelocity {
    double X = 0;
    double Y = 0;
};

// The nearest ship ahead and behind before the first rank is taken: the player's own world Y at
// the start, so no distance shows.
constexpr double NoShipNear = 106852.5;

struct TRaceState {
    explicit TRaceState(TSoundList& sounds) : Sounds(sounds) {}

    TSoundList& Sounds;

    int32_t ShipType = 1;       // the player's ship, 1..5
    int32_t Level = 1;          // 1..10
    int32_t TrackLength = 300;  // rows of this level's track
    int32_t Lives = 3;
    int32_t Score = 0;       // points of this game
    int32_t TimeLeft = 0;    // ms left in this level
    int32_t BonusCount = 0;  // pick-ups scattered over this level
    // The race position, 1 leading, and the ships racing (opponents + 1); both 0 until the first
    // race frame of a level.
    int32_t Rank = 0;
    int32_t ShipCount = 0;
    // World Y (pixels) of the nearest ship behind and ahead, and whether each is far enough for
    // the HUD to show its distance.
    double NearestBehindY = NoShipNear;
    double NearestAheadY = NoShipNear;
    bool BehindIndicator = false;
    bool AheadIndicator = false;
    TLevelResults Results;

    TRaceControls Controls;
    TScrollVelocity ScrollVelocity;
    bool CollisionFrame = true;  // ship hit tests run on every third race frame only
    int32_t FrameCounter = 0;
    TDialogKind RequestedDialog = dkNone;  // opened by the race frame after the move pass

    TTrackMap TrackMap;
    TProjectileTable Projectiles;

    // The race's sprites, owned by the sprite tree; null outside a race.
    TScrollBackground* Track = nullptr;
    TBackgroundSprite* StarField = nullptr;
    TPlayer* Player = nullptr;
    TOpponentShips* Opponents = nullptr;

    // The row of the finish line.
    int32_t FinishLineRow() const { return FinishLineRowOf(TrackLength); }
    // World Y of the player's ship centre, pixels, from the track's window.
    double PlayerWorldY() const;
    // Asks for a dialog unless one is already asked for this frame.
    void RequestDialog(TDialogKind dialog) {
        if (RequestedDialog == dkNone)
            RequestedDialog = dialog;
    }
    // Moves the frame counter on; every third race frame is a collision frame.
    void CountCollisionFrame();
    // The track follows the player's heading and speed.
    void FollowPlayer();
};
