// Pictures of a crowded level-5 race on the headless game: the first frames that show many ships
// banking with shots in flight, a ship exploding among others, and an asteroid breaking up.

#include <array>
#include <string>

#include "CrowdedRace.h"
#include "Pictures.h"
#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/Race.h"
#include "race/ScrollBackground.h"

namespace {

constexpr int32_t FrameMs = 16;
constexpr int MaxFrames = 600000 / FrameMs;  // ten minutes of game time at most

// The race view left of the instrument panel, screen pixels.
constexpr double ViewRight = 575;
constexpr double ViewBottom = 600;

bool InView(const TPointD& screen) {
    return screen.X >= 0 && screen.X < ViewRight && screen.Y >= 0 && screen.Y < ViewBottom;
}

// What a player would see in this frame's race view.
struct TScene {
    bool PlayerRacing = false;  // on the road with energy, so the panel's gauges show
    int Ships = 0;
    int Banking = 0;
    int Wrecks = 0;  // early in their explosion, so that it shows
    int Shots = 0;
    int BreakUps = 0;
};

// The pictures wanted: each its file name and what its frame must show.
struct TWanted {
    const char* Name;
    bool (*Shows)(const TScene&);
    int FramesToGrow;
    bool Saved = false;
    int Due = -1;  // the frame to take it in, once seen
};

// A picture shows the frame before the last move: so it is taken at least a frame after its scene
// was seen, later for an explosion to grow, if the scene still holds.

TScene SceneOf(const TRaceState& race) {
    TScene scene;
    scene.PlayerRacing = !race.Player->Destroyed;
    const TScrollBackground& track = *race.Track;
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
        const TOpponentSlot& ship = race.Opponents->Slot(slot);
        if (!InView(track.ScreenFromWorld({ship.CentreX, ship.CentreY})))
            continue;
        ++scene.Ships;
        scene.Banking += !ship.Exploding && ship.BankDirection != 0 ? 1 : 0;
        scene.Wrecks += ship.Exploding && ship.BankFrame < 12 ? 1 : 0;
    }
    for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot) {
        const TProjectile& projectile = race.Projectiles.Slot(slot);
        if (!projectile.Active || !InView(track.ScreenFromWorld({projectile.X, projectile.Y})))
            continue;
        scene.Shots +=
            !IsAsteroid(projectile.Kind) && projectile.State == TProjectileState::Flying ? 1 : 0;
        scene.BreakUps += projectile.State == TProjectileState::BreakingUp ? 1 : 0;
    }
    return scene;
}

}  // namespace

bool SaveCrowdedRacePictures(const std::filesystem::path& folder) {
    GameHarness game;
    if (!game.StartedUp())
        return false;
    game.EnterRace();
    TCrowdedRace crowd(game);
    crowd.StartLevel5();
    std::array<TWanted, 3> wanted = {{
        {"race-crowded",
         [](const TScene& scene) {
             return scene.PlayerRacing && scene.Ships >= 4 && scene.Banking >= 2 &&
                    scene.Shots >= 1;
         },
         1},
        {"race-explosion",
         [](const TScene& scene) {
             return scene.Wrecks >= 1 && scene.Ships >= 3 && scene.Shots >= 1;
         },
         12},
        {"race-asteroid",
         [](const TScene& scene) {
             return scene.BreakUps >= 1 && scene.Ships >= 2 && scene.Shots >= 1;
         },
         3},
    }};
    int saved = 0;
    for (int frame = 0; frame < MaxFrames && saved < static_cast<int>(wanted.size()); ++frame) {
        crowd.Frame(FrameMs);
        // Level 5 again and again: the next levels have as many ships, but the caption says 5.
        if (crowd.Race().Level > 5)
            crowd.StartLevel5();
        if (game.Form().DialogKind != dkNone)
            continue;
        const TScene scene = SceneOf(crowd.Race());
        for (TWanted& picture : wanted) {
            if (picture.Saved)
                continue;
            if (!picture.Shows(scene)) {
                picture.Due = -1;
                continue;
            }
            if (picture.Due < 0)
                picture.Due = frame + picture.FramesToGrow;
            if (frame < picture.Due)
                continue;
            const std::string path = (folder / (std::string(picture.Name) + ".png")).string();
            if (!game.SaveScreenshot(path))
                return false;
            picture.Saved = true;
            ++saved;
        }
    }
    return saved == static_cast<int>(wanted.size());
}
