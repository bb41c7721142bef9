#include "StandInMedia.h"

#include <vector>

#include "SoundListWriter.h"
#include "harness/ImageListTestFiles.h"

namespace {

constexpr int RaceImageCount = 66;
constexpr int MiniMapImageCount = 18;
constexpr int SoundCount = 27;
constexpr int SpeedometerDigitImage = 47;
constexpr int EnergyCellImage = 42;
constexpr int MiniMapMarkerImage = 10;
constexpr int NitroFlameImage = 4;

struct TStandIn {
    int Index;
    int PatternWidth;
    int PatternHeight;
    int Patterns;  // in one row
};

// The ships' pictures are 64 x 73, 64 x 73, 70 x 67, 76 x 70 and 73 x 68.
constexpr TStandIn StandIns[] = {
    {1, 72, 72, 23},                   // track tiles
    {3, 18, 34, 3},   {4, 18, 34, 3},  // flames
    {5, 64, 73, 1},   {6, 64, 73, 1},   {7, 70, 67, 1},   {8, 76, 70, 1},
    {9, 73, 68, 1},   {24, 64, 73, 6},  {25, 64, 73, 6},  {27, 64, 73, 6},
    {28, 64, 73, 6},  {30, 70, 67, 6},  {31, 70, 67, 6},  {33, 76, 70, 6},
    {34, 76, 70, 6},  {36, 73, 68, 6},  {37, 73, 68, 6},  {58, 200, 200, 1},  // star field
    {63, 64, 64, 17}, {64, 64, 64, 17}, {65, 64, 64, 17},                     // explosions
};

}  // namespace

std::string StandInRaceImageList() {
    std::vector<ImageRecord> records(RaceImageCount, SolidRecord(1, 1, 0xFF000000));
    for (const TStandIn& image : StandIns)
        records[image.Index] = SolidRecord(image.PatternWidth * image.Patterns, image.PatternHeight,
                                           0xFF808080, image.PatternWidth, image.PatternHeight);
    records[NitroFlameImage] = SolidRecord(18 * 3, 34, StandInNitroFlameColour, 18, 34);
    for (int digit = 0; digit <= 9; ++digit)
        records[SpeedometerDigitImage + digit] = SolidRecord(1, 1, StandInDigitColour(digit));
    for (int cell = 1; cell <= 4; ++cell)
        records[EnergyCellImage + cell] = SolidRecord(1, 1, StandInEnergyCellColour);
    return Serialized(records);
}

std::string StandInMiniMapImageList() {
    std::vector<ImageRecord> records(MiniMapImageCount, SolidRecord(1, 1, 0xFF000000));
    for (int piece = 0; piece <= 9; ++piece)
        records[piece] = SolidRecord(1, 1, StandInMiniMapPieceColour);
    records[MiniMapMarkerImage] = SolidRecord(1, 1, StandInMiniMapMarkerColour);
    for (int sign = 14; sign <= 17; ++sign)
        records[sign] = SolidRecord(1, 1, StandInPanelSignColour(sign));
    return Serialized(records);
}

std::string StandInSoundList() {
    SoundRecord silence;
    silence.Name = "silence";
    silence.Samples.assign(64, 0);
    const std::vector<uint8_t> bytes =
        SerializeSoundList(std::vector<SoundRecord>(SoundCount, silence));
    return std::string(bytes.begin(), bytes.end());
}
