#include "Pictures.h"
#include "harness/GameHarness.h"

bool SaveDrawingLayerPicture(const std::filesystem::path& folder) {
    GameHarness game;
    if (!game.StartedUp())
        return false;
    platform::Surface& surface = game.Backend().Screen().BackSurface();
    TMForm& form = game.Form();
    const TImageItem& stars = form.MDXImageLists[1].Items(58);
    const TImageItem& ship = form.MDXImageLists[1].Items(6);
    const TImageItem& portrait = form.MDXImageLists[0].Items(29);
    const TImageItem& sparks = form.MDXImageLists[1].Items(16);

    surface.Clear(0);
    stars.DrawPattern(surface, 0, 0, 0);
    for (int step = 0; step < 8; ++step)  // an eighth of a turn apart, clockwise
        ship.DrawPatternRotated(surface, 70 + 90 * step, 90, ship.PatternWidth(),
                                ship.PatternHeight(), 0, 0.5, 0.5, 32 * step);
    for (int step = 0; step < 3; ++step)
        portrait.DrawPatternAlpha(
            surface,
            platform::Rect::FromSize(20 + 260 * step, 170, portrait.PatternWidth(),
                                     portrait.PatternHeight()),
            0, 85 * (step + 1));
    for (int frame = 0; frame < 8; ++frame)
        sparks.DrawPattern(surface, 30 + 95 * frame, 330, frame);

    struct Line {
        int32_t Style;
        const char* Text;
    };
    const Line lines[] = {{1, "Exit the game?"}, {5, "Level 3"},
                          {6, "LEVEL 3 / 10"},   {18, "01 : 15"},
                          {19, "GAME OVERVIEW"}, {20, "Pick up various bonuses and weapons."}};
    int32_t y = 420;
    for (const Line& line : lines) {
        form.Text.SetTextFont(line.Style);
        form.Text.DrawTextAt(line.Text, 400, y, true, true);
        y += 30;
    }
    return game.SaveScreenshot((folder / "drawing-layer.png").string());
}
