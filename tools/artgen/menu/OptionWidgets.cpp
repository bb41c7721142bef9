#include "menu/OptionWidgets.h"

#include <cmath>

#include "menu/Captions.h"
#include "menu/MenuIcons.h"
#include "menu/MenuPalette.h"
#include "menu/Plates.h"

namespace menu {

namespace {

constexpr int StateHeight = 32;

CaptionStyle SegmentCaption(bool lit) {
    CaptionStyle style = ButtonCaption(13, lit);
    if (!lit) {
        // An unselected choice reads as "available", not as a second selection.
        style.FillTop = 0x8A94A6;
        style.FillBottom = CaptionDim;
        style.ShadowOffset = 0;
    }
    return style;
}

// One choice of a segmented switch: lit as a highlighted plate, or sunk into the panel.
void PaintSegment(cairo_t* context, const Box& box, const Chamfer& cut, const char* caption,
                  bool lit) {
    const Path outline = ChamferedOutline(context, box, cut);
    if (lit)
        PaintPlate(context, outline, box, Look::Highlighted);
    else
        PaintInset(context, outline, box, FieldInterior);
    DrawCaption(context, caption, box.X + box.Width / 2, box.Y + box.Height / 2, Align::Centre,
                SegmentCaption(lit));
}

}  // namespace

art::Surface DrawDisplayState(bool fullScreen) {
    const int width = 230;
    art::Surface picture = art::NewSurface(width, StateHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    // The lit segment's halo needs a few pixels of room on every side.
    PaintSegment(context, {4, 4, 96, StateHeight - 8.0}, {8, 0, 0, 0}, "WINDOW", !fullScreen);
    PaintSegment(context, {102, 4, width - 106.0, StateHeight - 8.0}, {0, 0, 8, 0}, "FULL SCREEN",
                 fullScreen);
    return picture;
}

art::Surface DrawSwitch(SwitchKind kind, bool on) {
    const int width = 120;
    art::Surface picture = art::NewSurface(width, StateHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();

    art::SetColour(context, on ? AmberPale : CaptionDim);
    DrawIcon(context, kind == SwitchKind::Music ? Icon::Music : Icon::Sound, 16, StateHeight / 2.0,
             22);

    // The toggle: a track with a chrome knob at the right when on, at the left when off.
    const Box track{36, 5, 78, StateHeight - 10.0};
    const double radius = track.Height / 2;
    cairo_new_path(context);
    art::RoundedRectangle(context, track.X, track.Y, track.Width, track.Height, radius);
    const Path outline(cairo_copy_path(context));
    cairo_new_path(context);
    if (on)
        PaintPlate(context, outline, track, Look::Highlighted);
    else
        PaintInset(context, outline, track, FieldInterior);
    const CaptionStyle caption = SegmentCaption(on);
    const double knobX = on ? track.X + track.Width - radius : track.X + radius;
    DrawCaption(context, on ? "ON" : "OFF",
                on ? track.X + (track.Width - 2 * radius) / 2 + 2
                   : track.X + 2 * radius + (track.Width - 2 * radius) / 2 - 2,
                track.Y + radius, Align::Centre, caption);
    const double knobY = track.Y + radius;
    cairo_arc(context, knobX, knobY + 1, radius - 1, 0, 2 * M_PI);
    cairo_set_source_rgba(context, 0, 0, 0, 0.6);
    cairo_fill(context);
    cairo_arc(context, knobX, knobY, radius - 1.5, 0, 2 * M_PI);
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, track.Y, 0, track.Y + track.Height);
    art::AddColourStop(chrome, 0, 0xFFFFFF);
    art::AddColourStop(chrome, 0.5, 0x9AA6B8);
    art::AddColourStop(chrome, 1, 0xDDE4EE);
    cairo_set_source(context, chrome);
    cairo_fill(context);
    cairo_pattern_destroy(chrome);
    // A status light in the knob: green when on, red when off.
    cairo_arc(context, knobX, knobY, 3, 0, 2 * M_PI);
    art::SetColour(context, on ? LightOn : LightOff);
    cairo_fill(context);
    return picture;
}

art::Surface DrawTextField(int width, int height) {
    art::Surface picture = art::NewSurface(width, height);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    const Box bezel{1, 1, width - 2.0, height - 3.0};
    const Path bezelOutline = ChamferedOutline(context, bezel, {8, 0, 8, 0});
    PaintPlate(context, bezelOutline, bezel, Look::Normal);
    const Box slot{6, 6, width - 12.0, height - 13.0};
    const Path slotOutline = ChamferedOutline(context, slot, {5, 0, 5, 0});
    PaintInset(context, slotOutline, slot, FieldInterior);
    PaintCornerTicks(context, slot, 5, 3, Amber, 0.7);
    return picture;
}

art::Surface DrawTextCursor() {
    art::Surface picture = art::NewSurface(3, 24);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    cairo_pattern_t* bar = cairo_pattern_create_linear(0, 0, 0, 24);
    art::AddColourStop(bar, 0, AmberPale);
    art::AddColourStop(bar, 1, Amber);
    cairo_set_source(context, bar);
    cairo_paint(context);
    cairo_pattern_destroy(bar);
    return picture;
}

}  // namespace menu
