#pragma once
// A line of text with its style and place, as a screen lays out its texts before drawing them:
// what a screen shows can then be read back without reading pixels.

#include <cstdint>
#include <string>
#include <vector>

class TTextService;

struct TPlacedText {
    std::string Text;
    int32_t Style = 0;  // 1..24; 0 keeps the style selected last
    int32_t X = 0;      // pixels
    int32_t Y = 0;
    bool CentreH = true;  // x is the centre; otherwise the left edge
    bool CentreV = true;  // y is the centre; otherwise the top

    bool operator==(const TPlacedText&) const = default;
};

// Draws the texts in order, selecting each one's style unless it is 0.
void DrawPlacedTexts(TTextService& text, const std::vector<TPlacedText>& texts);
