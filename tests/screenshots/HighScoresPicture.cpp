#include "Pictures.h"
#include "harness/GameHarness.h"
#include "platform/Keys.h"

// A game ended from its first level with a score that goes in at fourth place: a name typed,
// Enter, "No" to sending, and the table that follows.
bool SaveHighScoresAfterAGamePicture(const std::filesystem::path& folder) {
    namespace vk = platform::vk;
    GameHarness game;
    if (!game.StartedUp())
        return false;
    TMForm& form = game.Form();
    while (form.MainMenu.IntroRunning())
        game.Frame();
    const auto press = [&](uint16_t key) {
        game.KeyDown(key);
        game.Frame();
        game.KeyUp(key);
        game.Frame();
    };
    form.ChooseMenuItem(1);  // ship selection
    form.ChooseMenuItem(9);  // start
    if (!form.Race)
        return false;
    for (int frame = 0; frame < 1000 && form.DialogKind != dkNone; ++frame)
        game.Frame();  // the level caption
    form.Race->State().Score = 7650;
    press(vk::Escape);
    press(vk::Letter('Y'));
    game.Type("Stella");
    game.Type("\r");
    game.Frame();
    press(vk::Letter('N'));
    game.Frames(3);
    return form.ScreenKind == skHighScores &&
           game.SaveScreenshot((folder / "high-scores-after-a-game.png").string());
}
