// Image list 1 in index order. Every index up to the last one the game uses holds an image,
// unused ones a small empty placeholder, because the game addresses the list by position.

#include "menu/MenuList.h"

#include <string>

#include "kit/ArtKit.h"
#include "menu/Background.h"
#include "menu/HelpObjects.h"
#include "menu/MainButtons.h"
#include "menu/OptionWidgets.h"
#include "menu/Panels.h"
#include "menu/ScreenButtons.h"
#include "menu/ShipPanel.h"
#include "menu/ShipPortraits.h"
#include "menu/Titles.h"
#include "menu/Wordmark.h"
#include "race/RaceImages.h"

namespace {

using menu::Look;

ImageRecord Whole(const std::string& name, const art::Surface& picture, bool transparent = true) {
    return art::MakeRecord(name, picture, 0, 0, transparent);
}

// Two-look buttons: a strip of two patterns, 0 highlighted and 1 normal.
ImageRecord TwoLooks(const std::string& name, const menu::ButtonFace& face, int width, int height) {
    return art::MakeRecord(name, menu::DrawTwoLookStrip(face, width, height), width, height, true);
}

void AddPlaceholders(std::vector<ImageRecord>& list, int upToIndex) {
    while (static_cast<int>(list.size()) <= upToIndex)
        list.push_back(art::Placeholder("Unused" + std::to_string(list.size())));
}

}  // namespace

std::vector<ImageRecord> BuildMenuList() {
    std::vector<ImageRecord> list;
    // 0: the options rows' hot spot is drawn at every row, so it must show nothing at all.
    list.push_back(Whole("OptionsRowHotSpot", art::NewSurface(1, 1)));
    list.push_back(Whole("MenuBackground", menu::DrawMenuBackground(), false));

    static const char* const mainNames[menu::MainButtonCount] = {
        "MainStart", "MainHelp", "MainOptions", "MainHighScores", "MainHomePage", "MainExit"};
    for (int item = 0; item < menu::MainButtonCount; ++item)
        list.push_back(Whole(std::string(mainNames[item]) + "Normal",
                             menu::DrawMainButton(item, Look::Normal)));
    for (int item = 0; item < menu::MainButtonCount; ++item)
        list.push_back(Whole(std::string(mainNames[item]) + "Highlighted",
                             menu::DrawMainButton(item, Look::Highlighted)));

    list.push_back(Whole("DisplayWindow", menu::DrawDisplayState(false)));
    list.push_back(Whole("DisplayFullScreen", menu::DrawDisplayState(true)));
    list.push_back(Whole("MusicOn", menu::DrawSwitch(menu::SwitchKind::Music, true)));
    list.push_back(Whole("MusicOff", menu::DrawSwitch(menu::SwitchKind::Music, false)));
    list.push_back(Whole("SoundOn", menu::DrawSwitch(menu::SwitchKind::Sound, true)));
    list.push_back(Whole("SoundOff", menu::DrawSwitch(menu::SwitchKind::Sound, false)));
    list.push_back(Whole("CountryField", menu::DrawTextField(366, 44)));
    list.push_back(Whole("BossKeyField", menu::DrawTextField(298, 46)));
    list.push_back(Whole("TextCursor", menu::DrawTextCursor(), false));
    AddPlaceholders(list, 23);

    // Titles end at x 788 on screen whatever their left edge (478, 356, 417 and 363).
    list.push_back(Whole("TitleHelp", menu::DrawTitle("HELP", 310)));
    list.push_back(Whole("TitleShipSelection", menu::DrawTitle("SHIP SELECTION", 432)));
    list.push_back(Whole("TitleOptions", menu::DrawTitle("OPTIONS", 371)));
    list.push_back(Whole("TitleHighScores", menu::DrawTitle("HIGH SCORES", 425)));

    for (int ship = 1; ship <= 5; ++ship)
        list.push_back(Whole("ShipPicture" + std::to_string(ship), menu::DrawShipPortrait(ship)));

    list.push_back(Whole("DialogPanel", menu::DrawDialogPanel()));
    list.push_back(TwoLooks("YesButton", {"YES", menu::Arrow::None}, 124, 40));
    list.push_back(TwoLooks("NoButton", {"NO", menu::Arrow::None}, 124, 40));
    AddPlaceholders(list, 36);
    list.push_back(TwoLooks("PreviousShipButton", {"", menu::Arrow::Left}, 59, 150));
    list.push_back(TwoLooks("NextShipButton", {"", menu::Arrow::Right}, 59, 150));
    list.push_back(TwoLooks("StartButton", {"START", menu::Arrow::None}, 242, 50));
    list.push_back(TwoLooks("ClearTableButton", {"CLEAR TABLE", menu::Arrow::None}, 177, 45));
    list.push_back(TwoLooks("WorldScoresButton", {"WORLD SCORES", menu::Arrow::None}, 177, 45));
    list.push_back(TwoLooks("PreviousPageButton", {"PREVIOUS", menu::Arrow::Left}, 179, 45));
    list.push_back(TwoLooks("NextPageButton", {"NEXT", menu::Arrow::Right}, 179, 45));
    AddPlaceholders(list, 49);

    list.push_back(Whole("AboutLogo", menu::DrawEmblem(90)));
    list.push_back(Whole("OptionsHelpPanel", menu::DrawSharedPanel()));
    list.push_back(Whole("ShipSelectionPanel", menu::DrawShipPanel()));
    list.push_back(Whole("HighScorePanel", menu::DrawHighScorePanel()));
    list.push_back(Whole("RatingMark", menu::DrawRatingMark()));

    // Help page objects: the race's own bonus and asteroid pictures, made to fit the page.
    using art::race::BonusImage;
    using art::race::BonusKind;
    const auto helpCopy = [&](const char* name, const ImageRecord& raceImage, int w, int h) {
        list.push_back(Whole(name, menu::HelpCopy(raceImage, w, h)));
    };
    helpCopy("HelpScoreBonus", BonusImage(BonusKind::Score10), 40, 36);
    helpCopy("HelpEnergyBonus", BonusImage(BonusKind::Energy), 40, 38);
    helpCopy("HelpLifeBonus", BonusImage(BonusKind::Life), 44, 46);
    helpCopy("HelpInvulnerabilityBonus", BonusImage(BonusKind::Invulnerability), 46, 48);
    helpCopy("HelpNitroBonus", BonusImage(BonusKind::Nitro), 44, 44);
    helpCopy("HelpSuperShotBonus", BonusImage(BonusKind::SuperShot), 44, 44);
    helpCopy("HelpSmallAsteroid", art::race::AsteroidImage(false), 36, 31);
    // The race's large asteroid (74 x 52) would touch the "Asteroids" label at x 310.
    helpCopy("HelpLargeAsteroid", art::race::AsteroidImage(true), 56, 40);
    return list;
}
