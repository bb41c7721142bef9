#pragma once
// The scrolling track: a 13 x 10 cell window onto the track map, drawn without wrap-around while
// the player's ship stays at its place on the screen. Each frame the window moves by the scroll
// velocity, shifts by one cell whenever it has moved a whole cell, carries the star field behind
// it at a quarter of the speed, and tests the ships against the walls.
//
// The menus use the same class for their still 1 x 1 background; without a race it never moves
// and tests nothing.

#include <cstdint>

#include "engine/BackgroundSprite.h"
#include "engine/GameServices.h"
#include "engine/QuadTest.h"

struct TRaceState;

struct TCellPos {
    int32_t Column = 0;
    int32_t Row = 0;
};

class TScrollBackground : public TBackgroundSprite {
public:
    static constexpr int32_t ViewColumns = 13;
    static constexpr int32_t ViewRows = 10;

    // A child of the engine root at (0, 0), Z 2, showing pattern 0 of the image in every cell
    // until the map is copied in. race is null for the menus' background.
    TScrollBackground(TGameServices& services, uint8_t imageList, int32_t imageIndex,
                      int32_t mapWidth, int32_t mapHeight, TRaceState* race = nullptr);

    uint8_t ImageList;   // 1 or 2; any other value keeps the current image on SelectImage
    double ScrollX = 0;  // this frame's scroll velocity, pixels per frame at FrameFactor 1
    double ScrollY = 0;
    bool Killed = false;
    // The map cell shown in the window's top-left cell; the window never leaves the map.
    int32_t ViewCol = 0;  // 0..637
    int32_t ViewRow = 0;  // 0..1490

    // Takes the image from list 1 or 2; the size becomes one cell.
    void SelectImage(int32_t imageIndex);
    void KillOnce();

    // Builds the level's map for the race's track length and shows its start.
    void GenerateTrack();
    // Copies the window from the map into the chip map; empty space draws nothing.
    void CopyViewToChips();

    // The map cell under a screen point; column or row 0 lie outside the map.
    TCellPos CellUnder(double screenX, double screenY) const;
    TPointD ScreenFromWorld(const TPointD& world) const;
    TPointD WorldFromScreen(const TPointD& screen) const;
    double WorldYFromScreen(double screenY) const;

    void Advance(int32_t moveCount) override;

private:
    void MoveStarField(double frameFactor);
    void TestPlayerWalls();
    void TestOpponentWalls();

    TGameServices& services_;
    TRaceState* race_;
};
