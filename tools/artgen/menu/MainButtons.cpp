#include "menu/MainButtons.h"

#include <array>
#include <string>

#include "menu/Captions.h"
#include "menu/MenuIcons.h"
#include "menu/MenuPalette.h"

namespace menu {

namespace {

struct MainItem {
    const char* Caption;
    Icon Symbol;
};

constexpr std::array<MainItem, MainButtonCount> Items = {{
    {"START GAME", Icon::Play},
    {"HELP", Icon::Help},
    {"OPTIONS", Icon::Options},
    {"HIGH SCORES", Icon::HighScores},
    {"HOME PAGE", Icon::HomePage},
    {"EXIT", Icon::Exit},
}};

constexpr double GlowMargin = 7;    // free pixels around the plate for the highlight's halo
constexpr double Slant = 14;        // the plate leans right by this much over its height
constexpr double CapWidth = 54;     // the icon's end cap at the left of the plate
constexpr double ChevronRoom = 40;  // room at the right end for the highlight's chevrons

}  // namespace

art::Surface DrawMainButton(int item, Look look) {
    const bool lit = look == Look::Highlighted;
    art::Surface picture = art::NewSurface(MainButtonWidth, MainButtonHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();

    const Box plate{GlowMargin, GlowMargin, MainButtonWidth - 2 * GlowMargin,
                    MainButtonHeight - 2 * GlowMargin};
    const Path outline = SlantedOutline(context, plate, Slant);
    PaintPlate(context, outline, plate, look);

    // The end cap: a darker section behind the icon, split from the caption by a groove that
    // follows the plate's slant.
    const double capRight = plate.X + CapWidth;
    cairo_save(context);
    cairo_new_path(context);
    cairo_append_path(context, outline.get());
    cairo_clip(context);
    cairo_move_to(context, plate.X, plate.Y);
    cairo_line_to(context, capRight + Slant, plate.Y);
    cairo_line_to(context, capRight, plate.Y + plate.Height);
    cairo_line_to(context, plate.X, plate.Y + plate.Height);
    cairo_close_path(context);
    cairo_set_source_rgba(context, 0, 0, 0, lit ? 0.18 : 0.35);
    cairo_fill(context);
    cairo_move_to(context, capRight + Slant, plate.Y);
    cairo_line_to(context, capRight, plate.Y + plate.Height);
    cairo_set_line_width(context, 2);
    art::SetColour(context, lit ? AmberPale : SteelRim, 0.7);
    cairo_stroke(context);
    cairo_restore(context);

    art::SetColour(context, lit ? AmberInk : SteelShine);
    DrawIcon(context, Items[item].Symbol, plate.X + CapWidth / 2 + Slant / 2 + 2,
             plate.Y + plate.Height / 2, 26);

    // The caption is centred between the cap and the chevrons' place, in both looks, so that it
    // does not move when the button lights up.
    const double chevronsLeft = plate.X + plate.Width - ChevronRoom;
    const double captionCentre = (capRight + Slant / 2 + chevronsLeft) / 2;
    DrawCaption(context, Items[item].Caption, captionCentre, plate.Y + plate.Height / 2,
                Align::Centre, ButtonCaption(23, lit));

    // Speed chevrons at the right end tell the selected button apart at a glance.
    if (lit) {
        art::SetColour(context, AmberInk, 0.55);
        for (int chevron = 0; chevron < 2; ++chevron) {
            const double x = chevronsLeft + 4 + chevron * 9;
            const double y = plate.Y + plate.Height / 2;
            cairo_move_to(context, x, y - 9);
            cairo_line_to(context, x + 7, y);
            cairo_line_to(context, x, y + 9);
            cairo_set_line_width(context, 3);
            cairo_stroke(context);
        }
    }
    return picture;
}

}  // namespace menu
