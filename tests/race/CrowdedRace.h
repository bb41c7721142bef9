#pragma once
// A crowded race on the whole headless game: level 5 with its five opponents and the simple
// driver at the controls. The script stands in for a better driver: it keeps the player's lives
// topped up, holds his fire key, and whenever he has fallen far
// behind the field puts him back on the road beside its middle ship. Everything else is the
// game's own: the ships overtake, bump, fire, explode and come back, asteroids fall and break up.
// For the level-5 scenario test and for the pictures of a crowded race.

#include <cstdint>
#include <vector>

#include "SimpleDriver.h"
#include "harness/GameHarness.h"

class TCrowdedRace {
public:
    // The game must be in a race whose first level caption is showing.
    explicit TCrowdedRace(GameHarness& game);

    // From level 1's caption to level 5 racing, past its caption.
    void StartLevel5();
    // One frame of frameMs ms with the script's steps before it.
    void Frame(int32_t frameMs);

    TRaceState& Race();
    // How often the player was put back beside the field.
    int Drops() const { return drops_; }

private:
    // World Y of the opponents' centres, front first.
    std::vector<double> FieldY();
    void PutBesideMiddleShip();
    void RunDialog(int32_t frameMs);

    GameHarness& game_;
    TSimpleDriver driver_;
    int drops_ = 0;
};
