// One level of a whole game on the headless game, in pictures: the start, a pick-up met on the
// road, the gun firing, the mini-map in a bend, an explosion and the return to the track, the
// finish and the results. The simple driver races and holds the fire key; the script lays a
// pick-up in the ship's path and, after the first bend, takes the ship's last cell.

#include <string>

#include "Pictures.h"
#include "SimpleDriver.h"
#include "platform/Keys.h"
#include "race/Bonus.h"
#include "race/Player.h"
#include "race/Race.h"
#include "race/ScrollBackground.h"

namespace {

constexpr int32_t FrameMs = 16;
constexpr int MaxFrames = 300000 / FrameMs;  // five minutes of game time at most
constexpr int FiringFrames = 90;             // the gun is held from this frame of the race on
constexpr int32_t PickUpRowsAhead = 4;

struct TSeries {
    GameHarness& Game;
    const std::filesystem::path& Folder;
    int Saved = 0;

    bool Save(const char* name) {
        ++Saved;
        return Game.SaveScreenshot((Folder / (std::string(name) + ".png")).string());
    }
};

// Whether the ship itself is in a bend: the row under it, not the view's top row, which meets a
// bend while the ship still drives on a straight.
bool InBend(const TRaceState& race) {
    const int32_t shipRow =
        race.Track->ViewRow + static_cast<int32_t>(race.Player->ShipCentreY) / TTrackMap::CellSize;
    const uint8_t kind = race.TrackMap.RowKind(shipRow);
    return kind == 3 || kind == 4;
}

// The pick-up's cell: a few rows up the road from the ship, on the centre line.
void LayPickUpAhead(TRace& race) {
    TRaceState& state = race.State();
    const TPlayer& ship = *state.Player;
    const int32_t row = state.Track->ViewRow +
                        static_cast<int32_t>(ship.ShipCentreY) / TTrackMap::CellSize -
                        PickUpRowsAhead;
    TPickUp& pickUp = race.Bonuses()->PickUp(1);
    pickUp = {.Active = true,
              .Column = state.TrackMap.CentreLineX(row) / TTrackMap::CellSize,
              .Row = row,
              .Kind = TBonusKind::Nitro};
}

}  // namespace

bool SaveLevelSeriesPictures(const std::filesystem::path& folder) {
    GameHarness game;
    if (!game.StartedUp())
        return false;
    game.EnterRace();
    TRace& race = *game.Form().Race;
    TRaceState& state = race.State();
    TSimpleDriver driver(state, game.Backend().Keys());
    TSeries series{game, folder};
    enum class TStep { Start, PickUp, Firing, Bend, Explosion, Respawn, Finish, Results, Done };
    TStep step = TStep::Start;
    int racing = 0;
    int due = 0;
    for (int frame = 0; frame < MaxFrames && step != TStep::Done; ++frame) {
        const bool inRace = game.Form().DialogKind == dkNone;
        if (inRace) {
            driver.Drive();
            game.Backend().Keys().SetHeld(platform::vk::Letter('Z'), racing >= FiringFrames);
            ++racing;
        }
        game.Frame(FrameMs);
        TPlayer& ship = *state.Player;
        switch (step) {
            case TStep::Start:
                if (inRace && racing == 2) {
                    if (!series.Save("level-start"))
                        return false;
                    LayPickUpAhead(race);
                    step = TStep::PickUp;
                }
                break;
            case TStep::PickUp:
                // Taken while the pick-up lies just ahead of the nose.
                if (race.Bonuses()->PickUp(1).Active &&
                    (race.Bonuses()->PickUp(1).Row - state.Track->ViewRow) * TTrackMap::CellSize +
                            state.Track->Y >
                        ship.Y - 110) {
                    if (!series.Save("level-pick-up"))
                        return false;
                    step = TStep::Firing;
                }
                break;
            case TStep::Firing:
                // A few frames after a shot, so that it has left the nose.
                if (ship.FireCooldown > 1000 - 8 * FrameMs &&
                    ship.FireCooldown <= 1000 - 6 * FrameMs) {
                    if (!series.Save("level-firing"))
                        return false;
                    step = TStep::Bend;
                }
                break;
            case TStep::Bend:
                if (InBend(state) && ship.EngineSpeed > 50) {
                    if (!series.Save("level-mini-map-bend"))
                        return false;
                    ship.LoseEnergy(ship.Energy);
                    due = frame + 14;
                    step = TStep::Explosion;
                }
                break;
            case TStep::Explosion:
                if (frame >= due) {
                    if (!series.Save("level-explosion"))
                        return false;
                    step = TStep::Respawn;
                }
                break;
            case TStep::Respawn:
                if (!ship.Destroyed && ship.EngineSpeed > 20) {
                    if (!series.Save("level-respawn"))
                        return false;
                    step = TStep::Finish;
                }
                break;
            case TStep::Finish:
                if (ship.Finished && due < frame - 1000) {
                    due = frame + 12;
                } else if (ship.Finished && frame == due) {
                    if (!series.Save("level-finish"))
                        return false;
                    step = TStep::Results;
                }
                break;
            case TStep::Results:
                if (game.Form().DialogKind == dkResults && due < frame) {
                    due = frame + 150;  // the lines shown and the time bonus counting
                } else if (game.Form().DialogKind == dkResults && frame == due) {
                    if (!series.Save("level-results"))
                        return false;
                    step = TStep::Done;
                }
                break;
            default:
                break;
        }
    }
    return step == TStep::Done;
}
