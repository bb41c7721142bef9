#include "PatternGrid.h"

TPatternGrid ResolvePatternGrid(int32_t pictureWidth, int32_t pictureHeight, int32_t patternWidth,
                                int32_t patternHeight, int32_t skipWidth, int32_t skipHeight) {
    TPatternGrid grid;
    grid.PictureWidth = pictureWidth;
    grid.PictureHeight = pictureHeight;
    grid.PatternWidth = patternWidth > 0 ? patternWidth : pictureWidth;
    grid.PatternHeight = patternHeight > 0 ? patternHeight : pictureHeight;
    grid.SkipWidth = skipWidth;
    grid.SkipHeight = skipHeight;
    return grid;
}
