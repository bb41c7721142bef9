#include "ContactSheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "KeyedPicture.h"
#include "engine/PatternGrid.h"

namespace {

// Layout, pixels.
constexpr int SheetWidth = 1600;
constexpr int Margin = 16;
constexpr int ThumbHeight = 120;  // the picture area of a cell
constexpr int LabelHeight = 40;   // two lines of text under it
constexpr int MinCellWidth = 170;
constexpr int CellGap = 12;
constexpr int HeaderHeight = 44;
constexpr int SmallSide = 40;  // pictures smaller than this are enlarged
constexpr int CheckerSquare = 8;

struct Cell {
    const TImageListEntry* Image;
    int Index;
    double Scale;
    int X, Y, Width;
};

double ThumbScale(const TImageListEntry& image) {
    const int longest = std::max(image.PictureWidth, image.PictureHeight);
    if (longest < SmallSide)
        return std::min(4, 80 / longest);  // whole pixels stay crisp
    return std::min({1.0, static_cast<double>(ThumbHeight) / image.PictureHeight,
                     static_cast<double>(SheetWidth - 2 * Margin) / image.PictureWidth});
}

// Places the cells of every list in rows; returns the sheet's height.
int Layout(const std::vector<ListedFile>& lists, std::vector<std::vector<Cell>>& placed) {
    int y = Margin;
    for (const ListedFile& list : lists) {
        std::vector<Cell> cells;
        y += HeaderHeight;
        int x = Margin;
        for (size_t index = 0; index < list.Images.size(); ++index) {
            const TImageListEntry& image = list.Images[index];
            const double scale = ThumbScale(image);
            const int width =
                std::max(MinCellWidth, static_cast<int>(std::ceil(image.PictureWidth * scale)));
            if (x + width > SheetWidth - Margin && x > Margin) {
                x = Margin;
                y += ThumbHeight + LabelHeight + CellGap;
            }
            cells.push_back({&image, static_cast<int>(index), scale, x, y, width});
            x += width + CellGap;
        }
        y += ThumbHeight + LabelHeight + CellGap + Margin;
        placed.push_back(std::move(cells));
    }
    return y;
}

void Checkerboard(cairo_t* context, double x, double y, double width, double height) {
    cairo_save(context);
    cairo_rectangle(context, x, y, width, height);
    cairo_clip(context);
    cairo_set_source_rgb(context, 0.16, 0.16, 0.18);
    cairo_paint(context);
    cairo_set_source_rgb(context, 0.24, 0.24, 0.27);
    for (int row = 0; row * CheckerSquare < height; ++row)
        for (int column = row % 2; column * CheckerSquare < width; column += 2)
            cairo_rectangle(context, x + column * CheckerSquare, y + row * CheckerSquare,
                            CheckerSquare, CheckerSquare);
    cairo_fill(context);
    cairo_restore(context);
}

void Label(cairo_t* context, const std::string& text, double x, double y, double size, bool bold) {
    cairo_select_font_face(context, "Nimbus Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(context, size);
    cairo_move_to(context, x, y);
    cairo_show_text(context, text.c_str());
}

void PatternLines(cairo_t* context, const TPatternGrid& grid, double x, double y, double scale) {
    if (grid.PatternCount() <= 1)
        return;
    for (int pattern = 0; pattern < grid.PatternCount(); ++pattern)
        cairo_rectangle(context, x + grid.PatternLeft(pattern) * scale + 0.5,
                        y + grid.PatternTop(pattern) * scale + 0.5, grid.PatternWidth * scale - 1,
                        grid.PatternHeight * scale - 1);
    cairo_set_line_width(context, 1);
    cairo_set_source_rgba(context, 0.2, 0.9, 1.0, 0.7);
    cairo_stroke(context);
}

void DrawCell(cairo_t* context, const Cell& cell) {
    const TImageListEntry& image = *cell.Image;
    const double width = image.PictureWidth * cell.Scale;
    const double height = image.PictureHeight * cell.Scale;
    const double x = cell.X;
    const double y = cell.Y + (ThumbHeight - height) / 2;
    Checkerboard(context, x, y, width, height);
    if (CairoSurface picture = DecodeKeyedPicture(image)) {
        cairo_save(context);
        cairo_translate(context, x, y);
        cairo_scale(context, cell.Scale, cell.Scale);
        cairo_set_source_surface(context, picture.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(context),
                                 cell.Scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(context);
        cairo_restore(context);
    } else {
        cairo_set_source_rgb(context, 1, 0.2, 0.2);
        Label(context, "unreadable PNG", x + 4, y + height / 2, 12, true);
    }
    const TPatternGrid grid =
        ResolvePatternGrid(image.PictureWidth, image.PictureHeight, image.PatternWidth,
                           image.PatternHeight, image.SkipWidth, image.SkipHeight);
    PatternLines(context, grid, x, y, cell.Scale);

    const double textY = cell.Y + ThumbHeight + 15;
    cairo_set_source_rgb(context, 1, 0.78, 0.3);
    Label(context, std::to_string(cell.Index), x, textY, 14, true);
    cairo_set_source_rgb(context, 0.92, 0.94, 0.97);
    Label(context, image.Name, x + 30, textY, 12, false);
    std::string details =
        std::to_string(image.PictureWidth) + "x" + std::to_string(image.PictureHeight);
    if (grid.PatternCount() != 1)
        details += "  " + std::to_string(grid.PatternCount()) + " of " +
                   std::to_string(grid.PatternWidth) + "x" + std::to_string(grid.PatternHeight);
    details += image.Transparent ? "  keyed" : "  opaque";
    cairo_set_source_rgb(context, 0.6, 0.65, 0.72);
    Label(context, details, x, textY + 16, 11, false);
}

}  // namespace

void WriteContactSheet(const std::vector<ListedFile>& lists, const std::string& path) {
    std::vector<std::vector<Cell>> placed;
    const int height = Layout(lists, placed);
    CairoSurface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, SheetWidth, height));
    cairo_t* context = cairo_create(sheet.get());
    cairo_set_source_rgb(context, 0.07, 0.075, 0.09);
    cairo_paint(context);
    for (size_t list = 0; list < lists.size(); ++list) {
        const int top = placed[list].empty() ? Margin : placed[list].front().Y - HeaderHeight;
        cairo_set_source_rgb(context, 1, 1, 1);
        Label(context,
              lists[list].Title + "  (" + std::to_string(lists[list].Images.size()) + " images)",
              Margin, top + 28, 20, true);
        for (const Cell& cell : placed[list])
            DrawCell(context, cell);
    }
    cairo_destroy(context);
    if (cairo_surface_write_to_png(sheet.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}
