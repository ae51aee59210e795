// An 8-bit red, green, blue, alpha colour (alpha 255 is opaque).
#pragma once

#include <cstdint>

namespace qgui {

struct CColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    constexpr bool operator==(const CColor& o) const
    {
        return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
    }
    constexpr bool operator!=(const CColor& o) const { return !(*this == o); }
};

constexpr CColor kBlackCColor{0, 0, 0, 255};
constexpr CColor kWhiteCColor{255, 255, 255, 255};
constexpr CColor kTransparentCColor{255, 255, 255, 0};

} // namespace qgui
