// Turns a decoded resource picture (RGBA bytes) into the toolkit's pixel layout.
#pragma once

#include "BitmapDecoder.h"
#include "PixelImage.h"

#include <utility>

namespace qgui::platform {

inline void toPixelImage(const qgres::DecodedBitmap& decoded, PixelImage& out)
{
    PixelImage image(decoded.width, decoded.height);
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        const uint8_t* p = &decoded.rgba[4 * i];
        const uint32_t a = p[3];
        // Premultiplied, as both back-ends expect; the pictures are opaque, so this keeps them.
        const uint32_t r = (p[0] * a + 127) / 255;
        const uint32_t g = (p[1] * a + 127) / 255;
        const uint32_t b = (p[2] * a + 127) / 255;
        image.pixels[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
    out = std::move(image);
}

} // namespace qgui::platform
