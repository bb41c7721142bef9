#include "screens/OptionsScreen.h"

#include "platform/Keys.h"
#include "race/ScrollBackground.h"
#include "screens/MyCursor.h"

namespace {

struct TOptionsRow {
    int32_t X, Y, HitWidth, HitHeight;
    const char* Label;
    int32_t LabelX, LabelY;
};

// Items 7..11: Display, Music, Sound, Country, Boss Key.
constexpr TOptionsRow Rows[5] = {
    {9, 205, 440, 30, "Display:", 70, 221},    {37, 252, 299, 29, "Music:", 82, 267},
    {37, 295, 299, 29, "Sound:", 87, 310},     {34, 341, 377, 78, "Country:", 215, 356},
    {68, 432, 308, 77, "Boss Key:", 215, 448},
};
constexpr int32_t StyleLabel = 12;
constexpr int32_t StyleHighlightedLabel = 16;
constexpr int32_t StyleValue = 13;
constexpr int32_t CursorBlinkMs = 600;

}  // namespace

std::string BossKeyName(const TBossKeyOptions& keys) {
    using namespace platform;
    std::string name;
    if (keys.BossModifier & shift::Alt)
        name = "ALT+";
    else if (keys.BossModifier & shift::Ctrl)
        name = "CTRL+";
    else if (keys.BossModifier & shift::Shift)
        name = "SHIFT+";
    if (keys.BossKey >= vk::F1 && keys.BossKey <= vk::F12)
        name += "F" + std::to_string(keys.BossKey - vk::F1 + 1);
    if (name.empty() || name.back() == '+')
        name += "?";
    return name;
}

void TOptionsScreen::Build() {
    TMenuState& menu = context_.Menu;
    TGameServices& services = context_.Services;
    context_.ScreenKind = skOptions;
    menu.MenuStart = 7;
    menu.MenuEnd = 11;
    menu.MenuIndex = 7;
    background_ = NewSprite<TScrollBackground>(services, 1, 1, 1, 1);
    title_ = TMyImageSprite::CreateAt(services, 1, 26, 417, 36, 3);
    panel_ = TMyImageSprite::CreateAt(services, 1, 51, 0, 195, 3);
    countryFrame_ = TMyImageSprite::CreateAt(services, 1, 20, 32, 372, 4);
    bossKeyFrame_ = TMyImageSprite::CreateAt(services, 1, 21, 66, 462, 4);
    for (int32_t item = 7; item <= 11; ++item) {
        const TOptionsRow& row = Rows[item - 7];
        auto* button = NewSprite<TMenuButton>(services, 1, row.Y, row.X, 0, 0, 0, 0);
        button->HitWidth = row.HitWidth;
        button->HitHeight = row.HitHeight;
        menu.MenuButtons[item] = button;
    }
    displayState_ = TMyImageSprite::CreateAt(services, 1, 14, 127, 205, 4);
    musicState_ = TMyImageSprite::CreateAt(services, 1, 16, 202, 251, 4);
    soundState_ = TMyImageSprite::CreateAt(services, 1, 18, 202, 294, 4);
    ShowStateImages();
    cursor_ = NewSprite<TMyCursor>(services, 1, CursorBlinkMs, 5, 382, 43, 22);
    countryEdit_ = false;
    context_.Host.EndBossCapture();
}

void TOptionsScreen::ShowStateImages() {
    const TGameOptions& options = context_.Options;
    displayState_->SelectImage(options.FullScreen ? 15 : 14);
    musicState_->SelectImage(options.MusicOn ? 16 : 17);
    soundState_->SelectImage(options.SoundOn ? 18 : 19);
}

void TOptionsScreen::Frame(int32_t lagCount) {
    TMenuState& menu = context_.Menu;
    const TInputState& input = context_.Input;
    // A newly highlighted row ends a running boss-key capture or country edit.
    if (menu.UpdateHighlight(true, input.MouseX, input.MouseY)) {
        context_.Host.EndBossCapture();
        if (countryEdit_)
            ToggleCountryEdit();
    }
    if (input.AnyArrowPressed() && (menu.MenuIndex < 7 || menu.MenuIndex > 11))
        menu.MenuIndex = 7;
    if (!countryEdit_) {
        if (input.Up.Pressed && menu.MenuIndex - 1 >= 7)
            --menu.MenuIndex;
        if (input.Down.Pressed && menu.MenuIndex + 1 <= 11)
            ++menu.MenuIndex;
        if (input.Esc.Pressed)
            context_.Host.ChooseMenuItem(12);
    } else if (input.Esc.Pressed) {
        context_.Host.ChooseMenuItem(10);
    }
    if (context_.ScreenKind != skOptions)
        return;  // Esc left the screen
    context_.Services.Root.MoveTree(lagCount);
    DrawTexts();
    cursor_->X = context_.Text.TextWidthIn(context_.Options.Country, StyleValue) / 2.0 + 217;
}

void TOptionsScreen::DrawTexts() {
    TTextService& text = context_.Text;
    for (int32_t item = 7; item <= 11; ++item) {
        const TOptionsRow& row = Rows[item - 7];
        text.SetTextFont(item == context_.Menu.MenuIndex ? StyleHighlightedLabel : StyleLabel);
        text.DrawTextAt(row.Label, row.LabelX, row.LabelY, true, true);
        if (item == 10) {
            text.SetTextFont(StyleValue);
            text.DrawTextAt(context_.Options.Country, 215, 394, true, true);
        }
    }
    text.SetTextFont(StyleValue);
    text.DrawTextAt(BossKeyName(context_.BossKeys), 215, 485, true, true);
    ShowStateImages();
}

void TOptionsScreen::ToggleCountryEdit() {
    countryEdit_ = !countryEdit_;
    if (cursor_)
        cursor_->Blinking = cursor_->Blinking == 1 ? 0 : 1;
}

void TOptionsScreen::Leave() {
    context_.ScreenKind = skNone;
    context_.Menu.KillMenuButtons();
    for (TMyImageSprite* sprite :
         {static_cast<TMyImageSprite*>(title_), panel_, countryFrame_, bossKeyFrame_, displayState_,
          musicState_, soundState_, static_cast<TMyImageSprite*>(cursor_)})
        if (sprite)
            sprite->KillOnce();
    if (background_)
        background_->KillOnce();
    title_ = panel_ = countryFrame_ = bossKeyFrame_ = displayState_ = musicState_ = soundState_ =
        nullptr;
    cursor_ = nullptr;
    background_ = nullptr;
    context_.Services.Root.Dead();
}
