#include "BitmapDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

void putU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(value >> (8 * i));
}
void putU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = std::uint8_t(value);
  bytes[at + 1] = std::uint8_t(value >> 8);
}

// Pixel (x, y), y counted from the top, gets red 10x + y, green 100 + y, blue 200 + x.
std::uint8_t red(int x, int y) { return std::uint8_t(10 * x + y); }
std::uint8_t green(int, int y) { return std::uint8_t(100 + y); }
std::uint8_t blue(int x, int) { return std::uint8_t(200 + x); }

// A whole .bmp file, 24 bit, written field by field as a Windows tool writes it.
std::vector<std::uint8_t> makeBmpFile(int width, int height, bool topDown = false) {
  const std::size_t rowBytes = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
  std::vector<std::uint8_t> bytes(54 + rowBytes * height, 0xEE);  // padding bytes left at 0xEE
  bytes[0] = 'B';
  bytes[1] = 'M';
  putU32(bytes, 2, std::uint32_t(bytes.size()));
  putU32(bytes, 6, 0);
  putU32(bytes, 10, 54);
  putU32(bytes, 14, 40);
  putU32(bytes, 18, std::uint32_t(width));
  putU32(bytes, 22, std::uint32_t(topDown ? -height : height));
  putU16(bytes, 26, 1);
  putU16(bytes, 28, 24);
  putU32(bytes, 30, 0);
  putU32(bytes, 34, std::uint32_t(rowBytes * height));
  putU32(bytes, 38, 2835);
  putU32(bytes, 42, 2835);
  putU32(bytes, 46, 0);
  putU32(bytes, 50, 0);
  for (int y = 0; y < height; ++y) {
    const int storedRow = topDown ? y : height - 1 - y;
    for (int x = 0; x < width; ++x) {
      const std::size_t at = 54 + storedRow * rowBytes + std::size_t(x) * 3;
      bytes[at] = blue(x, y);
      bytes[at + 1] = green(x, y);
      bytes[at + 2] = red(x, y);
    }
  }
  return bytes;
}

void expectPixels(const qgres::DecodedBitmap& bitmap, int width, int height) {
  ASSERT_EQ(bitmap.width, width);
  ASSERT_EQ(bitmap.height, height);
  ASSERT_EQ(bitmap.rgba.size(), std::size_t(width * height * 4));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &bitmap.rgba[(std::size_t(y) * width + x) * 4];
      EXPECT_EQ(p[0], red(x, y)) << x << "," << y;
      EXPECT_EQ(p[1], green(x, y)) << x << "," << y;
      EXPECT_EQ(p[2], blue(x, y)) << x << "," << y;
      EXPECT_EQ(p[3], 255) << x << "," << y;
    }
  }
}

TEST(BitmapDecoder, DecodesFilesWithEveryRowPadding) {
  for (int width : {1, 2, 3, 4, 5}) {  // 3, 6, 9, 12 and 15 bytes of pixels per row
    SCOPED_TRACE(width);
    const std::vector<std::uint8_t> file = makeBmpFile(width, 3);
    qgres::DecodedBitmap bitmap;
    ASSERT_TRUE(qgres::decodeBmpFile(file.data(), file.size(), bitmap));
    expectPixels(bitmap, width, 3);
  }
}

TEST(BitmapDecoder, DecodesTopDownRows) {
  const std::vector<std::uint8_t> file = makeBmpFile(3, 4, true);
  qgres::DecodedBitmap bitmap;
  ASSERT_TRUE(qgres::decodeBmpFile(file.data(), file.size(), bitmap));
  expectPixels(bitmap, 3, 4);
}

TEST(BitmapDecoder, ResourceFormIsTheFileWithoutItsFirst14Bytes) {
  const std::vector<std::uint8_t> file = makeBmpFile(5, 2);
  qgres::DecodedBitmap bitmap;
  ASSERT_TRUE(qgres::decodeDib(file.data() + 14, file.size() - 14, bitmap));
  expectPixels(bitmap, 5, 2);
}

TEST(BitmapDecoder, DibSkipsItsColourTable) {
  std::vector<std::uint8_t> file = makeBmpFile(2, 2);
  // Two colour table entries between header and rows, as some writers add for 24-bit pictures.
  file.insert(file.begin() + 54, 8, 0x55);
  putU32(file, 46, 2);
  putU32(file, 10, 62);
  qgres::DecodedBitmap fromFile;
  ASSERT_TRUE(qgres::decodeBmpFile(file.data(), file.size(), fromFile));
  expectPixels(fromFile, 2, 2);
  qgres::DecodedBitmap fromDib;
  ASSERT_TRUE(qgres::decodeDib(file.data() + 14, file.size() - 14, fromDib));
  expectPixels(fromDib, 2, 2);
}

TEST(BitmapDecoder, SidesUpToTheLimitOnly) {
  // Complete files, so that only the limit can refuse them.
  const int limit = qgres::kMaxBitmapSide;
  for (bool wide : {true, false}) {
    SCOPED_TRACE(wide ? "wide" : "tall");
    const std::vector<std::uint8_t> atLimit = wide ? makeBmpFile(limit, 1) : makeBmpFile(1, limit);
    qgres::DecodedBitmap bitmap;
    ASSERT_TRUE(qgres::decodeBmpFile(atLimit.data(), atLimit.size(), bitmap));
    EXPECT_EQ(bitmap.width, wide ? limit : 1);
    EXPECT_EQ(bitmap.height, wide ? 1 : limit);
    const std::vector<std::uint8_t> beyond = wide ? makeBmpFile(limit + 1, 1) : makeBmpFile(1, limit + 1);
    qgres::DecodedBitmap refused;
    EXPECT_FALSE(qgres::decodeBmpFile(beyond.data(), beyond.size(), refused));
  }
}

TEST(BitmapDecoder, RefusesEveryTruncation) {
  const std::vector<std::uint8_t> file = makeBmpFile(3, 3);
  for (std::size_t size = 0; size < file.size(); ++size) {
    // A copy of exactly size bytes, so that AddressSanitizer sees any read beyond it.
    const std::vector<std::uint8_t> cut(file.begin(), file.begin() + size);
    qgres::DecodedBitmap bitmap;
    EXPECT_FALSE(qgres::decodeBmpFile(cut.data(), cut.size(), bitmap)) << size;
    if (size >= 14) {
      EXPECT_FALSE(qgres::decodeDib(cut.data() + 14, cut.size() - 14, bitmap)) << size;
    }
    EXPECT_EQ(bitmap.width, 0);
    EXPECT_TRUE(bitmap.rgba.empty());
  }
}

TEST(BitmapDecoder, RefusesCorruptHeaders) {
  struct Corruption {
    const char* what;
    std::size_t offset;
    std::uint32_t value;
    int bytes;
  };
  const Corruption corruptions[] = {
      {"magic", 0, 'B' | 'X' << 8, 2},
      {"pixel offset inside the headers", 10, 20, 4},
      {"pixel offset beyond the file", 10, 0x7FFFFFF0u, 4},
      {"info header too short", 14, 12, 4},
      {"info header longer than the file", 14, 0xFFFFFFFFu, 4},
      {"zero width", 18, 0, 4},
      {"negative width", 18, 0xFFFFFFFDu, 4},
      {"huge width", 18, 0x40000000u, 4},
      {"zero height", 22, 0, 4},
      {"most negative height", 22, 0x80000000u, 4},
      {"huge height", 22, 0x7FFFFFFFu, 4},
      {"two planes", 26, 2, 2},
      {"8 bits per pixel", 28, 8, 2},
      {"32 bits per pixel", 28, 32, 2},
      {"run-length compressed", 30, 1, 4},
      {"bit fields", 30, 3, 4},
      {"huge colour table", 46, 0x40000000u, 4},
  };
  for (const Corruption& corruption : corruptions) {
    SCOPED_TRACE(corruption.what);
    std::vector<std::uint8_t> file = makeBmpFile(3, 3);
    if (corruption.bytes == 2) {
      putU16(file, corruption.offset, std::uint16_t(corruption.value));
    } else {
      putU32(file, corruption.offset, corruption.value);
    }
    qgres::DecodedBitmap bitmap;
    EXPECT_FALSE(qgres::decodeBmpFile(file.data(), file.size(), bitmap));
    if (corruption.offset >= 14) {
      EXPECT_FALSE(qgres::decodeDib(file.data() + 14, file.size() - 14, bitmap));
    }
    EXPECT_TRUE(bitmap.rgba.empty());
  }
}

TEST(BitmapDecoder, RefusesNullInput) {
  qgres::DecodedBitmap bitmap;
  EXPECT_FALSE(qgres::decodeBmpFile(nullptr, 100, bitmap));
  EXPECT_FALSE(qgres::decodeDib(nullptr, 100, bitmap));
}

}  // namespace
