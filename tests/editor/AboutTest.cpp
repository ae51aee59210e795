// The about screen: opening on a left click in the title zone, the picture with its version
// text, clicks elsewhere ignored while it shows, closing, and nothing left behind.
#include "CAbout.h"
#include "CKickButton.h"
#include "CSplashScreenMyView.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

using namespace qgui;
using namespace qgtest;

namespace {

constexpr CColor kPicture{60, 50, 40, 255};

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
        auto* picture = new CountingBitmap(12200);
        about = new CAbout(CRect(96, 22, 304, 46), &listener, 13, picture,
                           CRect(0, 0, picture->getWidth(), picture->getHeight()), CPoint(0, 0), CPoint(296, 70));
        frame->addView(about);
        picture->forget();
        memoButton = new CKickButton(CRect(302, 278, 314, 292), &listener, 1015, 14.0, nullptr);
        frame->addView(memoButton);
        baseline = frame->getNbViews();
        frame->idle();
    }
    void TearDown() override
    {
        if (frame)
            frame->close();
        EXPECT_EQ(CountingBitmap::live, 0) << "hot zone and about view released the picture";
    }
    void click(double x, double y, int32_t buttons = kLButton)
    {
        mouseDown(*frame, x, y, buttons);
        mouseUp(*frame, x, y, buttons);
    }

    ScopedBitmaps bitmaps{{{12200, {400, 276, kPicture}}}};
    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
    CAbout* about = nullptr;
    CKickButton* memoButton = nullptr;
    int baseline = 0;
};

TEST_F(AboutTest, ARightClickDoesNotOpenIt)
{
    click(150, 30, kRButton);
    EXPECT_EQ(about->getValue(), 0.0f);
    EXPECT_EQ(frame->getModalView(), nullptr);
}

TEST_F(AboutTest, ALeftClickOpensThePictureWithTheVersionText)
{
    click(150, 30);
    EXPECT_EQ(about->getValue(), 1.0f);
    CView* view = frame->getModalView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isTypeOf("CSplashScreenMyView"));
    EXPECT_EQ(view->getViewSize(), CRect(0, 0, 400, 276));
    EXPECT_EQ(frame->getNbViews(), baseline + 1);

    RecordingDrawContext context;
    view->draw(context);
    ASSERT_EQ(context.calls.size(), 2u);
    EXPECT_EQ(context.calls[0].bitmapId, 12200);
    EXPECT_EQ(context.calls[0].rect, CRect(0, 0, 400, 276));
    EXPECT_EQ(context.calls[0].offset, CPoint(0, 0));
    EXPECT_EQ(context.calls[1].text, "v.1.2.0");
    EXPECT_EQ(context.calls[1].rect, CRect(296, 70, 396, 80));
    EXPECT_EQ(context.calls[1].color, (CColor{200, 200, 200, 255}));
    EXPECT_EQ(context.calls[1].font.name, "Arial");
    EXPECT_EQ(context.calls[1].font.size, 12.0);
    EXPECT_EQ(context.calls[1].font.style, kNormalFace);
    EXPECT_EQ(context.calls[1].align, kLeftText);

    frame->idle();
    const PixelImage pixels = framePixels(*frame);
    EXPECT_EQ(pixels.colorAt(20, 200), kPicture);
    int bright = 0;
    for (int y = 70; y < 80; ++y)
        for (int x = 296; x < 396; ++x)
            bright += pixels.colorAt(x, y).red > 150 ? 1 : 0;
    EXPECT_GT(bright, 10) << "the version text is drawn in its box";
}

TEST_F(AboutTest, WhileItShowsClicksOnThePresetStripAreIgnored)
{
    click(150, 30);
    click(308, 285);
    EXPECT_TRUE(listener.changes.empty()) << "the memory button below the picture heard nothing";
    EXPECT_EQ(about->getValue(), 1.0f);
    EXPECT_NE(frame->getModalView(), nullptr);
}

TEST_F(AboutTest, AClickOnThePictureClosesItAndTheWholeWindowIsRepainted)
{
    click(150, 30);
    frame->idle();
    click(150, 30, kRButton);
    EXPECT_NE(frame->getModalView(), nullptr) << "only the left button closes";
    mouseMove(*frame, 12, 12, 0); // hovering the picture, then closing it under the pointer
    click(10, 10);
    mouseMove(*frame, 14, 14, 0);
    EXPECT_EQ(about->getValue(), 0.0f);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(frame->getNbViews(), baseline);
    EXPECT_TRUE(frame->isDirty());
    frame->idle();
    EXPECT_EQ(framePixels(*frame).colorAt(20, 200), (CColor{0, 0, 0, 255}));

    click(308, 285);
    EXPECT_EQ(listener.changes.size(), 2u) << "the panel works again";
}

TEST_F(AboutTest, OpeningAndClosingRepeatedlyLeavesNoViewBehind)
{
    for (int i = 0; i < 5; ++i) {
        click(150, 30);
        frame->idle();
        click(200, 200);
        frame->idle();
    }
    EXPECT_EQ(frame->getNbViews(), baseline);
    EXPECT_EQ(about->getBackground()->getNbReference(), 1) << "only the hot zone holds the picture";
}

TEST_F(AboutTest, ClosingTheWindowWhileItShowsDestroysIt)
{
    click(150, 30);
    EXPECT_EQ(about->getBackground()->getNbReference(), 2);
    frame->close();
    frame = nullptr;
}

TEST_F(AboutTest, TheHotZoneDrawsNothing)
{
    RecordingDrawContext context;
    about->draw(context);
    EXPECT_TRUE(context.calls.empty());
}

} // namespace
