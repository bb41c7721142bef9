#pragma once
// A whole game played by a script on the headless game, the way a player's keys reach it: a
// simple driver at the wheel, firing and nitro now and then, the pointer moved, frames of
// uneven length; then the exit question, the name entry and the result sent. Every frame's ship
// position is noted so that a replay of it can be compared frame by frame.

#include <cstdint>
#include <string>
#include <vector>

#include "harness/GameHarness.h"
#include "replay/Replay.h"

// Where the game stood after a frame: the ship on the screen, the track under it, the score and
// the projectiles in flight.
struct TShipPlace {
    double ShipX = 0;
    double ShipY = 0;
    double TrackX = 0;
    double TrackY = 0;
    int32_t Score = 0;
    int32_t Projectiles = 0;

    bool operator==(const TShipPlace&) const = default;
};

// The place after the last frame, or nothing when no race is running.
TShipPlace PlaceOf(const TMForm& form);

struct TScriptedGame {
    std::vector<TShipPlace> Places;  // one per recorded frame
    std::string ResultCode;          // the code of the result the game sent
    std::string ReplayFile;          // the replay file the game sent beside it
};

// Plays raceFrames frames of driving on game (started up, on its main menu), then leaves the
// race and sends the result as "Ace".
TScriptedGame PlayScriptedGame(GameHarness& game, int raceFrames);
