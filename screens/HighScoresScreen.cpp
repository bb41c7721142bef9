#include "screens/HighScoresScreen.h"

#include "race/ScrollBackground.h"

namespace {

constexpr int32_t StyleNameAndPlace = 2;
constexpr int32_t StyleScore = 17;
constexpr int32_t HeaderY = 204;
constexpr int32_t RowStep = 26;
constexpr int32_t PlaceX = 70, NameX = 224, ScoreX = 382;

}  // namespace

void THighScoresScreen::Build() {
    TMenuState& menu = context_.Menu;
    TGameServices& services = context_.Services;
    context_.ScreenKind = skHighScores;
    menu.MenuStart = 7;
    menu.MenuEnd = 8;
    menu.MenuIndex = 8;  // the world page first
    background_ = NewSprite<TScrollBackground>(services, 1, 1, 1, 1);
    title_ = TMyImageSprite::CreateAt(services, 1, 27, 363, 35, 3);
    panel_ = TMyImageSprite::CreateAt(services, 1, 53, 13, 189, 5);
    menu.CreateSubScreenButtons(services, {{40, 38, 475}, {41, 235, 475}}, 4);
}

void THighScoresScreen::Frame(int32_t lagCount) {
    TMenuState& menu = context_.Menu;
    const TInputState& input = context_.Input;
    menu.UpdateHighlight(true, input.MouseX, input.MouseY);
    if (input.AnyArrowPressed() && (menu.MenuIndex < 7 || menu.MenuIndex > 8))
        menu.MenuIndex = 7;
    if (input.Left.Pressed && menu.MenuIndex - 1 >= 7)
        --menu.MenuIndex;
    if (input.Right.Pressed && menu.MenuIndex + 1 <= 8)
        ++menu.MenuIndex;
    if (input.Esc.Pressed)
        context_.Host.ChooseMenuItem(9);
    if (context_.ScreenKind != skHighScores)
        return;  // Esc left the screen
    context_.Services.Root.MoveTree(lagCount);
    DrawPlacedTexts(context_.Text, TableTexts());
}

// The headers select no style of their own: they take the one selected last, which is the
// score style of the previous frame on every frame but the first.
std::vector<TPlacedText> THighScoresScreen::TableTexts() const {
    std::vector<TPlacedText> texts = {
        {.Text = "Place", .X = PlaceX, .Y = HeaderY},
        {.Text = "Name", .X = NameX, .Y = HeaderY},
        {.Text = "Score", .X = ScoreX, .Y = HeaderY},
    };
    for (int32_t n = 1; n <= static_cast<int32_t>(ShownHighScores); ++n) {
        const THighScore& entry = table_[static_cast<size_t>(n - 1)];
        const int32_t y = HeaderY + RowStep * n;
        texts.push_back(
            {.Text = std::to_string(n), .Style = StyleNameAndPlace, .X = PlaceX, .Y = y});
        texts.push_back({.Text = entry.Name, .Style = StyleNameAndPlace, .X = NameX, .Y = y});
        texts.push_back(
            {.Text = std::to_string(entry.Score), .Style = StyleScore, .X = ScoreX, .Y = y});
    }
    return texts;
}

void THighScoresScreen::Leave() {
    context_.ScreenKind = skNone;
    if (background_)
        background_->KillOnce();
    context_.Menu.KillMenuButtons();
    for (TMyImageSprite* sprite : {title_, panel_})
        if (sprite)
            sprite->KillOnce();
    background_ = nullptr;
    title_ = panel_ = nullptr;
    context_.Services.Root.Dead();
}
