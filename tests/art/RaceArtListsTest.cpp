// Image lists 2 (race) and 3 (mini-map) as the game reads them from Data/Res/Res2.dxg and
// Res3.dxg: an image at every index, each with the pattern size, pattern count and transparency
// the race draws it with, animations that behave at their ends, and colours that keep the texts
// drawn over them readable. Also: the generator gives the same bytes every time.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "ColourContrast.h"
#include "ImageListWriter.h"
#include "engine/FileOpenError.h"
#include "engine/ImageListFile.h"
#include "engine/PatternGrid.h"
#include "platform/PixelImage.h"
#include "race/RaceLists.h"

namespace {

struct ListImage {
    TImageListEntry Entry;
    TPatternGrid Grid;
    platform::PixelImage Pixels;

    uint32_t At(int pattern, int x, int y) const {
        return Pixels.At(Grid.PatternLeft(pattern) + x, Grid.PatternTop(pattern) + y);
    }
};

std::vector<ListImage> LoadList(const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    std::vector<ListImage> images;
    for (TImageListEntry& entry :
         ParseImageList(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))) {
        ListImage image;
        image.Grid = ResolvePatternGrid(entry.PictureWidth, entry.PictureHeight, entry.PatternWidth,
                                        entry.PatternHeight, entry.SkipWidth, entry.SkipHeight);
        std::string error;
        if (!platform::DecodePng(entry.Png, image.Pixels, error))
            ADD_FAILURE() << entry.Name << ": " << error;
        image.Entry = std::move(entry);
        images.push_back(std::move(image));
    }
    return images;
}

const std::vector<ListImage>& RaceList() {
    static const std::vector<ListImage> images = LoadList("Data/Res/Res2.dxg");
    return images;
}

const std::vector<ListImage>& MiniMapList() {
    static const std::vector<ListImage> images = LoadList("Data/Res/Res3.dxg");
    return images;
}

int Alpha(uint32_t argb) {
    return static_cast<int>(argb >> 24);
}

constexpr uint32_t CaptionBlue = 0x327EF0;   // the captions drawn over the race with no panel
constexpr uint32_t ReadoutGreen = 0x60FF00;  // the panel's read-outs

// Share of a pattern's pixels with at least half opacity.
double DrawnShare(const ListImage& image, int pattern) {
    int drawn = 0;
    for (int y = 0; y < image.Grid.PatternHeight; ++y)
        for (int x = 0; x < image.Grid.PatternWidth; ++x)
            if (Alpha(image.At(pattern, x, y)) >= 128)
                ++drawn;
    return drawn / double(image.Grid.PatternWidth * image.Grid.PatternHeight);
}

bool SamePictures(const ListImage& first, int a, const ListImage& second, int b) {
    for (int y = 0; y < first.Grid.PatternHeight; ++y)
        for (int x = 0; x < first.Grid.PatternWidth; ++x)
            if (first.At(a, x, y) != second.At(b, x, y))
                return false;
    return true;
}

bool SamePatterns(const ListImage& image, int a, int b) {
    return SamePictures(image, a, image, b);
}

struct Expected {
    int Index;
    int Width, Height, Patterns;
    bool Transparent;
};

TEST(RaceArtLists, EveryRaceImageHasThePatternsTheRaceDrawsItWith) {
    const Expected expected[] = {
        {1, 72, 72, 23, true},                          // track cells, pattern n = cell code n
        {2, 225, 600, 1, false},                        // instrument panel, opaque
        {3, 18, 34, 3, true},    {4, 18, 34, 3, true},  // flames
        {5, 64, 73, 1, true},    {6, 64, 73, 1, true},   {7, 70, 67, 1, true},
        {8, 76, 70, 1, true},    {9, 73, 68, 1, true},  // level ships: exactly one pattern
        {24, 64, 73, 6, true},   {25, 64, 73, 6, true},  {27, 64, 73, 6, true},
        {28, 64, 73, 6, true},   {30, 70, 67, 6, true},  {31, 70, 67, 6, true},
        {33, 76, 70, 6, true},   {34, 76, 70, 6, true},  {36, 73, 68, 6, true},
        {37, 73, 68, 6, true},  // banked ships, the same size as level
        {11, 45, 45, 5, true},   {13, 45, 45, 5, true},  {14, 45, 45, 5, true},
        {15, 45, 45, 5, true},   {59, 45, 45, 5, true},  {60, 45, 45, 5, true},
        {61, 45, 45, 5, true},   {62, 45, 45, 5, true},  // bonuses
        {12, 36, 31, 8, true},   {23, 74, 52, 8, true},  // asteroids, drawn around their centre
        {16, 32, 32, 17, true},  {17, 32, 32, 17, true}, {18, 32, 32, 17, true},  // impacts
        {26, 10, 25, 1, true},   {29, 10, 25, 1, true},  {32, 20, 45, 1, true},
        {35, 32, 32, 1, true},  // shots and the super-shot
        {63, 64, 64, 17, true},  {64, 64, 64, 17, true}, {65, 64, 64, 17, true},  // explosions
    };
    const auto& list = RaceList();
    ASSERT_EQ(list.size(), 66u);
    for (const Expected& e : expected) {
        const ListImage& image = list[e.Index];
        EXPECT_EQ(image.Grid.PatternWidth, e.Width) << "image " << e.Index;
        EXPECT_EQ(image.Grid.PatternHeight, e.Height) << "image " << e.Index;
        EXPECT_EQ(image.Grid.PatternCount(), e.Patterns) << "image " << e.Index;
        EXPECT_EQ(image.Entry.Transparent, e.Transparent) << "image " << e.Index;
    }
    // The speedometer: ten digits no wider than the 11-pixel step between them.
    for (int index = 47; index <= 56; ++index) {
        EXPECT_EQ(list[index].Grid.PatternCount(), 1);
        EXPECT_LE(list[index].Grid.PatternWidth, 11) << "digit image " << index;
    }
}

TEST(RaceArtLists, PanelPiecesStayOnTheScreen) {
    const auto& list = RaceList();
    struct Placed {
        int Index, X, Y;
    };
    const Placed placed[] = {
        {43, 606, 546}, {44, 640, 511}, {45, 693, 482}, {46, 743, 461}, {57, 695, 404}};
    for (const Placed& p : placed) {
        const TPatternGrid& grid = list[p.Index].Grid;
        EXPECT_EQ(grid.PatternCount(), 1);
        EXPECT_LE(p.X + grid.PatternWidth, 800) << "image " << p.Index;
        EXPECT_LE(p.Y + grid.PatternHeight, 600) << "image " << p.Index;
        EXPECT_GT(DrawnShare(list[p.Index], 0), 0.1) << "image " << p.Index;
    }
    // Each energy cell ends before the next one starts, so the four read as separate cells.
    for (int cell = 0; cell < 3; ++cell)
        EXPECT_LE(placed[cell].X + list[43 + cell].Grid.PatternWidth, placed[cell + 1].X + 2);
}

TEST(RaceArtLists, EveryMiniMapImageFitsWhereTheMapDrawsIt) {
    const auto& list = MiniMapList();
    ASSERT_EQ(list.size(), 18u);
    for (const ListImage& image : list) {
        EXPECT_TRUE(image.Entry.Transparent) << image.Entry.Name;
        EXPECT_EQ(image.Grid.PatternCount(), 1) << image.Entry.Name;
    }
    for (int piece = 0; piece <= 9; ++piece)
        EXPECT_EQ(list[piece].Grid.PatternHeight, 18);
    // The road pieces that stand for a whole row carry road; the straight stacks seamlessly, so
    // its top and bottom rows are alike.
    for (int piece : {0, 2, 4, 5, 7, 9})
        EXPECT_GT(DrawnShare(list[piece], 0), 0.3) << piece;
    for (int x = 0; x < list[4].Grid.PatternWidth; ++x)
        EXPECT_EQ(Alpha(list[4].At(0, x, 0)) > 0, Alpha(list[4].At(0, x, 17)) > 0) << x;
    // The left turn warning ends left of the road, the right one before the screen's edge, and
    // the far-ship arrows leave room for the distance written 12 pixels to their right.
    EXPECT_LE(667 + list[14].Grid.PatternWidth, 716);
    EXPECT_LE(745 + list[15].Grid.PatternWidth, 800);
    EXPECT_LE(list[16].Grid.PatternWidth, 12);
    EXPECT_LE(list[17].Grid.PatternWidth, 12);
}

// Middle of the drawn run of pixels along row y of a pattern.
double DrawnMiddle(const ListImage& image, int y) {
    int left = image.Grid.PatternWidth, right = -1;
    for (int x = 0; x < image.Grid.PatternWidth; ++x)
        if (Alpha(image.At(0, x, y)) >= 128) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    return (left + right + 1) / 2.0;
}

TEST(RaceArtLists, MapRoadsStayOnTheMapsCentreLine) {
    // The map places each row's first piece so that, for the piece of row 6, x = 724 - g, with g
    // the piece's centring constant; a road centred 8 + g into its piece so lies on x 732 for
    // every kind of row. Opponent markers are placed 16 pixels left of their row's road plus
    // a shift, so they are centred 20 pixels into their picture; the player's mark is centred
    // on (732, 123) from (713, 112).
    struct Piece {
        int Index, G;
    };
    for (const Piece piece :
         {Piece{0, 9}, Piece{2, 12}, Piece{4, 4}, Piece{5, 4}, Piece{7, 7}, Piece{9, 3}})
        EXPECT_NEAR(DrawnMiddle(MiniMapList()[piece.Index], 9), 8 + piece.G, 1) << piece.Index;
    EXPECT_NEAR(DrawnMiddle(MiniMapList()[10], 6), 20, 1);
    EXPECT_NEAR(713 + DrawnMiddle(MiniMapList()[11], 11), 732, 1);
}

TEST(RaceArtLists, GaugesSitOnThePanelsUnlitSegmentsAndSockets) {
    // Every fully drawn pixel of a lit gauge lies over a dark socket or an unlit segment of the
    // panel, never over its bare metal.
    const ListImage& panel = RaceList()[2];
    struct Placed {
        int Index, X, Y;
    };
    const Placed gauges[] = {{43, 606, 546}, {44, 640, 511}, {45, 693, 482}, {46, 743, 461},
                             {55, 645, 439}, {55, 656, 433}, {55, 667, 428}, {55, 678, 423}};
    for (const Placed& gauge : gauges) {
        const ListImage& image = RaceList()[gauge.Index];
        int onMetal = 0;
        for (int y = 0; y < image.Grid.PatternHeight; ++y)
            for (int x = 0; x < image.Grid.PatternWidth; ++x)
                if (Alpha(image.At(0, x, y)) == 255 &&
                    Luminance(panel.At(0, gauge.X + x - 575, gauge.Y + y)) > 0.03)
                    ++onMetal;
        EXPECT_EQ(onMetal, 0) << "image " << gauge.Index << " at " << gauge.X;
    }
}

// Mean colour of the drawn pixels of pattern 0, as 0xRRGGBB.
uint32_t MeanColour(const ListImage& image) {
    double r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.Grid.PatternHeight; ++y)
        for (int x = 0; x < image.Grid.PatternWidth; ++x) {
            const uint32_t argb = image.At(0, x, y);
            if (Alpha(argb) < 128)
                continue;
            r += (argb >> 16) & 0xFF;
            g += (argb >> 8) & 0xFF;
            b += argb & 0xFF;
            ++n;
        }
    return static_cast<uint32_t>(r / n) << 16 | static_cast<uint32_t>(g / n) << 8 |
           static_cast<uint32_t>(b / n);
}

double ColourDistance(uint32_t a, uint32_t b) {
    auto channel = [](uint32_t c, int shift) { return double((c >> shift) & 0xFF); };
    return std::hypot(channel(a, 16) - channel(b, 16), channel(a, 8) - channel(b, 8),
                      channel(a, 0) - channel(b, 0));
}

TEST(RaceArtLists, ShipsAndBonusesAreToldApartByTheirColours) {
    for (const std::vector<int>& group :
         {std::vector<int>{5, 6, 7, 8, 9}, std::vector<int>{11, 13, 14, 15, 59, 60, 61, 62}})
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_GT(ColourDistance(MeanColour(RaceList()[group[i]]),
                                         MeanColour(RaceList()[group[j]])),
                          40)
                    << "images " << group[i] << " and " << group[j];
}

TEST(RaceArtLists, MapFramePiecesHideTheRowsScrollingOutOfTheWindow) {
    // Map rows are drawn from y 14 to 230 and x 660 on; the frames must cover y 0..32 and
    // 208..230 there completely.
    struct Frame {
        int Index, X, Y, CoverTop, CoverBottom;
    };
    for (const Frame f : {Frame{12, 598, 0, 0, 32}, Frame{13, 638, 208, 208, 230}}) {
        const ListImage& image = MiniMapList()[f.Index];
        ASSERT_GE(f.X + image.Grid.PatternWidth, 800);
        ASSERT_GE(f.Y + image.Grid.PatternHeight, f.CoverBottom);
        int holes = 0;
        for (int y = f.CoverTop; y < f.CoverBottom; ++y)
            for (int x = 660; x < 800; ++x)
                if (Alpha(image.At(0, x - f.X, y - f.Y)) != 255)
                    ++holes;
        EXPECT_EQ(holes, 0) << "frame " << f.Index;
    }
}

TEST(RaceArtLists, TheStarFieldTilesTheScreenAndKeepsCaptionsReadable) {
    const ListImage& stars = RaceList()[58];
    const int width = stars.Grid.PatternWidth, height = stars.Grid.PatternHeight;
    ASSERT_EQ(800 % width, 0);
    ASSERT_EQ(600 % height, 0);
    // Seamless: the step across the wrap is no bigger than the steps inside the picture.
    double inside = 0, seam = 0;
    for (int y = 0; y < height; ++y) {
        auto step = [&](int x0, int x1) {
            return std::abs(Luminance(stars.At(0, x0, y)) - Luminance(stars.At(0, x1, y)));
        };
        inside += step(width / 2 - 1, width / 2);
        seam += step(width - 1, 0);
    }
    EXPECT_LT(seam, inside * 2 + 1);
    int opaque = 0, readable = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            opaque += Alpha(stars.At(0, x, y)) == 255;
            readable += Contrast(stars.At(0, x, y), CaptionBlue) >= 3;
        }
    EXPECT_EQ(opaque, width * height);
    EXPECT_GT(readable, 0.95 * width * height);
}

TEST(RaceArtLists, TheFloorKeepsBlueCaptionsReadable) {
    const ListImage& track = RaceList()[1];
    int readable = 0;
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 72; ++x)
            readable += Contrast(track.At(1, x, y), CaptionBlue) >= 2.5;
    EXPECT_GT(readable, 0.9 * 72 * 72);
}

TEST(RaceArtLists, ThePanelIsDarkUnderEveryGreenReadout) {
    const ListImage& panel = RaceList()[2];
    // Screen rectangles the race's texts cover (left, top, right, bottom).
    struct Area {
        const char* What;
        int Left, Top, Right, Bottom;
    };
    const Area areas[] = {
        {"level", 634, 5, 798, 24},
        {"time", 677, 226, 771, 250},
        {"score", 649, 306, 787, 330},
        {"lives", 770, 559, 796, 591},
        {"position", 670, 191, 703, 205},
        {"distance ahead", 732, 42, 778, 55},
        {"distance behind", 732, 176, 778, 189},
    };
    for (const Area& area : areas) {
        int poor = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                poor += Contrast(panel.At(0, x - 575, y), ReadoutGreen) < 7;
        EXPECT_EQ(poor, 0) << area.What;
    }
}

TEST(RaceArtLists, AnimationsBehaveAtTheirEnds) {
    const auto& list = RaceList();
    // Flames: pattern 2 shows only when the flicker clock lands on 2.0; it repeats pattern 0.
    for (int flame : {3, 4}) {
        EXPECT_TRUE(SamePatterns(list[flame], 2, 0)) << flame;
        EXPECT_FALSE(SamePatterns(list[flame], 1, 0)) << flame;
    }
    // Bonuses loop over patterns 0..3; pattern 4 shows only at exactly 4.0 and repeats 0.
    for (int bonus : {11, 13, 14, 15, 59, 60, 61, 62}) {
        EXPECT_TRUE(SamePatterns(list[bonus], 4, 0)) << bonus;
        EXPECT_FALSE(SamePatterns(list[bonus], 2, 0)) << bonus;
    }
    // Explosions: any of frames 0..7 may start an asteroid's break-up, so each is a burst; the
    // player's wreck holds frame 16 for seconds, so it is almost empty.
    for (int blast : {63, 64, 65}) {
        for (int frame = 0; frame <= 7; ++frame)
            EXPECT_GT(DrawnShare(list[blast], frame), 0.12) << blast << " frame " << frame;
        EXPECT_LT(DrawnShare(list[blast], 16), 0.01) << blast;
    }
    // Impacts fade out by their last frame.
    for (int impact : {16, 17, 18}) {
        EXPECT_GT(DrawnShare(list[impact], 0), 0.05) << impact;
        EXPECT_LT(DrawnShare(list[impact], 16), 0.01) << impact;
    }
}

TEST(RaceArtLists, AsteroidsTurnAboutTheirCentre) {
    // Drawn upright around their centre: every frame's rock is centred in its pattern.
    for (int index : {12, 23}) {
        const ListImage& rock = RaceList()[index];
        for (int frame = 0; frame < 8; ++frame) {
            double sum = 0, sx = 0, sy = 0;
            for (int y = 0; y < rock.Grid.PatternHeight; ++y)
                for (int x = 0; x < rock.Grid.PatternWidth; ++x) {
                    const double a = Alpha(rock.At(frame, x, y));
                    sum += a;
                    sx += a * (x + 0.5);
                    sy += a * (y + 0.5);
                }
            ASSERT_GT(sum, 0);
            EXPECT_NEAR(sx / sum, rock.Grid.PatternWidth / 2.0, 1.5) << index << " " << frame;
            EXPECT_NEAR(sy / sum, rock.Grid.PatternHeight / 2.0, 1.5) << index << " " << frame;
        }
        EXPECT_FALSE(SamePatterns(rock, 0, 1)) << index;
    }
}

// Width of the drawn part of a pattern: from its leftmost to its rightmost visible pixel.
int DrawnWidth(const ListImage& image, int pattern) {
    int left = image.Grid.PatternWidth, right = -1;
    for (int y = 0; y < image.Grid.PatternHeight; ++y)
        for (int x = 0; x < image.Grid.PatternWidth; ++x)
            if (Alpha(image.At(pattern, x, y)) >= 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}

TEST(RaceArtLists, ShipsRollFurtherTheDeeperTheBankAndCarryTheirNozzleWhereTheFlameStarts) {
    struct Ship {
        int Level, Left, Right;
        double FlameOffset;  // the flame's top edge, pixels behind the ship's centre (34 x 34 / c)
    };
    const Ship ships[] = {{5, 24, 25, 34.0 * 34 / 38},
                          {6, 27, 28, 34.0 * 34 / 34},
                          {7, 30, 31, 34.0 * 34 / 64},
                          {8, 33, 34, 34.0 * 34 / 70},
                          {9, 36, 37, 34.0 * 34 / 38}};
    const auto& list = RaceList();
    for (const Ship& ship : ships) {
        const ListImage& level = list[ship.Level];
        for (int banked : {ship.Left, ship.Right}) {
            // Pattern 0 is the deepest bank, pattern 5 almost level: the wings foreshorten.
            EXPECT_LT(DrawnWidth(list[banked], 0), DrawnWidth(list[banked], 5)) << banked;
            EXPECT_LE(DrawnWidth(list[banked], 5), DrawnWidth(level, 0)) << banked;
        }
        // Rolled left is not rolled right: the light and the shifted cockpit tell them apart.
        EXPECT_FALSE(SamePictures(list[ship.Left], 0, list[ship.Right], 0)) << ship.Left;
        // The nozzle: drawn on the centre line just above where the flame's top edge lies.
        const int x = level.Grid.PatternWidth / 2;
        const int y = static_cast<int>(level.Grid.PatternHeight / 2.0 + ship.FlameOffset) - 2;
        EXPECT_EQ(Alpha(level.At(0, x, y)), 255) << "ship image " << ship.Level;
    }
}

TEST(RaceArtLists, NoVisiblePixelTurnsIntoTheKeyColourOnA16BitDisplay) {
    for (const auto* list : {&RaceList(), &MiniMapList()})
        for (const ListImage& image : *list) {
            if (!image.Entry.Transparent)
                continue;
            int holes = 0;
            for (uint32_t argb : image.Pixels.Argb)
                if (Alpha(argb) > 0 &&
                    (argb & 0xF8FCF8) == (image.Entry.TransparentColor & 0xF8FCF8))
                    ++holes;
            EXPECT_EQ(holes, 0) << image.Entry.Name;
        }
}

TEST(RaceArtLists, TheGeneratorGivesTheSameBytesEveryTime) {
    const std::vector<uint8_t> race = SerializeImageList(BuildRaceList());
    EXPECT_EQ(race, SerializeImageList(BuildRaceList()));
    // ... and the same as the build's own run wrote.
    const std::string written = ReadWholeFile("Data/Res/Res2.dxg");
    EXPECT_EQ(race, std::vector<uint8_t>(written.begin(), written.end()));
    const std::vector<uint8_t> miniMap = SerializeImageList(BuildMiniMapList());
    EXPECT_EQ(miniMap, SerializeImageList(BuildMiniMapList()));
}

}  // namespace
