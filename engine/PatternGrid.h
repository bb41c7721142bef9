#pragma once
// How a picture is cut into patterns: columns = width div (pattern + skip), plus one when the
// leftover equals the pattern width exactly; the same for rows. Numbered left to right, then down.

#include <cstdint>

struct TPatternGrid {
    int32_t PictureWidth = 0;
    int32_t PictureHeight = 0;
    int32_t PatternWidth = 0;  // already resolved: never 0 for a picture with pixels
    int32_t PatternHeight = 0;
    int32_t SkipWidth = 0;
    int32_t SkipHeight = 0;

    int32_t Columns() const { return Count(PictureWidth, PatternWidth, SkipWidth); }
    int32_t Rows() const { return Count(PictureHeight, PatternHeight, SkipHeight); }
    int32_t PatternCount() const { return Columns() * Rows(); }
    // Left and top of pattern index within the picture (index must be in 0..PatternCount-1).
    int32_t PatternLeft(int32_t index) const {
        return (index % Columns()) * (PatternWidth + SkipWidth);
    }
    int32_t PatternTop(int32_t index) const {
        return (index / Columns()) * (PatternHeight + SkipHeight);
    }

private:
    static int32_t Count(int32_t picture, int32_t pattern, int32_t skip) {
        if (pattern <= 0)
            return 0;
        const int32_t step = pattern + skip;
        return picture / step + (picture % step == pattern ? 1 : 0);
    }
};

// The stored sizes with 0 replaced by the picture's own size.
TPatternGrid ResolvePatternGrid(int32_t pictureWidth, int32_t pictureHeight, int32_t patternWidth,
                                int32_t patternHeight, int32_t skipWidth, int32_t skipHeight);
