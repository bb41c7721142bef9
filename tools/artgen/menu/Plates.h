#pragma once
// The metal plates every menu control is made of: their outlines, and the paint of the two looks
// a control can have (normal gunmetal, highlighted amber).

#include <cairo.h>

#include <cstdint>
#include <memory>

namespace menu {

enum class Look { Normal, Highlighted };

struct PathDeleter {
    void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
};
// A stored outline, replayed with cairo_append_path for each layer of paint.
using Path = std::unique_ptr<cairo_path_t, PathDeleter>;

// Corner cuts of a chamfered rectangle, in pixels; 0 leaves a square corner.
struct Chamfer {
    double TopLeft = 0;
    double TopRight = 0;
    double BottomRight = 0;
    double BottomLeft = 0;
};

struct Box {
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
};

Path ChamferedOutline(cairo_t* context, const Box& box, const Chamfer& cut);
// A parallelogram leaning right by slant pixels over its height.
Path SlantedOutline(cairo_t* context, const Box& box, double slant);

// Vertical two-colour gradient across the box, set as the source.
void SetVerticalGradient(cairo_t* context, const Box& box, uint32_t top, uint32_t bottom);

// Soft halo outside the outline: strokes of shrinking width, stronger towards the edge.
void PaintGlow(cairo_t* context, const Path& outline, uint32_t colour, double reach, double alpha);

// A control's plate: shadow, body, sheen and rim in the given look. Glow (highlighted) needs
// reach pixels of free margin around the box.
void PaintPlate(cairo_t* context, const Path& outline, const Box& box, Look look);

// A recessed slot: dark interior with light lower edge, for fields, sockets and bays.
void PaintInset(cairo_t* context, const Path& outline, const Box& box, uint32_t interior);

// Small L-shaped accents inside the four corners of a box, length and inset in pixels.
void PaintCornerTicks(cairo_t* context, const Box& box, double length, double inset,
                      uint32_t colour, double alpha);

}  // namespace menu
