#include "engine/PlacedText.h"

#include "engine/TextService.h"

void DrawPlacedTexts(TTextService& text, const std::vector<TPlacedText>& texts) {
    for (const TPlacedText& placed : texts) {
        if (placed.Style != 0)
            text.SetTextFont(placed.Style);
        text.DrawTextAt(placed.Text, placed.X, placed.Y, placed.CentreH, placed.CentreV);
    }
}
