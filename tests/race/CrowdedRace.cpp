#include "CrowdedRace.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "platform/Keys.h"
#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/Race.h"
#include "race/ScrollBackground.h"

namespace {
constexpr double FarBehind = 15 * 72;  // pixels behind the hindmost opponent
constexpr int32_t ToppedUpLives = 3;
constexpr int32_t CaptionFrameMs = 16;
constexpr int MaxCaptionFrames = 1000;
}  // namespace

TCrowdedRace::TCrowdedRace(GameHarness& game)
    : game_(game), driver_(game.Form().Race->State(), game.Backend().Keys()) {}

TRaceState& TCrowdedRace::Race() {
    return game_.Form().Race->State();
}

void TCrowdedRace::RunDialog(int32_t frameMs) {
    for (int i = 0; i < MaxCaptionFrames && game_.Form().DialogKind != dkNone; ++i)
        game_.Frame(frameMs);
}

void TCrowdedRace::StartLevel5() {
    RunDialog(CaptionFrameMs);
    Race().Level = 4;
    game_.Form().Race->StartLevel(true);
    RunDialog(CaptionFrameMs);
}

void TCrowdedRace::Frame(int32_t frameMs) {
    TRaceState& race = Race();
    TPlayer& player = *race.Player;
    if (game_.Form().DialogKind == dkNone) {
        driver_.Drive();
        // The gun fires once a second while its key is held.
        game_.Backend().Keys().SetHeld(platform::vk::Letter('Z'), true);
        const bool racing = !player.Destroyed && !player.Finished;
        if (racing && race.PlayerWorldY() > FieldY().back() + FarBehind) {
            PutBesideMiddleShip();
            ++drops_;
        }
    }
    game_.Frame(frameMs);
    if (race.Lives < ToppedUpLives - 1)
        race.Lives = ToppedUpLives;
}

std::vector<double> TCrowdedRace::FieldY() {
    std::vector<double> field;
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot)
        field.push_back(Race().Opponents->Slot(slot).CentreY);
    std::sort(field.begin(), field.end());
    return field;
}

// Level with the middle ship, on the road's centre line, heading up the track.
void TCrowdedRace::PutBesideMiddleShip() {
    TRaceState& race = Race();
    TPlayer& player = *race.Player;
    TScrollBackground& track = *race.Track;
    const double middleY = FieldY()[TOpponentShips::SlotCount / 2];
    track.X = track.Y = 0;
    track.ViewRow = Trunc((middleY - player.ShipCentreY) / TTrackMap::CellSize);
    const int32_t shipRow = track.ViewRow + Trunc(player.ShipCentreY / TTrackMap::CellSize);
    track.ViewCol =
        Round((race.TrackMap.CentreLineX(shipRow) - player.ShipCentreX) / TTrackMap::CellSize);
    track.CopyViewToChips();
    player.FineHeading = 0;
    player.Heading = 0;
}
