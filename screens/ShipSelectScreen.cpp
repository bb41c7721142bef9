#include "screens/ShipSelectScreen.h"

#include <array>

#include "engine/ImageItem.h"
#include "race/ScrollBackground.h"
#include "race/ShipModels.h"
#include "screens/PreviousNextKeys.h"

namespace {

constexpr int32_t FirstShipPicture = 28;  // ships 1..5 are images 28..32 of list 1
constexpr int32_t MarkImage = 54;
constexpr std::array<int32_t, 4> MarkRowY = {391, 412, 434, 456};
constexpr int32_t FadeStep = 10;

int32_t ShipPicture(int32_t ship) {
    return FirstShipPicture + ship - 1;
}

}  // namespace

void TShipSelectScreen::Build() {
    TMenuState& menu = context_.Menu;
    TGameServices& services = context_.Services;
    context_.ScreenKind = skShipSelect;
    shipFade_ = 0;
    menu.MenuStart = 7;
    menu.MenuEnd = 9;
    menu.MenuIndex = 9;
    background_ = NewSprite<TScrollBackground>(services, 1, 1, 1, 1);
    title_ = TMyImageSprite::CreateAt(services, 1, 25, 356, 34, 4);
    panel_ = TMyImageSprite::CreateAt(services, 1, 52, 0, 195, 3);
    pictureA_ = TMyImageSprite::CreateAt(services, 1, ShipPicture(ShipType), 88, 238, 4);
    pictureB_ = TMyImageSprite::CreateAt(services, 1, ShipPicture(ShipType), 88, 238, 4);
    pictureB_->Visible = false;
    menu.CreateSubScreenButtons(services, {{37, 14, 227}, {38, 377, 226}, {39, 104, 473}}, 5);
}

void TShipSelectScreen::Frame() {
    TMenuState& menu = context_.Menu;
    const TInputState& input = context_.Input;
    menu.UpdateHighlight(true, input.MouseX, input.MouseY);
    PreviousNextKeys(context_);
    if (input.Up.Pressed && menu.MenuIndex == 9)
        menu.MenuIndex = 8;
    if (input.Down.Pressed && (menu.MenuIndex == 7 || menu.MenuIndex == 8))
        menu.MenuIndex = 9;
    if (input.AnyArrowPressed() && (menu.MenuIndex < 7 || menu.MenuIndex > 9))
        menu.MenuIndex = 7;
    if (input.Esc.Pressed)
        context_.Host.ChooseMenuItem(10);
    if (context_.ScreenKind != skShipSelect)
        return;  // left by Esc

    if (shipFade_ == 0) {
        pictureA_->AlphaOn = pictureB_->AlphaOn = false;
        pictureA_->Alpha = pictureB_->Alpha = 255;
        pictureA_->Visible = true;
        pictureB_->Visible = false;
    } else {
        pictureA_->AlphaOn = pictureB_->AlphaOn = true;
        pictureA_->Alpha -= FadeStep;
        if (pictureA_->Alpha <= 0) {
            pictureA_->SelectImage(ShipPicture(pendingShip_));
            shipFade_ = 0;
            ShipType = pendingShip_;
        }
    }
    DrawMarks();
}

// One mark per rating point above 3, so a value of 3 or less shows none. During a fade the marks
// still show the old ship.
void TShipSelectScreen::DrawMarks() {
    const TImageItem& mark = context_.Services.List(1).Items(MarkImage);
    platform::Surface& surface = *context_.Services.Root.Surface;
    const TShipModel& ship = ShipModelOf(ShipType);
    const std::array<int32_t, 4> ratings = {ship.TopSpeed, ship.Steering, ship.Acceleration,
                                            ship.Brakes};
    for (int32_t row = 0; row < 4; ++row) {
        const int32_t marks = ratings[row] - 3;
        for (int32_t k = 1; k <= marks; ++k)
            mark.DrawPattern(surface, 248 + 23 * (k - 1), MarkRowY[row], 0);
    }
}

void TShipSelectScreen::StepShip(int32_t direction) {
    if (shipFade_ != 0)
        return;
    shipFade_ = 1;
    pendingShip_ = ShipType + direction;
    if (pendingShip_ < 1)
        pendingShip_ = 5;
    if (pendingShip_ > 5)
        pendingShip_ = 1;
    pictureB_->SelectImage(ShipPicture(pendingShip_));
    pictureB_->Visible = true;
}

void TShipSelectScreen::Leave() {
    context_.Menu.KillMenuButtons();
    for (TMyImageSprite* sprite : {title_, panel_, pictureA_, pictureB_})
        if (sprite)
            sprite->KillOnce();
    if (background_)
        background_->KillOnce();
    title_ = panel_ = pictureA_ = pictureB_ = nullptr;
    background_ = nullptr;
    context_.Services.Root.Dead();
    context_.ScreenKind = skNone;
}
