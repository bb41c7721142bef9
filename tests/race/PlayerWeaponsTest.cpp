// The player's gun, damage and power-ups, the horn, the engine sound bands and the instruments
// on the panel, on the driving rig's straight road.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "DrivingRig.h"
#include "FakeOpponents.h"
#include "StandInMedia.h"
#include "platform/Keys.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "race/ShipPhysics.h"

namespace vk = platform::vk;

namespace {

constexpr int32_t FrameMs = 11;

class PlayerWeapons : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartTrack(2, 1300, TDrivingRig::TRoad::Straight);
        rig.Race().Opponents = &opponents;
        rig.Race().Projectiles.AsteroidTimer = 1 << 30;  // no asteroid ends a ship here
        rig.Frame();
    }
    TPlayer& ship() { return rig.Player(); }
    const platform::HeadlessAudioLog& audio() { return rig.Harness().Backend().AudioLog(); }
    int Played(int sound) { return audio().Count(platform::AudioCallKind::SoundPlay, sound); }
    // The last call for the sound played it rather than stopped it.
    bool Sounding(int sound) {
        bool sounding = false;
        for (const platform::AudioCall& call : audio().Calls())
            if (call.Index == sound && call.Kind == platform::AudioCallKind::SoundPlay)
                sounding = true;
            else if (call.Index == sound && call.Kind == platform::AudioCallKind::SoundStop)
                sounding = false;
        return sounding;
    }
    // A race frame with the power-ups' countdown, as the race runs it.
    void RaceFrames(int count) {
        for (int i = 0; i < count; ++i) {
            rig.Frame();
            ship().CountDownPowerUps();
        }
    }
    // The pixel shows the stand-in colour, give or take the surface's rounding.
    bool Shows(int x, int y, uint32_t colour) {
        const uint32_t pixel = rig.Harness().Form().MDXDraw.BackSurface().ReadPixel(x, y);
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((pixel >> shift & 0xFF) - (colour >> shift & 0xFF))) > 6)
                return false;
        return true;
    }

    TDrivingRig rig;
    TFakeOpponents opponents;
};

}  // namespace

TEST_F(PlayerWeapons, HeldFireShootsAtOnceThenEverySecondAndTheSuperShotOnlyOnce) {
    ship().ApplyBonus(4);
    ship().ApplyBonus(4 | 0x80);  // only the low 7 bits count
    rig.Hold(vk::Letter('Z'));
    rig.Frames(2);  // the ship sees the keys of a frame in the next one
    EXPECT_EQ(Played(SuperShotSound), 1);
    EXPECT_EQ(Played(ShotSound), 0);
    const TProjectile& shot = rig.Race().Projectiles.Slot(1);
    EXPECT_EQ(shot.Kind, TProjectileKind::SuperShot);
    EXPECT_EQ(shot.Owner, TProjectileOwner::Player);
    EXPECT_NEAR(shot.Y, rig.Track().WorldYFromScreen(ship().ShipCentreY) - 36, 12)
        << "from the nose";
    rig.Frames(1000 / FrameMs);
    EXPECT_EQ(Played(ShotSound), 0) << "1000 ms between shots";
    rig.Frame();
    EXPECT_EQ(Played(ShotSound), 1) << "the second armed super-shot was the same one";
    rig.Release(vk::Letter('Z'));
    rig.Frames(3);
    rig.Hold(vk::Letter('Z'));
    rig.Frames(2);
    EXPECT_EQ(Played(ShotSound), 1) << "releasing does not reset the cooldown";
}

TEST_F(PlayerWeapons, AnExplosionLosesThePowerUpsAndTheLastLifeEndsTheGameAfter3000Ms) {
    ship().ApplyBonus(3);
    ship().ApplyBonus(4);
    rig.Race().Lives = 1;
    ship().Energy = 1;
    const TPointD centre = rig.Track().WorldFromScreen({ship().ShipCentreX, ship().ShipCentreY});
    rig.Race().Projectiles.SpawnProjectile(TProjectileKind::Shot1, TProjectileOwner::Opponent, 0,
                                           centre.X, centre.Y, -10);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().Destroyed; }, 4)) << "one cell, one shot";
    EXPECT_EQ(rig.Race().Lives, 0);
    EXPECT_FALSE(ship().SuperShotArmed);
    EXPECT_FALSE(ship().NitroActive);
    EXPECT_EQ(Played(ExplosionSound), 1);
    rig.Frames(3000 / FrameMs - 1);
    EXPECT_EQ(rig.Race().RequestedDialog, dkNone);
    rig.Frames(2);
    EXPECT_EQ(rig.Race().RequestedDialog, dkGameOver);
}

TEST_F(PlayerWeapons, TimedPowerUpsRestartWithASecondBonusAndEndOnTime) {
    ship().ApplyBonus(2);
    RaceFrames(100);
    ship().ApplyBonus(2);
    EXPECT_EQ(ship().InvulnerableTime, 10000);
    ship().ApplyBonus(3);
    RaceFrames(10000 / FrameMs);
    EXPECT_TRUE(ship().Invulnerable);
    EXPECT_TRUE(ship().NitroActive);
    RaceFrames(1);
    EXPECT_FALSE(ship().Invulnerable);
    EXPECT_FALSE(ship().NitroActive);
}

TEST_F(PlayerWeapons, EngineSoundsFollowTheBandsFromStandstillToTopSpeedAndBack) {
    std::vector<int> loops;
    const auto recordUntil = [&](auto condition) {
        return rig.FramesUntil(
            [&] {
                if (loops.empty() || loops.back() != static_cast<int>(ship().EngineSound))
                    loops.push_back(static_cast<int>(ship().EngineSound));
                return condition();
            },
            5000);
    };
    const size_t before = audio().Calls().size();
    rig.Hold(vk::Up);
    const double top = 160 * TopSpeedFactor(2);
    ASSERT_TRUE(recordUntil([&] { return ship().EngineSpeed > top - 1; }));
    rig.Release(vk::Up);
    ASSERT_TRUE(recordUntil([&] { return ship().EngineSpeed < 30; }));
    rig.Hold(vk::Space);
    ASSERT_TRUE(recordUntil([&] { return ship().EngineSpeed == 0; }));
    rig.Frames(2);
    loops.push_back(static_cast<int>(ship().EngineSound));
    EXPECT_EQ(loops, (std::vector<int>{4, 9, 13, 6, 4, 7, 4}))
        << "once an accelerating loop plays, it stays until the top speed's takes over";
    // Every switch stops all the loops before the new one plays.
    int stopsOfTopSpeed = 0;
    for (size_t i = before; i < audio().Calls().size(); ++i)
        stopsOfTopSpeed += audio().Calls()[i].Kind == platform::AudioCallKind::SoundStop &&
                           audio().Calls()[i].Index == 13;
    EXPECT_EQ(Played(13), 1);
    EXPECT_GE(stopsOfTopSpeed, 4);

    // The bands scale with the ship's top-speed factor, 0.9545 for ship 1: from 63 (past the
    // first band's top, 65 x 0.9545 = 62.05) nothing starts until the second band's 63.95.
    rig.StartTrack(1, 1300, TDrivingRig::TRoad::Straight);
    rig.Race().Projectiles.AsteroidTimer = 1 << 30;
    rig.ReleaseAll();
    rig.Hold(vk::Up);
    ship().EngineSpeed = 63;
    loops.clear();
    ASSERT_TRUE(recordUntil([&] { return ship().EngineSpeed > 64.5; }));
    EXPECT_EQ(loops.back(), 10);
    EXPECT_EQ(std::count(loops.begin(), loops.end(), 9), 0);
}

// Ship 2 well past the speed where its own pull falls below 0.3.
TEST_F(PlayerWeapons, NitroPullsAt03WithItsOwnLoopAndFlame) {
    rig.Hold(vk::Up);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed > 100; }, 2000));
    ship().ApplyBonus(3);
    rig.Hold(vk::Letter('X'));
    rig.Frames(3);
    EXPECT_EQ(ship().EngineSound, TEngineSound::Nitro);
    EXPECT_EQ(Played(22), 1);
    double before = ship().EngineSpeed;
    rig.Frame();
    EXPECT_NEAR(ship().EngineSpeed - before, 0.3, 1e-9);
    EXPECT_TRUE(Shows(360, 490, StandInNitroFlameColour)) << "34 px behind the ship's centre";
    rig.Release(vk::Letter('X'));
    rig.Frames(3);
    before = ship().EngineSpeed;
    rig.Frame();
    EXPECT_LT(ship().EngineSpeed - before, 0.1);
    EXPECT_FALSE(Shows(360, 490, StandInNitroFlameColour));
}

// The horn sounds while H is held and stops on the first frame with H up, also when an explosion
// has cleared its flag in between (the explosion leaves the horn to the controls).
TEST_F(PlayerWeapons, TheHornStopsWhenHIsUpAlsoAfterAnExplosion) {
    rig.Hold(vk::Letter('H'));
    rig.Frames(2);
    EXPECT_TRUE(Sounding(HornSound));
    ship().LoseEnergy(4);
    rig.Release(vk::Letter('H'));
    ASSERT_TRUE(rig.FramesUntil([&] { return !ship().Destroyed; }, 400));
    rig.Frames(2);
    EXPECT_FALSE(Sounding(HornSound));
    EXPECT_EQ(Played(HornSound), 1);
}

// Opponents 361 px (five cells and a pixel) ahead of and behind the ship bring up both arrows;
// 360 px away, none. The panel warns of a bend starting at the window's top row.
TEST_F(PlayerWeapons, FarShipArrowsShowPastFiveCellsAndTurnWarningsBeforeBends) {
    const TPointD centre = rig.Track().WorldFromScreen({ship().ShipCentreX, ship().ShipCentreY});
    const auto arrows = [&](double distance) {
        opponents.Place(1, centre.X - 250, centre.Y - distance, 20);
        opponents.Place(2, centre.X - 250, centre.Y + distance, 20);
        rig.Frames(2);  // a frame's rank shows in the next frame's drawing
        const bool ahead = Shows(720, 40, StandInPanelSignColour(16));
        const bool behind = Shows(720, 174, StandInPanelSignColour(17));
        EXPECT_EQ(rig.Race().AheadIndicator, ahead);
        EXPECT_EQ(rig.Race().BehindIndicator, behind);
        return std::pair{ahead, behind};
    };
    EXPECT_EQ(arrows(361), std::pair(true, true));
    EXPECT_EQ(arrows(360), std::pair(false, false));

    TTrackMap& map = rig.Race().TrackMap;
    const int32_t top = rig.Track().ViewRow;
    for (uint8_t kind : {3, 4, 1}) {
        map.SetRowKind(top, kind);
        rig.Frame();
        EXPECT_EQ(Shows(667, 115, StandInPanelSignColour(14)), kind == 3);
        EXPECT_EQ(Shows(745, 115, StandInPanelSignColour(15)), kind == 4);
    }
}

// A road far right of the ship, one column further right on every row below the window's top
// (a bend), its left border at column left + row; the mini-map is centred on column left + 8.
TEST_F(PlayerWeapons, MiniMapKeepsTheShipsRowInTheMiddleAndMarksOpponentsBesideTheRoad) {
    TTrackMap& map = rig.Race().TrackMap;
    const int32_t top = rig.Track().ViewRow;
    const auto layBend = [&](int32_t left) {
        map.SetCentreLineX(top, (left + 8) * 72);
        for (int32_t i = 1; i <= 12; ++i) {
            for (int32_t column = left - 2; column <= left + 30; ++column)
                map.SetCell(column, top + i, TTrackMap::EmptyCell);
            map.SetCell(left + i, top + i, 2);
            map.SetCell(left + i + 1, top + i, 1);
        }
    };
    // The first piece pixel in the mini-map row's line, or -1.
    const auto pieceX = [&](int row) {
        for (int x = 600; x < 800; ++x)
            if (Shows(x, row * 18 + 14, StandInMiniMapPieceColour))
                return x;
        return -1;
    };
    const auto markerX = [&](int y) {
        for (int x = 560; x < 800; ++x)
            if (Shows(x, y, StandInMiniMapMarkerColour))
                return x;
        return -1;
    };
    for (int32_t left : {500, 540}) {
        layBend(left);
        // Opponents with their tops in the window's rows 2 and 7 show on mini-map rows 3 and 8.
        opponents.Place(1, 100, (top + 2) * 72 + 20, 20);
        opponents.Place(2, 100, (top + 7) * 72 + 20, 20);
        rig.Frame();
        EXPECT_EQ(pieceX(6), 720) << "the ship's row sits in the middle of the map";
        EXPECT_EQ(pieceX(3), 720 - 3 * 7);
        EXPECT_EQ(pieceX(8), 720 + 2 * 7);
        EXPECT_EQ(markerX(3 * 18), pieceX(3) - 9);
        EXPECT_EQ(markerX(8 * 18), pieceX(8) - 9);
    }
    // A row without a piece shows no marker, and an empty ship's row shifts nothing.
    for (int32_t column = 480; column <= 600; ++column)
        for (int32_t i = 1; i <= 12; ++i)
            map.SetCell(column, top + i, TTrackMap::EmptyCell);
    rig.Frame();
    EXPECT_EQ(markerX(3 * 18), -1);
    EXPECT_EQ(pieceX(6), -1);
}

TEST_F(PlayerWeapons, SpeedometerShowsTheEngineSpeedTimes19AndNothingBackwards) {
    const auto shown = [&] {
        std::string digits;
        for (auto [x, y] : {std::pair{645, 439}, {656, 433}, {667, 428}, {678, 423}})
            for (int digit = 0; digit <= 9; ++digit)
                if (Shows(x, y, StandInDigitColour(digit)))
                    digits += static_cast<char>('0' + digit);
        return digits;
    };
    rig.Frame();
    EXPECT_EQ(shown(), "0000");
    ship().EngineSpeed = -5;
    rig.Frame();
    EXPECT_EQ(shown(), "0000");
    ship().EngineSpeed = 160;
    rig.Frame();
    EXPECT_EQ(shown(), "3040");
    rig.StartTrack(5, 1300, TDrivingRig::TRoad::Straight);
    ship().EngineSpeed = 160 * TopSpeedFactor(5);
    rig.Frame();
    EXPECT_EQ(shown(), std::to_string(static_cast<int>(160 * TopSpeedFactor(5) * 19 + 0.5)));
}

TEST_F(PlayerWeapons, EnergyCellsShowTheCellsLeftAfterEachHit) {
    const std::pair<int, int> cells[] = {{606, 546}, {640, 511}, {693, 482}, {743, 461}};
    for (int energy = 4; energy >= 1; --energy) {
        rig.Frame();
        for (int cell = 1; cell <= 4; ++cell)
            EXPECT_EQ(Shows(cells[cell - 1].first, cells[cell - 1].second, StandInEnergyCellColour),
                      cell <= energy)
                << "cell " << cell << " with " << energy << " left";
        ship().LoseEnergy(1);
    }
    EXPECT_TRUE(ship().Destroyed);
}
