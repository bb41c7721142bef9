#include "DrivingRig.h"

#include "StandInMedia.h"
#include "platform/Keys.h"
#include "race/StarField.h"

namespace {
constexpr int RaceImageList = 2;
constexpr int TrackImage = 1;
constexpr int MiniMapImageList = 3;
const char* const RaceImageListPath = "Data/Res/Res2.dxg";
const char* const MiniMapImageListPath = "Data/Res/Res3.dxg";
const char* const SoundListFilePath = "Data/Res/Sounds.dxw";
constexpr int32_t StartColumn = 320;  // the start straight's left wall
constexpr int32_t StartLineRow = 1481;
constexpr uint8_t StraightRow[] = {2, 1, 1, 1, 1, 3};
}  // namespace

TDrivingRig::TDrivingRig(uint32_t seed, TMedia media) : harness_(seed, false) {
    TMForm& form = harness_.Form();
    TImageList& raceImages = form.MDXImageLists[RaceImageList - 1];
    TImageList& miniMapImages = form.MDXImageLists[MiniMapImageList - 1];
    if (media == TMedia::Generated) {
        raceImages.LoadFromFile(RaceImageListPath, form.MDXDraw.BackSurface());
        miniMapImages.LoadFromFile(MiniMapImageListPath, form.MDXDraw.BackSurface());
        form.MDXWaveList.LoadFromFile(SoundListFilePath);
    } else {
        raceImages.LoadFromBytes(StandInRaceImageList(), "stand-in", form.MDXDraw.BackSurface());
        miniMapImages.LoadFromBytes(StandInMiniMapImageList(), "stand-in",
                                    form.MDXDraw.BackSurface());
        form.MDXWaveList.LoadFromBytes(StandInSoundList(), "stand-in");
    }
    SetFrameTiming(11, 1.0);
    race_ = std::make_unique<TRaceState>(form.MDXWaveList);
}

void TDrivingRig::StartTrack(int32_t shipType, int32_t trackLength, TRoad road) {
    TGameServices& services = harness_.Form().Services;
    TRaceState& race = *race_;
    race.ShipType = shipType;
    race.TrackLength = trackLength;
    race.CollisionFrame = true;
    race.FrameCounter = 0;
    if (!race.Track) {
        race.Track = NewSprite<TScrollBackground>(services, RaceImageList, TrackImage,
                                                  TScrollBackground::ViewColumns,
                                                  TScrollBackground::ViewRows, &race);
        race.StarField = CreateStarField(services);
    }
    race.Track->X = race.Track->Y = 0;
    race.Track->GenerateTrack();
    if (road == TRoad::Straight)
        LayStraightRoad();
    race.Projectiles.ClearProjectiles();
    if (race.Player)
        race.Player->Kill();
    race.Player = NewSprite<TPlayer>(services, race, PlayerScreenX, PlayerScreenY);
    harness_.Form().MDXSpriteEngine.SweepDead();
}

TCar& TDrivingRig::StartOpponents(int32_t level) {
    TRaceState& race = *race_;
    race.Level = level;
    if (cars_)
        cars_->Kill();
    cars_ = NewSprite<TCar>(harness_.Form().Services, race);
    race.Opponents = cars_;
    harness_.Form().MDXSpriteEngine.SweepDead();
    return *cars_;
}

// The start straight's columns on every row, keeping the start and finish lines.
void TDrivingRig::LayStraightRoad() {
    TTrackMap& map = race_->TrackMap;
    TRandom random(1);
    TTrackGenerator generator(map, random);
    for (int32_t row = TTrackMap::Rows - 1; row >= 1; --row) {
        if (row == StartLineRow)
            continue;
        for (int32_t column = 1; column <= TTrackMap::Columns; ++column)
            map.SetCell(column, row, TTrackMap::EmptyCell);
        for (int32_t i = 0; i < 6; ++i)
            map.SetCell(StartColumn + i, row, StraightRow[i]);
        map.SetRowKind(row, 1);
    }
    generator.DrawFinishLine(race_->FinishLineRow());
    race_->Track->CopyViewToChips();
}

void TDrivingRig::Hold(uint16_t key) {
    harness_.Backend().Keys().SetHeld(key, true);
}
void TDrivingRig::Release(uint16_t key) {
    harness_.Backend().Keys().SetHeld(key, false);
}

void TDrivingRig::ReleaseAll() {
    using namespace platform::vk;
    for (uint16_t key :
         {Left, Right, Up, Down, Space, Control, Shift, Letter('Z'), Letter('X'), Letter('H')})
        Release(key);
}

void TDrivingRig::ReadControls() {
    using namespace platform::vk;
    platform::Keyboard& keyboard = harness_.Form().MDXInput;
    keyboard.Read();
    race_->Controls = {
        .Left = keyboard.IsDown(Left),
        .Right = keyboard.IsDown(Right),
        .Accelerate = keyboard.IsDown(Up),
        .Brake = keyboard.IsDown(Down),
        .Handbrake = keyboard.IsDown(Space),
        .Fire = keyboard.IsDown(Letter('Z')) || keyboard.IsDown(Control),
        .Nitro = keyboard.IsDown(Letter('X')) || keyboard.IsDown(Shift),
        .Horn = keyboard.IsDown(Letter('H')),
    };
}

// The race's own steps after the move pass: the collision-frame count, the keys into the ship's
// control flags, the track's velocity from the ship, and the window into the chip map for the
// next draw.
void TDrivingRig::Frame(int32_t lagCount) {
    TMForm& form = harness_.Form();
    harness_.Backend().AdvanceClock(static_cast<uint64_t>(lagCount));
    form.MDXDraw.BackSurface().Clear(0x000000);
    form.MDXSpriteEngine.DrawAll();
    ReadControls();
    form.MDXSpriteEngine.MoveAll(lagCount);
    race_->CountCollisionFrame();
    race_->Player->ReadControls(race_->Controls);
    race_->FollowPlayer();
    race_->Track->CopyViewToChips();
    form.MDXSpriteEngine.SweepDead();
}

void TDrivingRig::Frames(int count, int32_t lagCount) {
    for (int i = 0; i < count; ++i)
        Frame(lagCount);
}

void TDrivingRig::SetFrameTiming(int32_t frameTime, double frameFactor) {
    harness_.Form().Timing = {.FrameTime = frameTime, .FrameFactor = frameFactor};
}

// The picture of the last frame drawn, with this frame's window: drawn once more first.
bool TDrivingRig::SaveScreenshot(const std::string& path) {
    TMForm& form = harness_.Form();
    form.MDXDraw.BackSurface().Clear(0x000000);
    form.MDXSpriteEngine.DrawAll();
    return harness_.SaveScreenshot(path);
}
