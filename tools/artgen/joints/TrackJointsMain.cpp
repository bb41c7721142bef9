// zorvex_track_joints <sheet.png> <Res2.dxg>: draws every two track pieces that the track
// generator puts side by side or one above the other, then the four pieces round every point
// where cells meet in a bend (diagonal neighbours both ways, the corner blocks among them), as
// the game would draw them, from the list file through the game's own loader, labelled with
// their cell codes, on one sheet for looking at the joints.

#include <cairo.h>

#include <array>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "KeyedPicture.h"
#include "ListFile.h"
#include "TrackNeighbours.h"
#include "engine/PatternGrid.h"

namespace {

constexpr int Cell = 72;    // track pattern size, pixels
constexpr int Zoom = 2;     // pixels of the sheet per picture pixel
constexpr int Columns = 8;  // pairs per row of the sheet
constexpr int PairBox = 2 * Cell * Zoom + 24;
constexpr int LabelHeight = 22;
constexpr int Margin = 16;
constexpr int HeaderHeight = 40;

// Two pieces side by side or stacked, or the four round a bend corner (Second is unused then).
struct Pair {
    int First, Second;
    bool Stacked;
    std::array<int, 4> Corner = {};
    bool IsCorner = false;
};

void Text(cairo_t* context, const std::string& text, double x, double y, double size) {
    cairo_select_font_face(context, "Nimbus Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(context, size);
    cairo_move_to(context, x, y);
    cairo_show_text(context, text.c_str());
}

// Draws one track pattern at (x, y), enlarged with crisp pixels.
void Piece(cairo_t* context, cairo_surface_t* track, const TPatternGrid& grid, int code, double x,
           double y) {
    cairo_save(context);
    cairo_translate(context, x, y);
    cairo_rectangle(context, 0, 0, Cell * Zoom, Cell * Zoom);
    cairo_clip(context);
    cairo_scale(context, Zoom, Zoom);
    cairo_set_source_surface(context, track, -grid.PatternLeft(code), -grid.PatternTop(code));
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_NEAREST);
    cairo_paint(context);
    cairo_restore(context);
}

void WriteSheet(const std::string& path, const TImageListEntry& image) {
    const CairoSurface track = DecodeKeyedPicture(image);
    if (!track)
        throw std::runtime_error("the track picture is not a readable PNG");
    const TPatternGrid grid =
        ResolvePatternGrid(image.PictureWidth, image.PictureHeight, image.PatternWidth,
                           image.PatternHeight, image.SkipWidth, image.SkipHeight);
    const TrackNeighbourPairs neighbours = GeneratedTrackNeighbours();
    std::vector<Pair> pairs;
    for (auto [left, right] : neighbours.Beside)
        pairs.push_back({left, right, false});
    for (auto [upper, lower] : neighbours.Stacked)
        pairs.push_back({upper, lower, true});
    for (const std::array<int, 4>& corner : neighbours.Corners)
        pairs.push_back({corner[0], corner[1], true, corner, true});

    const int rows = (static_cast<int>(pairs.size()) + Columns - 1) / Columns;
    const int width = 2 * Margin + Columns * PairBox;
    const int height = 2 * Margin + HeaderHeight + rows * (PairBox + LabelHeight);
    CairoSurface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    cairo_t* context = cairo_create(sheet.get());
    // A dark violet backdrop, close to the star field, so open space reads as open space.
    cairo_set_source_rgb(context, 0.05, 0.04, 0.10);
    cairo_paint(context);
    cairo_set_source_rgb(context, 1, 1, 1);
    Text(
        context,
        "Track joints: every pair of pieces the generator places (left|right, upper over lower), "
        "then the four round every bend corner (upper left, upper right / lower left, lower right)",
        Margin, Margin + 20, 18);
    for (size_t i = 0; i < pairs.size(); ++i) {
        const Pair& pair = pairs[i];
        const double x = Margin + static_cast<int>(i % Columns) * PairBox;
        const double y =
            Margin + HeaderHeight + static_cast<int>(i / Columns) * (PairBox + LabelHeight);
        const double offset = (PairBox - 24 - (pair.Stacked ? Cell * Zoom : 2 * Cell * Zoom)) / 2.0;
        std::string label;
        if (pair.IsCorner) {
            // Four pieces round the point where they meet; empty space stays open.
            const double left = x + (PairBox - 24 - 2 * Cell * Zoom) / 2.0;
            for (int i = 0; i < 4; ++i)
                if (pair.Corner[static_cast<size_t>(i)] != NoPiece)
                    Piece(context, track.get(), grid, pair.Corner[static_cast<size_t>(i)],
                          left + (i % 2) * Cell * Zoom, y + (i / 2) * Cell * Zoom);
            auto code = [&](size_t i) {
                return pair.Corner[i] == NoPiece ? std::string("-")
                                                 : std::to_string(pair.Corner[i]);
            };
            label = code(0) + " " + code(1) + " / " + code(2) + " " + code(3);
        } else {
            // Side-by-side pairs sit on the same baseline as the stacked ones.
            const double top = pair.Stacked ? y : y + Cell * Zoom;
            Piece(context, track.get(), grid, pair.First, x + offset, top);
            if (pair.Stacked)
                Piece(context, track.get(), grid, pair.Second, x + offset, top + Cell * Zoom);
            else
                Piece(context, track.get(), grid, pair.Second, x + offset + Cell * Zoom, top);
            label = std::to_string(pair.First) + (pair.Stacked ? " over " : " | ") +
                    std::to_string(pair.Second);
        }
        cairo_set_source_rgb(context, 1, 0.78, 0.3);
        Text(context, label, pair.IsCorner ? x : x + offset, y + 2 * Cell * Zoom + 16, 14);
    }
    cairo_destroy(context);
    if (cairo_surface_write_to_png(sheet.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <sheet.png> <Res2.dxg>\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<TImageListEntry> race = LoadImageListFile(argv[2]);
        if (race.size() < 2)
            throw std::runtime_error(std::string(argv[2]) + " holds no track picture");
        WriteSheet(argv[1], race[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex_track_joints: %s\n", error.what());
        return 1;
    }
    return 0;
}
