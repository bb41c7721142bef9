#pragma once
// Captions baked into pictures: the menus draw no text of their own for buttons, titles and
// labels, so every word the player reads on them is drawn here, in the game's caption face.

#include <cairo.h>

#include <cstdint>
#include <string>

namespace menu {

enum class Align { Left, Centre, Right };

struct CaptionStyle {
    double PixelSize = 24;
    bool Slanted = true;
    double Tracking = 0;  // extra pixels between letters
    uint32_t FillTop = 0xFFFFFF;
    uint32_t FillBottom = 0xFFFFFF;
    uint32_t Edge = 0x000000;
    double EdgeWidth = 0;  // 0: no dark edge
    uint32_t Glow = 0x000000;
    double GlowReach = 0;     // 0: no glow
    double ShadowOffset = 0;  // 0: no drop shadow
};

// Silver caption of a control in its normal look, white on amber in its highlighted look.
CaptionStyle ButtonCaption(double pixelSize, bool highlighted);

// Width in pixels of text set in the style, tracking included.
double CaptionWidth(cairo_t* context, const std::string& text, const CaptionStyle& style);

// Draws text whose capitals are vertically centred on centreY; x is the left edge, the centre or
// the right edge according to align.
void DrawCaption(cairo_t* context, const std::string& text, double x, double centreY, Align align,
                 const CaptionStyle& style);

}  // namespace menu
