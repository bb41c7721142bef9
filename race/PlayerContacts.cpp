// What the player's ship touches: the track's floor, the opponents, and the damage that ends in
// an explosion and the return to the track.

#include <algorithm>

#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"
#include "race/ShipModels.h"
#include "race/ShipPhysics.h"

namespace {

constexpr double BumpBoostUnits = 10;  // engine units of a push from behind
constexpr int32_t BumpBoostMs = 100;
constexpr double PushedOpponentSpeed = 0.95;  // the pusher slows down
constexpr double HitOpponentSpeed = 1.05;     // the ship run into speeds up
constexpr double RunIntoSpeed = 0.95;         // and the player slows down
constexpr int32_t ExplosionMs = 3000;
constexpr double ExplosionFrames = 16;       // last pattern of the explosion
constexpr double ExplosionAnimation = 0.25;  // patterns per frame
constexpr double WreckDeceleration = 0.8;    // engine units per frame
constexpr int32_t WreckLookDownRows = 5;
constexpr int32_t WreckMirrorHeading = 38;  // 1/256 turn per column of the road's slant

// The road's slant in a row, from its left wall pieces: straight 0, bending left -1, right +1.
int32_t RoadSlant(const TTrackMap& trackMap, int32_t row) {
    int32_t slant = 0;
    for (int32_t column = 1; column <= TTrackMap::Columns; ++column) {
        switch (trackMap.Cell(column, row)) {
            case 2:
                slant = 0;
                break;
            case 4:
            case 6:
                slant = -1;
                break;
            case 11:
            case 13:
                slant = +1;
                break;
            default:
                break;
        }
    }
    return slant;
}

// The opponent's speed follows its engine speed: both change together, so that its next frame
// keeps the new pace.
void ScaleOpponentSpeed(TOpponentSlot& ship, double factor) {
    ship.EngineSpeed *= factor;
    ship.Speed *= factor;
}

}  // namespace

bool TPlayer::OnTrackTest() const {
    const TScrollBackground& track = Track();
    return std::all_of(Corners.begin(), Corners.end(), [&](const TPointD& corner) {
        const TCellPos cell = track.CellUnder(corner.X, corner.Y);
        return TTrackMap::Drivable(race_.TrackMap.Cell(cell.Column, cell.Row));
    });
}

// The 10 units a push from behind gave are taken back after 100 ms.
void TPlayer::BumpBoostStep() {
    if (!BumpBoost)
        return;
    BumpBoostTime -= Services.Timing.FrameTime;
    if (BumpBoostTime >= 1)
        return;
    ChangeSpeedBy(false, -BumpBoostUnits);
    BumpBoost = false;
}

// A lasting contact counts once: the slot's contact flag holds it until the ships separate.
void TPlayer::BumpOpponents() {
    TOpponentShips* opponents = race_.Opponents;
    if (!opponents)
        return;
    const TScrollBackground& track = Track();
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
        TOpponentSlot& ship = opponents->Slot(slot);
        if (!ship.Active || !ship.OnScreen || ship.Exploding)
            continue;
        TQuad hull;
        for (size_t i = 0; i < hull.size(); ++i)
            hull[i] = track.ScreenFromWorld(ship.Hull[i]);
        if (!QuadsOverlap(Corners, hull)) {
            ship.Contact = false;
            continue;
        }
        if (!ship.Contact)
            Bump(slot);
        ship.Contact = true;
    }
}

void TPlayer::Bump(int32_t slot) {
    TOpponentShips& opponents = *race_.Opponents;
    TOpponentSlot& ship = opponents.Slot(slot);
    if (!Finished)
        LoseEnergy(1);
    if (Track().ScreenFromWorld({ship.CentreX, ship.CentreY}).Y > ShipCentreY) {
        // Pushed from behind.
        ChangeSpeedBy(true, BumpBoostUnits);
        BumpBoost = true;
        BumpBoostTime = BumpBoostMs;
        ScaleOpponentSpeed(ship, PushedOpponentSpeed);
    } else {
        ScaleOpponentSpeed(ship, HitOpponentSpeed);
        ScaleSpeed(true, RunIntoSpeed);
    }
    // The headings mix: each ship turns halfway toward the other's course.
    const double opponentFineHeading = 2 * ship.Heading;
    const double difference = opponentFineHeading - FineHeading;
    FineHeading = opponentFineHeading + difference / 2;
    ship.Heading -= difference / 2;
    opponents.DamageOpponent(slot);
}

// A destroyed ship has nothing left to lose: two opponents touching it anew in the frame that
// takes its last cell would otherwise leave it at -1.
void TPlayer::LoseEnergy(int32_t count) {
    for (int32_t i = 0; i < count && !Destroyed; ++i) {
        --Energy;
        if (Energy == 0) {
            --race_.Lives;
            Explode();
        }
    }
}

void TPlayer::Explode() {
    Destroyed = true;
    EngineSound = TEngineSound::None;
    HornOn = false;
    EndPowerUps();
    race_.Sounds.PlaySound(ExplosionSound);
    SelectImage(ShipModelOf(race_.ShipType).ExplosionImage);
    FrameLoop = false;
    StopShipSounds(false);
    RespawnTimer = ExplosionMs;
}

// The wreck slides on, mirrored about the road's direction once per crash into a wall, while it
// burns out; then the ship comes back on the track, or the game is over.
void TPlayer::ExplosionStep() {
    const double frameFactor = FrameFactor();
    FramePos = std::min(FramePos + ExplosionAnimation * frameFactor, ExplosionFrames);
    if (!WreckTurned) {
        WreckTurned = true;
        const int32_t slant = RoadSlant(race_.TrackMap, Track().ViewRow + WreckLookDownRows);
        Heading = WreckMirrorHeading * slant - Heading;
    }
    if (EngineSpeed > 0) {
        EngineSpeed -= WreckDeceleration * frameFactor;
        Speed = TopSpeedFactor(race_.ShipType) * EngineSpeed / 8;
    } else {
        Speed = 0;
    }
    if (RespawnTimer > 0) {
        RespawnTimer -= Services.Timing.FrameTime;
    } else if (race_.Lives > 0) {
        PlaceOnTrack();
        ResetShip();
    } else {
        race_.RequestDialog(dkGameOver);
    }
}
