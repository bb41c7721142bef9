#pragma once
// The words of the help pages, line by line. Leading spaces belong to the text: they indent the
// first line of a paragraph.

#include <array>

#include "online/WorldServer.h"

namespace help {

constexpr std::array<const char*, 5> PageTitles = {"GAME OVERVIEW", "OBJECTS", "CONTROLS",
                                                   "CONTROLS", "ABOUT"};

constexpr std::array<const char*, 11> Overview = {
    R"(  The game "Zorvex" welcomes you to the)",
    R"(world of breathtaking galaxy-ship races and)",
    R"(formidable opponents. Various effects, splendid)",
    R"(graphics and many fantastic routes will not)",
    R"(leave you indifferent.)",
    R"(  You can choose one of the fastest ships and fly)",
    R"(over galaxy. Don't think it's so easy. Increasing)",
    R"(number of strong opponents will stand on your)",
    R"(way to the finish. The obstacles will take the time,)",
    R"(that's limited.  Pick up various bonuses and weapons.)",
    R"(  Are you ready for a battle? Go!)",
};

struct TCaption {
    const char* Text;
    int X, Y;
};

// The names beside the object pictures of page 2.
constexpr std::array<TCaption, 7> ObjectCaptions = {{
    {"Score", 65, 277},
    {"Energy", 65, 327},
    {"Life", 65, 377},
    {"Invulnerability", 65, 427},
    {"Nitro", 310, 277},
    {"Super-shot", 310, 327},
    {"Asteroids", 310, 396},
}};

constexpr std::array<const char*, 7> MenuNavigations = {
    R"(Use the cursor keys or mouse to move the menu)",
    R"(cursor up and down.)",
    R"(Press the "Enter" key or any mouse button)",
    R"(to enter menu options.)",
    R"(Press the "Left Arrow", "Right Arrow", "Enter")",
    R"(keys or any mouse button to change a menu option.)",
    R"(Press "Esc" to back from the submenu to Main Menu.)",
};

constexpr std::array<const char*, 10> GameNavigations = {
    R"(Use the keys "Arrow Left" and "Arrow Right" to)",
    R"(move the ship rightwards or leftwards.)",
    R"(Use the keys "Arrow Up" and "Arrow Down" to)",
    R"(speed up and reduce the speed of the ship.)",
    R"(Press the "Ctrl" or "Z" key to shoot. Press "X" key)",
    R"(to use "Nitro" bonus. Press the "Space" key to use)",
    R"(Extra brake. Use "P" to pause or resume the game.)",
    R"(Use "Escape" key to quit the game to Main Menu. Use)",
    R"("Alt"+"Enter" keys to change window/full screen)",
    R"(modes. Use Boss key to hide the game.)",
};

// The about page's two lines under the title: who made the game and where the world table is.
constexpr const char* AboutNotice = "Made by the Zorvex developers";
constexpr const char* AboutAddress = WorldServerDefault;

}  // namespace help
