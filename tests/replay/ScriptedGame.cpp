#include "ScriptedGame.h"

#include <stdexcept>

#include "SimpleDriver.h"
#include "platform/Keys.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"
#include "save/HighScores.h"

namespace {

using platform::vk::Letter;

// Frames of 18 to 22 ms in a fixed pattern, as a real frame timer gives: about 50 frames a
// second, well below the 60 Hz refresh, so the measured frame rate sets the game's timing.
int32_t LagOf(int frame) {
    return 18 + static_cast<int32_t>((static_cast<uint32_t>(frame) * 2654435761u) >> 29) % 5;
}

}  // namespace

TShipPlace PlaceOf(const TMForm& form) {
    if (!form.Race || !form.Race->Running())
        return {};
    const TRaceState& race = form.Race->State();
    int32_t projectiles = 0;
    for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot)
        projectiles += race.Projectiles.Slot(slot).Active ? 1 : 0;
    return {race.Player->ShipCentreX,
            race.Player->ShipCentreY,
            race.Track->X,
            race.Track->Y,
            race.Score,
            projectiles};
}

TScriptedGame PlayScriptedGame(GameHarness& game, int raceFrames) {
    TMForm& form = game.Form();
    // Any score enters this table, so the game ends with the name entry and the send question.
    for (size_t entry = 0; entry < ShownHighScores; ++entry)
        form.Saved.HighScores[entry].Score = -1;
    TScriptedGame played;
    game.EnterRace();  // its last frame is the game's first
    played.Places.push_back(PlaceOf(form));
    TSimpleDriver driver(form.Race->State(), game.Backend().Keys());
    int frame = 0;
    const auto step = [&] {
        game.Frame(LagOf(++frame));
        if (form.Race && form.Race->Running())
            played.Places.push_back(PlaceOf(form));
    };
    for (int i = 0; i < raceFrames; ++i) {
        if (form.DialogKind == dkNone)
            driver.Drive();
        game.Backend().Keys().SetHeld(Letter('Z'), i % 90 < 20);
        if (i % 300 == 150)
            game.KeyDown(platform::vk::Shift, 1);
        if (i % 300 == 200)
            game.KeyUp(platform::vk::Shift);
        if (i % 50 == 0)
            game.MouseMove(100 + i % 600, 200 + i % 300);
        step();
    }
    for (uint16_t key : {platform::vk::Up, platform::vk::Down, platform::vk::Left,
                         platform::vk::Right, Letter('Z')})
        game.Backend().Keys().SetHeld(key, false);
    // Esc, then Yes to "Exit to menu?", the name, Yes to sending.
    game.KeyDown(platform::vk::Escape);
    step();
    game.KeyUp(platform::vk::Escape);
    step();
    game.KeyDown(Letter('Y'));
    step();
    game.KeyUp(Letter('Y'));
    step();
    game.Type("\b\b\b\b\b\b\b\b\b\b\b\bAce\r");
    step();
    step();
    game.KeyDown(Letter('Y'));
    while (game.Backend().Http().Requests().empty() && frame < raceFrames + 100)
        step();
    // The sending runs in the background; the game ends in the frame that finds it done.
    while (form.DialogKind == dkSending && frame < raceFrames + 200)
        step();
    const auto& requests = game.Backend().Http().Requests();
    if (requests.size() != 2 || requests[0].Body || !requests[1].Body)
        throw std::runtime_error("the scripted game did not send its result and replay");
    const std::string& url = requests[0].Url;
    played.ResultCode = url.substr(url.find("inf=") + 4);
    played.ReplayFile = *requests[1].Body;
    return played;
}
