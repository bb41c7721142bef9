#include "Pictures.h"
#include "harness/GameHarness.h"

// The race's captions at the start of level 1, over the chequered start line and the ship:
// "Your time is over," / "Try again, please!" and "Level 1".
bool SaveRaceCaptionPictures(const std::filesystem::path& folder) {
    GameHarness game;
    if (!game.StartedUp())
        return false;
    game.EnterRace();
    TMForm& form = game.Form();
    game.Frame();
    if (form.DialogKind != dkLevel ||
        !game.SaveScreenshot((folder / "race-caption-level.png").string()))
        return false;
    form.CloseDialog();
    form.OpenDialog(dkTimeOver);
    game.Frame();
    return form.DialogKind == dkTimeOver &&
           game.SaveScreenshot((folder / "race-caption-time-over.png").string());
}
