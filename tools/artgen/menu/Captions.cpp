#include "menu/Captions.h"

#include "kit/ArtKit.h"
#include "menu/MenuPalette.h"

namespace menu {

namespace {

void SelectCaptionFace(cairo_t* context, const CaptionStyle& style) {
    if (style.Slanted)
        art::SelectSlantedFace(context, art::Face::NewZelek, style.PixelSize, true);
    else
        art::SelectFace(context, art::Face::NewZelek, style.PixelSize, true);
}

// Appends the letters one by one so that tracking can widen the spacing.
void AppendTextPath(cairo_t* context, const std::string& text, double left, double baseline,
                    double tracking) {
    double x = left;
    for (char letter : text) {
        const char glyph[2] = {letter, '\0'};
        cairo_move_to(context, x, baseline);
        cairo_text_path(context, glyph);
        cairo_text_extents_t extents;
        cairo_text_extents(context, glyph, &extents);
        x += extents.x_advance + tracking;
    }
}

}  // namespace

CaptionStyle ButtonCaption(double pixelSize, bool highlighted) {
    CaptionStyle style;
    style.PixelSize = pixelSize;
    style.Tracking = pixelSize * 0.06;
    if (highlighted) {
        style.FillTop = CaptionWhite;
        style.FillBottom = CaptionWarmWhite;
        style.Edge = AmberInk;
        style.EdgeWidth = 3.0;
        style.ShadowOffset = 2.0;
    } else {
        style.FillTop = CaptionSilverTop;
        style.FillBottom = CaptionSilverBottom;
        style.Edge = CaptionEdge;
        style.EdgeWidth = 2.5;
        style.ShadowOffset = 1.5;
    }
    return style;
}

double CaptionWidth(cairo_t* context, const std::string& text, const CaptionStyle& style) {
    cairo_save(context);
    SelectCaptionFace(context, style);
    cairo_text_extents_t extents;
    cairo_text_extents(context, text.c_str(), &extents);
    cairo_restore(context);
    const double gaps = text.empty() ? 0 : static_cast<double>(text.size() - 1);
    return extents.x_advance + style.Tracking * gaps;
}

void DrawCaption(cairo_t* context, const std::string& text, double x, double centreY, Align align,
                 const CaptionStyle& style) {
    const double width = CaptionWidth(context, text, style);
    cairo_save(context);
    SelectCaptionFace(context, style);
    // Centre on the height of a capital, so that every caption of a row sits on one line.
    cairo_text_extents_t capital;
    cairo_text_extents(context, "H", &capital);
    const double baseline = centreY + capital.height / 2;
    const double left = align == Align::Left    ? x
                        : align == Align::Right ? x - width
                                                : x - width / 2;
    cairo_new_path(context);
    AppendTextPath(context, text, left, baseline, style.Tracking);
    cairo_path_t* letters = cairo_copy_path(context);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);

    if (style.GlowReach > 0) {
        for (int layer = 4; layer >= 1; --layer) {
            cairo_new_path(context);
            cairo_append_path(context, letters);
            cairo_set_line_width(context, style.GlowReach * layer / 2.0);
            art::SetColour(context, style.Glow, 0.10);
            cairo_stroke(context);
        }
    }
    if (style.ShadowOffset > 0) {
        cairo_save(context);
        cairo_translate(context, style.ShadowOffset * 0.6, style.ShadowOffset);
        cairo_new_path(context);
        cairo_append_path(context, letters);
        cairo_set_line_width(context, style.EdgeWidth);
        cairo_set_source_rgba(context, 0, 0, 0, 0.6);
        cairo_fill_preserve(context);
        cairo_stroke(context);
        cairo_restore(context);
    }
    if (style.EdgeWidth > 0) {
        cairo_new_path(context);
        cairo_append_path(context, letters);
        cairo_set_line_width(context, style.EdgeWidth);
        art::SetColour(context, style.Edge);
        cairo_stroke(context);
    }
    cairo_new_path(context);
    cairo_append_path(context, letters);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, baseline - capital.height, 0, baseline);
    art::AddColourStop(fill, 0, style.FillTop);
    art::AddColourStop(fill, 1, style.FillBottom);
    cairo_set_source(context, fill);
    cairo_fill(context);
    cairo_pattern_destroy(fill);
    cairo_path_destroy(letters);
    cairo_restore(context);
}

}  // namespace menu
