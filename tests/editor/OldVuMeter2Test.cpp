// The needle meter, probed in the pixels drawn by a window-free frame with the editor's layout.
#include "COldVuMeter2.h"
#include "support/ToolkitTestSupport.h"

#include "support/LineSmoothing.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qgui;
using namespace qgtest;

namespace {

constexpr CColor kLit{30, 30, 30, 255};
constexpr CColor kDim{10, 10, 60, 255};
constexpr CColor kBackground{0, 0, 0, 255};
constexpr double kPi = 3.14159265358979323846;

class MeterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
        auto* dim = new CountingBitmap(12153);
        auto* lit = new CountingBitmap(12151);
        auto* overlay = new CountingBitmap(12152);
        meter = new COldVuMeter2(CRect(150, 66, 150 + lit->getWidth(), 66 + lit->getHeight()), &listener, 14, lit,
                                 overlay, dim, CPoint(200, 155), 3.0f, 86.0f);
        meter->setValue(1.0f);
        frame->addView(meter);
        dim->forget();
        lit->forget();
        overlay->forget();
        frame->idle();
    }
    void TearDown() override
    {
        frame->close();
        EXPECT_EQ(CountingBitmap::live, 0) << "the meter released its three bitmaps";
    }

    PixelImage show(float value)
    {
        meter->setValue(value);
        frame->idle();
        return framePixels(*frame);
    }

    // The farthest point along the needle's direction that is still drawn mostly in needle colour.
    static CPoint measuredTip(const PixelImage& pixels, float value)
    {
        const double theta = 2.0 * kPi / 3.0 - value * kPi / 3.0;
        CPoint tip(-1, -1);
        for (double r = 60.0; r <= 95.0; r += 0.125) {
            const double x = 200.5 + r * std::cos(theta);
            const double y = 155.5 - r * std::sin(theta);
            if (pixels.colorAt(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))).red >= 100)
                tip = CPoint(x, y);
        }
        return tip;
    }

    ScopedBitmaps bitmaps{{{12151, {100, 43, kLit}}, {12152, {113, 46, CColor{90, 0, 0, 255}}},
                           {12153, {100, 43, kDim}}}};
    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
    COldVuMeter2* meter = nullptr;
};

TEST_F(MeterTest, NeedleTipsSitAtTheScaleAnglesOfTheGainReductionTable)
{
    struct Case {
        const char* label;
        float value;
        double x, y;
    } cases[] = {{"0 dB", 0.0f, 157.5, 81.02},     {"3 dB", 0.2921f, 181.92, 71.53}, {"6 dB", 0.4988f, 200.39, 69.5},
                 {"12 dB", 0.7488f, 222.66, 72.4}, {"24 dB", 0.9369f, 238.49, 78.35}, {"full", 1.0f, 243.5, 81.02},
                 {"half", 0.5f, 200.5, 69.5}};
    for (const Case& k : cases) {
        const PixelImage pixels = show(k.value);
        const CPoint tip = measuredTip(pixels, k.value);
        EXPECT_NEAR(tip.x, k.x, 1.0) << k.label;
        EXPECT_NEAR(tip.y, k.y, 1.0) << k.label;
    }
}

TEST_F(MeterTest, HalfScaleIsAVerticalNeedleInTheLitColourOverTheLitFace)
{
    const PixelImage pixels = show(0.5f);
    EXPECT_EQ(pixels.colorAt(200, 90), (CColor{170, 165, 160, 255})) << "fully covered pixel";
    const CColor left = pixels.colorAt(199, 90);
    const CColor right = pixels.colorAt(201, 90);
    if (qgtest::backEndBlendsLineEdges()) {
        EXPECT_EQ(left, right) << "a 2-pixel line centred on x = 200.5";
        EXPECT_NEAR(left.red, (170 + 30) / 2, 2);
    }
    EXPECT_EQ(pixels.colorAt(160, 100), kLit);
    EXPECT_EQ(pixels.colorAt(200, 120), kBackground) << "nothing below the meter's rectangle";
    EXPECT_EQ(pixels.colorAt(200, 66), kLit) << "the tip stops short of the top edge";
}

TEST_F(MeterTest, ValuesBeyondTheScaleAreClampedToItsEnds)
{
    const PixelImage full = show(1.0f);
    show(0.3f);
    const PixelImage over = show(1.3f);
    EXPECT_EQ(meter->getValue(), 1.0f);
    EXPECT_EQ(over.pixels, full.pixels);
    const PixelImage zero = show(0.0f);
    show(0.3f);
    EXPECT_EQ(show(-0.5f).pixels, zero.pixels);
}

TEST_F(MeterTest, OffShowsTheDimFaceAndTheDarkerNeedleAtTheNextRepaint)
{
    show(0.5f);
    meter->setOn(false);
    EXPECT_EQ(framePixels(*frame).colorAt(160, 100), kLit) << "not before the idle";
    frame->idle();
    const PixelImage pixels = framePixels(*frame);
    EXPECT_EQ(pixels.colorAt(160, 100), kDim);
    EXPECT_EQ(pixels.colorAt(200, 90), (CColor{140, 135, 130, 255}));
    EXPECT_EQ(meter->getValue(), 0.5f);
    meter->setOn(true);
    frame->idle();
    EXPECT_EQ(framePixels(*frame).colorAt(160, 100), kLit);
}

TEST_F(MeterTest, AChangedValueIsDrawnOnlyAtTheNextIdle)
{
    const PixelImage before = show(0.0f);
    meter->setValue(0.5f);
    EXPECT_TRUE(meter->isDirty());
    EXPECT_EQ(framePixels(*frame).pixels, before.pixels);
    frame->idle();
    EXPECT_NE(framePixels(*frame).pixels, before.pixels);
    EXPECT_FALSE(meter->isDirty());
}

TEST_F(MeterTest, IgnoresClicksAndTheWheel)
{
    show(0.25f);
    EXPECT_EQ(mouseDown(*frame, 200, 90), kMouseEventNotHandled);
    mouseUp(*frame, 200, 90);
    EXPECT_FALSE(frame->platformOnMouseWheel(CPoint(200, 90), 1.0f, CButtonState()));
    EXPECT_EQ(meter->getValue(), 0.25f);
    EXPECT_TRUE(listener.changes.empty());
    EXPECT_TRUE(editor.edits.empty());
}

TEST_F(MeterTest, DrawsTheFaceThenAnAntiAliasedTwoPixelNeedle)
{
    meter->setValue(0.0f);
    RecordingDrawContext context;
    meter->draw(context);
    ASSERT_EQ(context.calls.size(), 2u);
    EXPECT_EQ(context.calls[0].bitmapId, 12151);
    EXPECT_EQ(context.calls[0].rect, CRect(150, 66, 250, 109));
    EXPECT_EQ(context.calls[1].kind, DrawCall::Line);
    EXPECT_EQ(context.calls[1].drawMode, kAntiAliasing);
    EXPECT_EQ(context.calls[1].lineWidth, 2.0);
    EXPECT_EQ(context.calls[1].lineStyle, kLineSolid);
    EXPECT_NEAR(context.calls[1].from.x, 200.5 - 1.5, 1e-9);
    EXPECT_NEAR(context.calls[1].to.x, 157.5, 1e-9);
    EXPECT_NEAR(context.calls[1].to.y, 155.5 - 86.0 * std::sqrt(3.0) / 2.0, 1e-9);
}

TEST_F(MeterTest, CopiesHoldTheirOwnReferences)
{
    CView* copy = meter->newCopy();
    ASSERT_TRUE(copy->isTypeOf("COldVuMeter2"));
    EXPECT_TRUE(copy->isTypeOf("CControl"));
    copy->forget();
    frame->idle(); // the original still draws with its bitmaps
}

} // namespace
