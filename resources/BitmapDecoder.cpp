#include "BitmapDecoder.h"

namespace qgres {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kMaxColourTableEntries = 256;

// Little-endian reads: the format's byte order, whatever the machine's.
std::uint32_t readU32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}
std::uint16_t readU16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::int32_t readI32(const std::uint8_t* p) { return std::int32_t(readU32(p)); }

struct DibLayout {
  int width = 0;
  int height = 0;  // always positive here
  bool topDown = false;
  std::size_t headerSize = 0;
  std::size_t colourTableSize = 0;
};

// Checks the info header at the start of dib; everything it accepts has small, positive sizes.
bool readLayout(const std::uint8_t* dib, std::size_t dibSize, DibLayout& layout) {
  if (dib == nullptr || dibSize < kInfoHeaderSize) return false;
  const std::uint32_t headerSize = readU32(dib);
  if (headerSize < kInfoHeaderSize || headerSize > dibSize) return false;
  const std::int64_t width = readI32(dib + 4);
  const std::int64_t height = readI32(dib + 8);
  const std::uint16_t planes = readU16(dib + 12);
  const std::uint16_t bitsPerPixel = readU16(dib + 14);
  const std::uint32_t compression = readU32(dib + 16);
  const std::uint32_t coloursUsed = readU32(dib + 32);
  if (planes != 1 || bitsPerPixel != 24 || compression != kUncompressed) return false;
  if (coloursUsed > kMaxColourTableEntries) return false;
  const std::int64_t rows = height < 0 ? -height : height;
  if (width < 1 || width > kMaxBitmapSide || rows < 1 || rows > kMaxBitmapSide) return false;
  layout.width = int(width);
  layout.height = int(rows);
  layout.topDown = height < 0;
  layout.headerSize = headerSize;
  layout.colourTableSize = std::size_t(coloursUsed) * 4;
  return true;
}

// Rows start pixelOffset bytes into dib; every row, its padding included, must be there.
bool decodeRows(const std::uint8_t* dib, std::size_t dibSize, const DibLayout& layout, std::size_t pixelOffset,
                DecodedBitmap& out) {
  const std::size_t width = std::size_t(layout.width);
  const std::size_t height = std::size_t(layout.height);
  const std::size_t rowBytes = (width * 3 + 3) & ~std::size_t(3);
  if (pixelOffset > dibSize || rowBytes * height > dibSize - pixelOffset) return false;

  std::vector<std::uint8_t> rgba(width * height * 4);
  for (std::size_t row = 0; row < height; ++row) {
    const std::size_t sourceRow = layout.topDown ? row : height - 1 - row;
    const std::uint8_t* source = dib + pixelOffset + sourceRow * rowBytes;
    std::uint8_t* target = rgba.data() + row * width * 4;
    for (std::size_t x = 0; x < width; ++x, source += 3, target += 4) {
      target[0] = source[2];
      target[1] = source[1];
      target[2] = source[0];
      target[3] = 255;
    }
  }
  out.width = layout.width;
  out.height = layout.height;
  out.rgba.swap(rgba);
  return true;
}

}  // namespace

bool decodeDib(const std::uint8_t* data, std::size_t size, DecodedBitmap& out) {
  DibLayout layout;
  if (!readLayout(data, size, layout)) return false;
  return decodeRows(data, size, layout, layout.headerSize + layout.colourTableSize, out);
}

bool decodeBmpFile(const std::uint8_t* data, std::size_t size, DecodedBitmap& out) {
  if (data == nullptr || size < kFileHeaderSize + kInfoHeaderSize) return false;
  if (data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t pixelOffset = readU32(data + 10);
  const std::uint8_t* dib = data + kFileHeaderSize;
  const std::size_t dibSize = size - kFileHeaderSize;
  DibLayout layout;
  if (!readLayout(dib, dibSize, layout)) return false;
  // The rows may not overlap the headers.
  if (pixelOffset < kFileHeaderSize + layout.headerSize) return false;
  return decodeRows(dib, dibSize, layout, std::size_t(pixelOffset) - kFileHeaderSize, out);
}

}  // namespace qgres
