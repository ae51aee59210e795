#include "BmpWriter.h"

#include <cstdio>

namespace art {
namespace {

void putU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(value >> (8 * i));
}
void putU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = std::uint8_t(value);
  bytes[at + 1] = std::uint8_t(value >> 8);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const std::size_t rowBytes = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
  const std::size_t pixelBytes = rowBytes * height;
  std::vector<std::uint8_t> bytes(54 + pixelBytes, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  putU32(bytes, 2, std::uint32_t(bytes.size()));
  putU32(bytes, 10, 54);
  putU32(bytes, 14, 40);
  putU32(bytes, 18, std::uint32_t(width));
  putU32(bytes, 22, std::uint32_t(height));
  putU16(bytes, 26, 1);
  putU16(bytes, 28, 24);
  putU32(bytes, 30, 0);
  putU32(bytes, 34, std::uint32_t(pixelBytes));
  putU32(bytes, 38, 2835);  // 72 dpi
  putU32(bytes, 42, 2835);
  for (int y = 0; y < height; ++y) {
    const auto* source = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
    std::uint8_t* row = bytes.data() + 54 + std::size_t(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = source[x];  // cairo's native 0x00RRGGBB
      row[x * 3] = std::uint8_t(pixel);
      row[x * 3 + 1] = std::uint8_t(pixel >> 8);
      row[x * 3 + 2] = std::uint8_t(pixel >> 16);
    }
  }
  return bytes;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace art
