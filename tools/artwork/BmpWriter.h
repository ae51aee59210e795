// 24-bit Windows bitmap files, as the resource compiler and the decoder expect them.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// BITMAPFILEHEADER, BITMAPINFOHEADER, then bottom-up BGR rows padded to 4 bytes.
std::vector<std::uint8_t> encodeBmp(cairo_surface_t* surface);
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace art
