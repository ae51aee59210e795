// The pictures as the plug-in finds them: every id the editor asks for, with its size and its
// frames, and meter faces whose scale marks sit where the needle points.
#include "BitmapDecoder.h"
#include "BitmapLookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

namespace {

struct Expected {
  int id;
  int width;
  int height;
  int frames;
};

// The editor's table of pictures and the preset panel's, written out independently of the
// drawing program.
const Expected kExpected[] = {
    {12128, 400, 309, 1}, {12129, 106, 234, 3}, {12151, 100, 43, 1},   {12152, 113, 46, 1},
    {12153, 100, 43, 1},  {12171, 114, 4674, 41}, {12173, 114, 2394, 21}, {12177, 114, 6954, 61},
    {12181, 70, 490, 7},  {12200, 400, 276, 1}, {19899, 48, 30, 3},    {19990, 40, 30, 3},
    {19991, 12, 42, 3},   {19992, 12, 42, 3},   {19993, 12, 42, 3},    {19994, 12, 42, 3},
    {19995, 12, 42, 3},   {19996, 12, 42, 3},   {19997, 31, 70, 5},    {19998, 12, 42, 3},
    {19999, 12, 42, 3},
};

qgres::DecodedBitmap load(int id) {
  std::vector<std::uint8_t> dib;
  qgres::DecodedBitmap bitmap;
  if (lookupBitmapDib(id, dib)) qgres::decodeDib(dib.data(), dib.size(), bitmap);
  return bitmap;
}

std::uint32_t readU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

bool sameFrame(const qgres::DecodedBitmap& bitmap, int frameHeight, int a, int b) {
  const std::size_t frameBytes = std::size_t(bitmap.width) * frameHeight * 4;
  return std::equal(bitmap.rgba.begin() + a * frameBytes, bitmap.rgba.begin() + (a + 1) * frameBytes,
                    bitmap.rgba.begin() + b * frameBytes);
}

TEST(CommittedBitmaps, ExactlyTheEditorsIdsAreThere) {
  std::vector<int> expected;
  for (const Expected& e : kExpected) expected.push_back(e.id);
  EXPECT_EQ(allBitmapIds(), expected);
}

TEST(CommittedBitmaps, EachHasItsSizeAndWholeFrames) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.id);
    std::vector<std::uint8_t> dib;
    ASSERT_TRUE(lookupBitmapDib(e.id, dib));
    // A plain 40-byte info header, 24 bits, uncompressed, bottom-up: what every loader reads.
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(readU32(dib, 0), 40u);
    EXPECT_EQ(std::int32_t(readU32(dib, 8)), e.height);
    qgres::DecodedBitmap bitmap;
    ASSERT_TRUE(qgres::decodeDib(dib.data(), dib.size(), bitmap));
    EXPECT_EQ(bitmap.width, e.width);
    EXPECT_EQ(bitmap.height, e.height);
    EXPECT_EQ(bitmap.height % e.frames, 0);
  }
}

TEST(CommittedBitmaps, NeighbouringFramesDiffer) {
  // A strip whose frames repeat would leave a knob or a button looking dead.
  for (const Expected& e : kExpected) {
    if (e.frames == 1) continue;
    SCOPED_TRACE(e.id);
    const qgres::DecodedBitmap bitmap = load(e.id);
    ASSERT_EQ(bitmap.height, e.height);
    for (int frame = 1; frame < e.frames; ++frame) {
      EXPECT_FALSE(sameFrame(bitmap, e.height / e.frames, frame - 1, frame)) << "frame " << frame;
    }
  }
}

double brightness(const qgres::DecodedBitmap& bitmap, double x, double y) {
  const std::uint8_t* p = &bitmap.rgba[(std::size_t(std::floor(y)) * bitmap.width + std::size_t(std::floor(x))) * 4];
  return (p[0] + p[1] + p[2]) / 3.0;
}

// Brightest pixel on the ray from the needle's pivot at the given angle, between the radii.
double brightestOnRay(const qgres::DecodedBitmap& face, double degrees, double from, double to) {
  // The needle turns about (200.5, 155.5) in the window; the face's corner is at (150, 66).
  const double pivotX = 50.5, pivotY = 89.5;
  const double a = degrees * 3.14159265358979323846 / 180;
  double brightest = 0;
  for (double r = from; r <= to; r += 0.25) {
    brightest = std::max(brightest, brightness(face, pivotX + r * std::cos(a), pivotY - r * std::sin(a)));
  }
  return brightest;
}

TEST(CommittedBitmaps, MeterFacesMarkTheNeedleAngles) {
  // Needle angles for 0, 3, 6, 12 and 24 dB of gain reduction. The long marks reach beyond the
  // short ones and the scale line, so only they show between radii 80 and 81.5.
  const double markDegrees[] = {120.0, 102.48, 90.07, 75.07, 63.79};
  for (int id : {12151, 12153}) {
    SCOPED_TRACE(id);
    const qgres::DecodedBitmap face = load(id);
    ASSERT_EQ(face.width, 100);
    const double ground = brightestOnRay(face, 60.5, 80, 81.5);  // beyond the scale's end
    for (double degrees : markDegrees) {
      SCOPED_TRACE(degrees);
      EXPECT_GT(brightestOnRay(face, degrees, 80, 81.5), ground + 40);
      EXPECT_LT(brightestOnRay(face, degrees - 2, 80, 81.5), ground + 15);
      EXPECT_LT(brightestOnRay(face, degrees + 2, 80, 81.5), ground + 15);
    }
  }
}

#ifdef QG_RESOURCES_DIR
std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CommittedBitmaps, ResourceScriptNamesEveryPictureAndItsFile) {
  const std::string script = readText(std::string(QG_RESOURCES_DIR) + "/resources.rc");
  std::map<int, std::string> files;
  const std::regex entry(R"re((\d+)[ \t]+BITMAP[ \t]+"([^"]+)")re");
  for (std::sregex_iterator it(script.begin(), script.end(), entry), end; it != end; ++it) {
    files[std::stoi((*it)[1])] = (*it)[2];
  }
  ASSERT_EQ(files.size(), std::size(kExpected));
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.id);
    ASSERT_EQ(files.count(e.id), 1u);
    // The id leads the file name, so a picture cannot be filed under a neighbour's id.
    EXPECT_EQ(files[e.id].rfind("bitmaps/" + std::to_string(e.id) + "_", 0), 0u) << files[e.id];
    const std::string file = readText(std::string(QG_RESOURCES_DIR) + "/" + files[e.id]);
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    std::vector<std::uint8_t> dib;
    ASSERT_TRUE(lookupBitmapDib(e.id, dib));
    EXPECT_TRUE(file.compare(14, std::string::npos, std::string(dib.begin(), dib.end())) == 0)
        << "the built-in picture differs from the committed file";
  }
}
#endif

}  // namespace
