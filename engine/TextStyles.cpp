#include "engine/TextStyles.h"

#include <stdexcept>
#include <string>

const TTextStyle& TextStyle(int32_t n) {
    if (n < 1 || n > TextStyleCount)
        throw std::out_of_range("There is no text style " + std::to_string(n) +
                                " (styles are 1 to " + std::to_string(TextStyleCount) + ")");
    return TextStyles[static_cast<size_t>(n - 1)];
}
