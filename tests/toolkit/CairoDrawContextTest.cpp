// The cairo back-end, probed in the pixels it renders.
#include "CBitmap.h"
#include "CDrawContext.h"
#include "PixelImage.h"
#include "platform/Platform.h"

#include "support/LineSmoothing.h"

#include <gtest/gtest.h>

using namespace qgui;

namespace {

constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kBlue{0, 0, 255, 255};
constexpr CColor kClear{0, 0, 0, 0};

class CairoTest : public ::testing::Test {
protected:
    PixelImage image{40, 40, 0xff000000u};
    std::unique_ptr<CDrawContext> context = platform::createDrawContext(image);

    CColor at(int x, int y)
    {
        context->flush();
        return image.colorAt(x, y);
    }
};

TEST_F(CairoTest, BitmapIsCopiedFromItsSourceOffsetIntoTheDestinationOnly)
{
    PixelImage strip(4, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x)
            strip.at(x, y) = PixelImage::packOpaque(y < 4 ? kRed : kBlue);
    auto* bitmap = new CBitmap(strip);
    bitmap->draw(*context, CRect(10, 10, 14, 14), CPoint(0, 4));
    EXPECT_EQ(at(10, 10), kBlue);
    EXPECT_EQ(at(13, 13), kBlue);
    EXPECT_EQ(at(14, 10), (CColor{0, 0, 0, 255}));
    EXPECT_EQ(at(10, 9), (CColor{0, 0, 0, 255}));

    bitmap->draw(*context, CRect(20, 20, 30, 30), CPoint(0, 4));
    EXPECT_EQ(at(23, 23), kBlue);
    EXPECT_EQ(at(24, 24), (CColor{0, 0, 0, 255})) << "beyond the bitmap nothing is drawn";

    bitmap->draw(*context, CRect(0, 0, 4, 4), CPoint(0, 0), 0.5f);
    const CColor half = at(1, 1);
    EXPECT_NEAR(half.red, 128, 1);
    bitmap->forget();
}

TEST_F(CairoTest, AntiAliasedLinesBlendTheirEdgesAndAliasedLinesDoNot)
{
    context->setFrameColor(CColor{200, 200, 200, 255});
    context->setLineWidth(2.0);
    context->setDrawMode(kAntiAliasing);
    context->drawLine(CPoint(10.5, 0), CPoint(10.5, 20));
    EXPECT_EQ(at(10, 5).red, 200);
    if (qgtest::backEndBlendsLineEdges()) {
        EXPECT_NEAR(at(9, 5).red, 100, 2);
        EXPECT_NEAR(at(11, 5).red, 100, 2);
    }
    EXPECT_EQ(at(10, 21).red, 0) << "butt end";

    context->setDrawMode(kAliasing);
    context->drawLine(CPoint(30.5, 0), CPoint(30.5, 20));
    for (int x = 28; x <= 32; ++x) {
        const int r = at(x, 5).red;
        EXPECT_TRUE(r == 0 || r == 200) << x << ": " << r;
    }
}

TEST_F(CairoTest, RectanglesAreFilledExactlyAndFramedJustInside)
{
    context->setFillColor(kRed);
    context->drawRect(CRect(2, 2, 8, 8), kDrawFilled);
    EXPECT_EQ(at(2, 2), kRed);
    EXPECT_EQ(at(7, 7), kRed);
    EXPECT_EQ(at(8, 7), (CColor{0, 0, 0, 255}));

    context->setFrameColor(kBlue);
    context->setLineWidth(1.0);
    context->drawRect(CRect(20, 20, 30, 30), kDrawStroked);
    EXPECT_EQ(at(20, 25), kBlue);
    EXPECT_EQ(at(29, 25), kBlue);
    EXPECT_EQ(at(21, 25), (CColor{0, 0, 0, 255}));
    EXPECT_EQ(at(19, 25), (CColor{0, 0, 0, 255}));
}

TEST_F(CairoTest, NothingIsDrawnOutsideTheClipRectangle)
{
    context->setClipRect(CRect(0, 0, 5, 5));
    context->setFillColor(kRed);
    context->drawRect(CRect(0, 0, 40, 40), kDrawFilled);
    EXPECT_EQ(at(4, 4), kRed);
    EXPECT_EQ(at(5, 4), (CColor{0, 0, 0, 255}));
    context->resetClipRect();
    context->drawRect(CRect(0, 0, 40, 40), kDrawFilled);
    EXPECT_EQ(at(39, 39), kRed);
}

TEST(CairoTextTest, ArialResolvesToAMetricCompatibleFontAndTextStaysInItsBox)
{
    PixelImage image(200, 40, 0xff000000u);
    auto context = platform::createDrawContext(image);
    context->setFont(CFontDesc{"Arial", 12.0});
    const double arialWidth = context->getStringWidth("v.1.2.0 Quorvel");
    context->setFont(CFontDesc{"Liberation Sans", 12.0});
    EXPECT_DOUBLE_EQ(context->getStringWidth("v.1.2.0 Quorvel"), arialWidth);
    EXPECT_GT(arialWidth, 60.0);
    EXPECT_LT(arialWidth, 110.0);

    context->setFont(CFontDesc{"Arial", 12.0});
    context->setFontColor(CColor{200, 200, 200, 255});
    context->drawString("v.1.2.0", CRect(10, 10, 110, 20), kLeftText, true);
    context->flush();
    int lit = 0;
    int brightest = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) {
            const int r = image.colorAt(x, y).red;
            if (r == 0)
                continue;
            EXPECT_TRUE(x >= 10 && x < 110 && y >= 10 && y < 20) << x << "," << y;
            ++lit;
            brightest = std::max(brightest, r);
        }
    EXPECT_GT(lit, 20);
    EXPECT_GE(brightest, 190);
}

} // namespace
