// The GDI+ draw context, window-free: what lands in the pixel image for each drawing call.
#include "CBitmap.h"
#include "CDrawContext.h"
#include "PixelImage.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qgui;

namespace {

constexpr uint32_t kOpaqueBlack = 0xff000000u;
constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kWhite{255, 255, 255, 255};

bool inked(const PixelImage& image, int x, int y)
{
    return image.at(x, y) != kOpaqueBlack;
}

// Inked pixels inside and outside a rectangle, and the mean x of the ink.
struct InkCount {
    int inside = 0;
    int outside = 0;
    double meanX = 0.0;
};

InkCount countInk(const PixelImage& image, const CRect& box)
{
    InkCount count;
    double sumX = 0.0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (inked(image, x, y)) {
                if (box.pointInside(CPoint(x, y))) {
                    ++count.inside;
                    sumX += x;
                } else {
                    ++count.outside;
                }
            }
    count.meanX = count.inside ? sumX / count.inside : 0.0;
    return count;
}

class GdiplusDrawContextTest : public ::testing::Test {
protected:
    PixelImage image{64, 48, kOpaqueBlack};
    std::unique_ptr<CDrawContext> context = platform::createDrawContext(image);
};

TEST_F(GdiplusDrawContextTest, RefusesAnEmptyTarget)
{
    PixelImage empty;
    EXPECT_EQ(platform::createDrawContext(empty), nullptr);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->getSurfaceRect(), CRect(0, 0, 64, 48));
}

TEST_F(GdiplusDrawContextTest, FillsWholePixelsAndBlendsTranslucentColours)
{
    context->setFillColor(kRed);
    context->drawRect(CRect(2, 2, 12, 12), kDrawFilled);
    context->setFillColor(CColor{0, 255, 0, 128});
    context->drawRect(CRect(20, 2, 30, 12), kDrawFilled);
    context->flush();
    // Exactly the pixels from left/top up to but not including right/bottom.
    EXPECT_EQ(image.at(2, 2), 0xffff0000u);
    EXPECT_EQ(image.at(11, 11), 0xffff0000u);
    EXPECT_EQ(image.at(1, 1), kOpaqueBlack);
    EXPECT_EQ(image.at(12, 12), kOpaqueBlack);
    const CColor blended = image.colorAt(25, 5);
    EXPECT_EQ(blended.alpha, 255);
    EXPECT_EQ(blended.red, 0);
    EXPECT_NEAR(blended.green, 128, 2);
}

TEST_F(GdiplusDrawContextTest, DrawsNothingOutsideTheClipRectangle)
{
    context->setClipRect(CRect(10, 10, 20, 15));
    context->setFillColor(kRed);
    context->drawRect(CRect(0, 0, 64, 48), kDrawFilled);
    context->setFrameColor(kWhite);
    context->drawLine(CPoint(0, 0), CPoint(63, 47));
    context->flush();
    const InkCount ink = countInk(image, CRect(10, 10, 20, 15));
    EXPECT_EQ(ink.inside, 50);
    EXPECT_EQ(ink.outside, 0);
}

TEST_F(GdiplusDrawContextTest, StrokesRectanglesInsideTheirEdges)
{
    context->setFrameColor(kWhite);
    context->drawRect(CRect(10, 10, 20, 20), kDrawStroked);
    context->flush();
    EXPECT_TRUE(inked(image, 10, 10));
    EXPECT_TRUE(inked(image, 19, 15));
    EXPECT_FALSE(inked(image, 9, 9));
    EXPECT_FALSE(inked(image, 20, 15));
    EXPECT_FALSE(inked(image, 15, 15));
}

TEST_F(GdiplusDrawContextTest, LinesHaveTheirWidthAndDashes)
{
    context->setFrameColor(kWhite);
    context->setDrawMode(kAntiAliasing);
    context->drawLine(CPoint(2, 5.5), CPoint(40, 5.5)); // one pixel row, centred on row 5
    context->setLineWidth(3.0);
    context->drawLine(CPoint(2, 20.5), CPoint(40, 20.5)); // rows 19 to 21
    context->setLineWidth(2.0);
    context->setLineStyle(kLineOnOffDash);
    context->drawLine(CPoint(2, 35), CPoint(60, 35)); // rows 34 and 35, 2 on, 2 off
    context->flush();
    for (int x = 4; x < 38; ++x) {
        EXPECT_EQ(image.at(x, 5), 0xffffffffu) << x;
        EXPECT_FALSE(inked(image, x, 4));
        EXPECT_FALSE(inked(image, x, 6));
        EXPECT_TRUE(inked(image, x, 19) && inked(image, x, 20) && inked(image, x, 21)) << x;
        EXPECT_FALSE(inked(image, x, 18) || inked(image, x, 22)) << x;
    }
    int dashes = 0, gaps = 0;
    for (int x = 4; x < 58; ++x)
        (inked(image, x, 34) ? dashes : gaps) += 1;
    EXPECT_GT(dashes, 15);
    EXPECT_GT(gaps, 15);
}

TEST_F(GdiplusDrawContextTest, AntiAliasedSlantedLineStaysOnItsPath)
{
    context->setFrameColor(kWhite);
    context->setDrawMode(kAntiAliasing);
    context->setLineWidth(1.5);
    const CPoint a(4, 4), b(60, 40);
    context->drawLine(a, b);
    context->flush();
    int near = 0, far = 0, partial = 0;
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double distance = std::fabs((b.x - a.x) * (a.y - py) - (a.x - px) * (b.y - a.y)) / length;
            if (!inked(image, x, y))
                continue;
            (distance < 2.0 ? near : far) += 1;
            const uint32_t green = (image.at(x, y) >> 8) & 0xff;
            if (green > 0 && green < 255)
                ++partial;
        }
    EXPECT_GT(near, 56); // at least one pixel per column along the line
    EXPECT_EQ(far, 0);
    // Windows' GDI+ blends the edges; Wine's builtin GDI+ draws them solid.
    RecordProperty("partially_covered_pixels", partial);
}

TEST_F(GdiplusDrawContextTest, DrawsTheBitmapPartFromItsOffsetWithOpacity)
{
    PixelImage source(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            source.at(x, y) = 0xff000000u | (uint32_t(40 + 50 * x) << 16) | (uint32_t(60 + 60 * y) << 8);
    CBitmap* bitmap = new CBitmap(source);
    context->drawBitmap(*bitmap, CRect(10, 10, 13, 12), CPoint(1, 1));
    // The destination reaches beyond the picture: only the picture's pixels are drawn.
    context->drawBitmap(*bitmap, CRect(30, 30, 40, 40), CPoint(2, 1));
    context->drawBitmap(*bitmap, CRect(50, 10, 54, 13), CPoint(0, 0), 0.5f);
    context->flush();
    EXPECT_EQ(image.at(10, 10), source.at(1, 1));
    EXPECT_EQ(image.at(12, 11), source.at(3, 2));
    EXPECT_EQ(image.at(13, 10), kOpaqueBlack);
    EXPECT_EQ(image.at(10, 12), kOpaqueBlack);
    EXPECT_EQ(image.at(31, 31), source.at(3, 2));
    EXPECT_EQ(countInk(image, CRect(30, 30, 32, 32)).inside, 4);
    EXPECT_EQ(countInk(image, CRect(30, 30, 40, 40)).inside, 4);
    const CColor half = image.colorAt(53, 12);
    EXPECT_NEAR(half.red, (40 + 150) / 2, 2);
    EXPECT_NEAR(half.green, (60 + 120) / 2, 2);
    EXPECT_EQ(half.alpha, 255);
    bitmap->forget();
}

TEST_F(GdiplusDrawContextTest, WritesTextInsideItsBoxInTheFontColour)
{
    context->setFont(CFontDesc{"Arial", 14.0, kNormalFace});
    context->setFontColor(kRed);
    const CRect left(4, 4, 60, 22), right(4, 24, 60, 42);
    context->drawString("Hello", left, kLeftText);
    context->drawString("Hello", right, kRightText);
    context->flush();
    const InkCount leftInk = countInk(image, left);
    const InkCount rightInk = countInk(image, right);
    EXPECT_GT(leftInk.inside, 20);
    EXPECT_GT(rightInk.inside, 20);
    EXPECT_EQ(countInk(image, CRect(4, 4, 60, 42)).outside, 0);
    EXPECT_GT(rightInk.meanX, leftInk.meanX + 10.0);
    // Red ink only (anti-aliased edges are darker red).
    for (int y = 4; y < 22; ++y) {
        for (int x = 4; x < 60; ++x) {
            if (inked(image, x, y)) {
                ASSERT_EQ(image.at(x, y) & 0x0000ffffu, 0u) << x << "," << y;
            }
        }
    }
    const double width = context->getStringWidth("Hello");
    EXPECT_GT(width, 20.0);
    EXPECT_LT(width, 50.0);
    EXPECT_GT(context->getStringWidth("Hello Hello"), 2.0 * width);
}

TEST_F(GdiplusDrawContextTest, TextInAFontThatIsNotInstalledStillShows)
{
    context->setFont(CFontDesc{"No Such Font Family", 12.0, kBoldFace});
    context->setFontColor(kWhite);
    context->drawString("v.1.2.0", CRect(0, 0, 64, 20), kCenterText);
    context->flush();
    EXPECT_GT(countInk(image, CRect(0, 0, 64, 20)).inside, 15);
}

} // namespace
