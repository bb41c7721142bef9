#pragma once
// Small drawing kit shared by every picture of the art generator: surfaces, records, the key
// colour, deterministic noise and text in the game's own faces.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ImageListWriter.h"

namespace art {

// Pure magenta: exact in 16-bit colour, and never produced by our palettes.
constexpr uint32_t KeyColour = 0xFF00FF;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// A transparent ARGB32 picture of the given size.
Surface NewSurface(int width, int height);
Context NewContext(const Surface& surface);

// A record for the image list. Pictures carry alpha for smooth edges; transparent images also
// get the key colour so that both rules of the format agree.
ImageRecord MakeRecord(const std::string& name, const Surface& picture, int patternWidth,
                       int patternHeight, bool transparent);

// One pattern of a finished record, decoded from its PNG: for pictures that show another list's
// image again. Throws std::runtime_error when the PNG cannot be read or the pattern is missing.
Surface CutPattern(const ImageRecord& record, int pattern);

// Nudges every drawn pixel that a 16-bit (RGB565) display would turn into KeyColour, and so into
// a hole, to the nearest colour that stays visible (green raised by one 565 step).
void KeepOffKeyColour(const Surface& picture);

// A picture of size w x h that draws nothing: for the list's unused indices.
ImageRecord Placeholder(const std::string& name, int width = 8, int height = 8);

// Deterministic pseudo-random numbers (xorshift), so that the same seed draws the same picture.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    uint32_t Next();
    double Uniform(double low, double high);  // [low, high)
    int Below(int n);                         // 0..n-1

private:
    uint32_t state_;
};

// The installed faces the game's text styles map to (docs/fonts.md).
enum class Face { NewZelek, Crystal, BancoDi, Courier };

// Selects the face at a pixel size (points x 4/3) on the context.
void SelectFace(cairo_t* context, Face face, double pixelSize, bool bold);

// As SelectFace, in the face's slanted (italic or oblique) variant: for captions with a sense of
// speed.
void SelectSlantedFace(cairo_t* context, Face face, double pixelSize, bool bold);

// Draws text with its centre at (x, y) in the current source colour; returns its width.
double DrawCentredText(cairo_t* context, const std::string& text, double x, double y);

void SetColour(cairo_t* context, uint32_t rgb, double alpha = 1.0);
// Adds a colour stop to a gradient, colour as 0xRRGGBB.
void AddColourStop(cairo_pattern_t* gradient, double offset, uint32_t rgb, double alpha = 1.0);
void RoundedRectangle(cairo_t* context, double x, double y, double width, double height,
                      double radius);

}  // namespace art
