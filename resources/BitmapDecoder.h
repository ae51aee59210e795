// Decoding of the editor's 24-bit Windows bitmaps into RGBA pixels, on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qgres {

// Top row first, 4 bytes per pixel in the order red, green, blue, alpha (alpha always 255).
struct DecodedBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

// The largest side accepted, far above any picture of ours: the decoded size (4 bytes a pixel)
// then stays within 2^30 bytes, so no size computation can overflow, even in 32-bit builds.
constexpr int kMaxBitmapSide = 16384;

// A device-independent bitmap as a Windows BITMAP resource holds it: BITMAPINFOHEADER (or a
// later, longer header), an optional colour table, then the rows (bottom-up for a positive
// height, top-down for a negative one), each padded to 4 bytes. Only uncompressed 24-bit
// pixels are accepted. Anything corrupt, truncated or unsupported returns false and leaves
// out untouched; the input is never read beyond size.
bool decodeDib(const std::uint8_t* data, std::size_t size, DecodedBitmap& out);

// A whole .bmp file: the 14-byte BITMAPFILEHEADER ("BM", file size, pixel offset) followed by a
// DIB as above, whose rows start at the header's pixel offset. Same refusal rules.
bool decodeBmpFile(const std::uint8_t* data, std::size_t size, DecodedBitmap& out);

}  // namespace qgres
