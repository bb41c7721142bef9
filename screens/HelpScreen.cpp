#include "screens/HelpScreen.h"

#include <utility>

#include "race/ScrollBackground.h"
#include "screens/HelpTexts.h"
#include "screens/PreviousNextKeys.h"

namespace {

constexpr int32_t StylePageTitle = 19;
constexpr int32_t StyleBody = 20;
constexpr int32_t StyleHeading = 21;
constexpr int32_t StyleGameTitle = 23;
constexpr int32_t OverviewPage = 1, ObjectsPage = 2, MenuControlsPage = 3, GameControlsPage = 4,
                  AboutPage = 5;

struct TObjectPicture {
    int32_t Image, X, Y;
    bool Centred;
};
constexpr std::array<TObjectPicture, 8> ObjectPictures = {{
    {55, 17, 259, false},
    {56, 17, 308, false},
    {57, 13, 353, false},
    {58, 12, 402, false},
    {59, 253, 255, false},
    {60, 253, 305, false},
    {61, 275, 375, true},
    {62, 275, 425, true},
}};

template <size_t N>
void AddLines(std::vector<TPlacedText>& texts, const std::array<const char*, N>& lines,
              int32_t firstY) {
    for (size_t i = 1; i <= N; ++i)
        texts.push_back({.Text = lines[i - 1],
                         .Style = StyleBody,
                         .X = 17,
                         .Y = firstY + 20 * static_cast<int32_t>(i),
                         .CentreH = false});
}

TPlacedText LeftAligned(const char* text, int32_t style, int32_t x, int32_t y) {
    return {.Text = text, .Style = style, .X = x, .Y = y, .CentreH = false};
}

}  // namespace

void THelpScreen::Build() {
    TMenuState& menu = context_.Menu;
    TGameServices& services = context_.Services;
    context_.ScreenKind = skHelp;
    menu.MenuStart = 7;
    menu.MenuEnd = 8;
    menu.MenuIndex = 8;
    HelpPage = 1;
    background_ = NewSprite<TScrollBackground>(services, 1, 1, 1, 1);
    title_ = TMyImageSprite::CreateAt(services, 1, 24, 478, 37, 3);
    panel_ = TMyImageSprite::CreateAt(services, 1, 51, 0, 195, 3);
    menu.CreateSubScreenButtons(services, {{42, 37, 464}, {43, 234, 463}}, 4);
    for (size_t i = 0; i < ObjectPictures.size(); ++i) {
        const TObjectPicture& picture = ObjectPictures[i];
        objects_[i] =
            picture.Centred
                ? TMyImageSprite::CreateCentred(services, 1, picture.Image, picture.X, picture.Y, 5)
                : TMyImageSprite::CreateAt(services, 1, picture.Image, picture.X, picture.Y, 5);
        objects_[i]->Visible = false;
    }
    logo_ = TMyImageSprite::CreateAt(services, 1, 50, 50, 320, 5);
    logo_->Visible = false;
}

void THelpScreen::Frame(int32_t lagCount) {
    TMenuState& menu = context_.Menu;
    const TInputState& input = context_.Input;
    menu.UpdateHighlight(true, input.MouseX, input.MouseY);
    PreviousNextKeys(context_);
    if (input.AnyArrowPressed() && (menu.MenuIndex < 7 || menu.MenuIndex > 8))
        menu.MenuIndex = 7;
    if (input.Esc.Pressed)
        context_.Host.ChooseMenuItem(9);
    if (context_.ScreenKind != skHelp)
        return;  // Esc left the screen
    DrawPage();
    context_.Services.Root.MoveTree(lagCount);
}

void THelpScreen::StepPage(int32_t direction) {
    HelpPage += direction;
    if (HelpPage < 1)
        HelpPage = PageCount;
    if (HelpPage > PageCount)
        HelpPage = 1;
}

void THelpScreen::DrawPage() {
    for (TMyImageSprite* object : objects_)
        object->Visible = HelpPage == ObjectsPage;
    logo_->Visible = HelpPage == AboutPage;
    DrawPlacedTexts(context_.Text, PageTexts(HelpPage));
}

// Every text is left-aligned: the point is its left edge and its vertical centre.
std::vector<TPlacedText> THelpScreen::PageTexts(int32_t page) {
    std::vector<TPlacedText> texts = {
        LeftAligned(help::PageTitles[static_cast<size_t>(page - 1)], StylePageTitle, 15, 220)};
    switch (page) {
        case OverviewPage:
            AddLines(texts, help::Overview, 230);
            break;
        case ObjectsPage:
            for (const help::TCaption& caption : help::ObjectCaptions)
                texts.push_back(LeftAligned(caption.Text, StyleHeading, caption.X, caption.Y));
            break;
        case MenuControlsPage:
            texts.push_back(LeftAligned("MENU NAVIGATIONS", StyleHeading, 17, 250));
            AddLines(texts, help::MenuNavigations, 255);
            break;
        case GameControlsPage:
            texts.push_back(LeftAligned("GAME NAVIGATIONS", StyleHeading, 17, 250));
            AddLines(texts, help::GameNavigations, 255);
            break;
        case AboutPage:
            texts.push_back(LeftAligned("ZORVEX", StyleGameTitle, 160, 305));
            texts.push_back(LeftAligned(help::AboutNotice, StyleHeading, 152, 345));
            texts.push_back(LeftAligned(help::AboutAddress, StyleHeading, 150, 380));
            break;
        default:
            break;
    }
    return texts;
}

void THelpScreen::Leave() {
    context_.ScreenKind = skNone;
    if (background_)
        background_->KillOnce();
    context_.Menu.KillMenuButtons();
    for (TMyImageSprite*& object : objects_)
        if (object)
            std::exchange(object, nullptr)->KillOnce();
    for (TMyImageSprite* sprite : {logo_, title_, panel_})
        if (sprite)
            sprite->KillOnce();
    background_ = nullptr;
    logo_ = title_ = panel_ = nullptr;
    context_.Services.Root.Dead();
}
