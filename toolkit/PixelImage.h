// Pixels in memory, as both drawing back-ends read and write them: rows top to bottom, no
// padding, each pixel a 32-bit 0xAARRGGBB value with premultiplied alpha (cairo's ARGB32 and
// GDI+'s 32bppPARGB on little-endian machines).
#pragma once

#include "CColor.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qgui {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    PixelImage() = default;
    PixelImage(int width, int height, uint32_t fill = 0)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height, fill)
    {
    }

    bool isEmpty() const { return width <= 0 || height <= 0; }
    uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    // The pixel as a colour with the premultiplication undone; transparent outside the image.
    CColor colorAt(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return {0, 0, 0, 0};
        const uint32_t p = at(x, y);
        const uint32_t a = p >> 24;
        auto channel = [a](uint32_t c) -> uint8_t {
            if (a == 0)
                return 0;
            const uint32_t v = (c * 255 + a / 2) / a;
            return static_cast<uint8_t>(v > 255 ? 255 : v);
        };
        return {channel((p >> 16) & 0xff), channel((p >> 8) & 0xff), channel(p & 0xff), static_cast<uint8_t>(a)};
    }

    static constexpr uint32_t packOpaque(const CColor& c)
    {
        return 0xff000000u | (uint32_t(c.red) << 16) | (uint32_t(c.green) << 8) | uint32_t(c.blue);
    }
};

} // namespace qgui
