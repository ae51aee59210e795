// The frame: ownership and reference counts, repainting at idle, mouse routing, the modal view,
// keyboard focus and the timer.
#include "CFrame.h"
#include "CKickButton.h"
#include "VstKeys.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

using namespace qgui;
using namespace qgtest;

namespace {

// Counts the live instances, the draws, and the mouse events it receives; fills its rectangle.
class ProbeView : public CView {
public:
    ProbeView(const CRect& size, CColor color = CColor{200, 40, 40, 255}) : CView(size), color(color) { ++live; }
    ~ProbeView() override { --live; }

    void draw(CDrawContext& context) override
    {
        ++draws;
        context.setFillColor(color);
        context.drawRect(size, kDrawFilled);
        setDirty(false);
    }
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState&) override
    {
        events.push_back("down " + pos(where));
        return downResult;
    }
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState&) override
    {
        events.push_back("up " + pos(where));
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState&) override
    {
        events.push_back("move " + pos(where));
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseEntered(CPoint&, const CButtonState&) override
    {
        events.push_back("enter");
        return kMouseEventHandled;
    }
    CMouseEventResult onMouseExited(CPoint&, const CButtonState&) override
    {
        events.push_back("exit");
        return kMouseEventHandled;
    }
    bool onWheel(const CPoint&, const float& distance, const CButtonState&) override
    {
        events.push_back("wheel " + std::to_string(static_cast<int>(distance)));
        return true;
    }
    int32_t onKeyDown(VstKeyCode& key) override
    {
        events.push_back("key " + std::to_string(key.virt));
        return 1;
    }

    static std::string pos(const CPoint& p)
    {
        return std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y));
    }

    static inline int live = 0;
    int draws = 0;
    CColor color;
    CMouseEventResult downResult = kMouseEventHandled;
    std::vector<std::string> events;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
        ASSERT_TRUE(frame->isOpen());
    }
    void TearDown() override
    {
        if (frame)
            frame->close();
        EXPECT_EQ(ProbeView::live, 0);
        EXPECT_EQ(CountingBitmap::live, 0);
    }
    ProbeView* add(const CRect& r, CColor color = CColor{200, 40, 40, 255})
    {
        auto* view = new ProbeView(r, color);
        frame->addView(view);
        return view;
    }

    RecordingEditor editor;
    CFrame* frame = nullptr;
};

TEST_F(FrameTest, ClosingReleasesEveryViewAndTheBitmapsTheyHold)
{
    auto* bitmap = new CountingBitmap(PixelImage(4, 4, 0xff102030u));
    for (int i = 0; i < 3; ++i) {
        auto* view = add(CRect(10.0 * i, 0, 10.0 * i + 10, 10));
        view->setBackground(bitmap);
    }
    EXPECT_EQ(bitmap->getNbReference(), 4);
    bitmap->forget(); // the creator's reference; the views keep theirs
    EXPECT_EQ(CountingBitmap::live, 1);
    EXPECT_EQ(ProbeView::live, 3);

    frame->close();
    frame = nullptr;
    EXPECT_EQ(ProbeView::live, 0);
    EXPECT_EQ(CountingBitmap::live, 0);
}

TEST_F(FrameTest, RemovingAViewWithoutForgetLeavesItToItsHolder)
{
    auto* view = add(CRect(0, 0, 10, 10));
    view->remember();
    EXPECT_TRUE(frame->removeView(view, false));
    EXPECT_FALSE(view->isAttached());
    EXPECT_EQ(view->getNbReference(), 2);
    view->forget();
    view->forget();
    EXPECT_EQ(ProbeView::live, 0);
}

TEST_F(FrameTest, DirtyViewsAreRepaintedOnlyAtIdleAndOnlyThemselves)
{
    ProbeView* a = add(CRect(0, 0, 50, 50), CColor{255, 0, 0, 255});
    ProbeView* b = add(CRect(100, 0, 150, 50), CColor{0, 255, 0, 255});
    ProbeView* c = add(CRect(200, 0, 250, 50), CColor{0, 0, 255, 255});
    EXPECT_EQ(a->draws + b->draws + c->draws, 0) << "nothing is drawn before the first idle";
    frame->idle();
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(b->draws, 1);
    EXPECT_EQ(c->draws, 1);
    EXPECT_EQ(framePixels(*frame).colorAt(120, 20), (CColor{0, 255, 0, 255}));

    b->color = CColor{255, 255, 0, 255};
    b->setDirty();
    EXPECT_EQ(b->draws, 1) << "marking dirty does not draw";
    EXPECT_EQ(framePixels(*frame).colorAt(120, 20), (CColor{0, 255, 0, 255}));
    frame->idle();
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(b->draws, 2);
    EXPECT_EQ(c->draws, 1);
    EXPECT_EQ(framePixels(*frame).colorAt(120, 20), (CColor{255, 255, 0, 255}));

    frame->idle();
    EXPECT_EQ(b->draws, 2) << "a clean frame repaints nothing";
}

TEST_F(FrameTest, ADirtyFrameRepaintsEverythingAtTheNextIdle)
{
    ProbeView* a = add(CRect(0, 0, 50, 50));
    ProbeView* b = add(CRect(100, 0, 150, 50));
    frame->idle();
    frame->setDirty(true);
    EXPECT_TRUE(frame->isDirty());
    frame->idle();
    EXPECT_EQ(a->draws, 2);
    EXPECT_EQ(b->draws, 2);
    EXPECT_FALSE(frame->isDirty());
}

TEST_F(FrameTest, BackgroundIsDrawnUnderTheViewsAndViewsAreClippedToTheirRectangles)
{
    auto* picture = new CountingBitmap(PixelImage(4, 4, 0xff102030u));
    frame->setBackground(picture); // the frame takes its own reference...
    picture->forget(); // ...and the creator lets go
    frame->setBackgroundColor(CColor{0, 0, 0, 0});
    add(CRect(10, 10, 20, 20), CColor{250, 250, 250, 255});
    frame->idle();
    const PixelImage pixels = framePixels(*frame);
    EXPECT_EQ(pixels.colorAt(15, 15), (CColor{250, 250, 250, 255}));
    EXPECT_EQ(pixels.colorAt(2, 2), (CColor{0x10, 0x20, 0x30, 255})) << "the background picture";
    EXPECT_EQ(pixels.colorAt(20, 15), (CColor{0, 0, 0, 0})) << "beyond the picture and the view";
}

TEST_F(FrameTest, MouseEventsReachTheTopmostViewAndFollowTheDrag)
{
    ProbeView* below = add(CRect(0, 0, 100, 100));
    ProbeView* above = add(CRect(50, 50, 150, 150));

    EXPECT_EQ(mouseMove(*frame, 20, 20, 0), kMouseEventHandled);
    EXPECT_EQ(mouseMove(*frame, 60, 60, 0), kMouseEventHandled);
    EXPECT_EQ(mouseDown(*frame, 60, 60), kMouseEventHandled);
    mouseMove(*frame, 300, 300); // dragged out of the view: it keeps receiving the moves
    mouseUp(*frame, 300, 300);

    mouseMove(*frame, 20, 20, 0);
    frame->platformOnMouseExited(CPoint(-1, 20), CButtonState()); // the pointer leaves the window

    EXPECT_EQ(below->events, (std::vector<std::string>{"enter", "move 20,20", "exit", "enter", "move 20,20", "exit"}));
    EXPECT_EQ(above->events,
              (std::vector<std::string>{"enter", "move 60,60", "down 60,60", "move 300,300", "up 300,300", "exit"}));
}

TEST_F(FrameTest, ANotHandledClickFallsThroughToTheViewBelow)
{
    ProbeView* below = add(CRect(0, 0, 100, 100));
    ProbeView* above = add(CRect(0, 0, 100, 100));
    above->downResult = kMouseEventNotHandled;
    mouseDown(*frame, 10, 10);
    mouseUp(*frame, 10, 10);
    EXPECT_EQ(below->events, (std::vector<std::string>{"down 10,10", "up 10,10"}));
}

TEST_F(FrameTest, WheelGoesToTheViewUnderThePointer)
{
    ProbeView* a = add(CRect(0, 0, 100, 100));
    ProbeView* b = add(CRect(200, 0, 300, 100));
    EXPECT_TRUE(frame->platformOnMouseWheel(CPoint(250, 50), 2.0f, CButtonState()));
    EXPECT_FALSE(frame->platformOnMouseWheel(CPoint(150, 50), 1.0f, CButtonState()));
    EXPECT_TRUE(a->events.empty());
    EXPECT_EQ(b->events, (std::vector<std::string>{"wheel 2"}));
}

TEST_F(FrameTest, WhileAModalViewShowsOnlyItReceivesClicks)
{
    ProbeView* panel = add(CRect(0, 276, 400, 309));
    auto* modal = new ProbeView(CRect(0, 0, 400, 276));
    ASSERT_TRUE(frame->setModalView(modal));
    EXPECT_EQ(frame->getView(frame->getNbViews() - 1), modal) << "added on top";
    auto* second = new ProbeView(CRect(0, 0, 10, 10));
    EXPECT_FALSE(frame->setModalView(second)) << "only one at a time";
    second->forget();

    EXPECT_EQ(mouseDown(*frame, 200, 290), kMouseEventNotHandled);
    mouseUp(*frame, 200, 290);
    EXPECT_EQ(mouseDown(*frame, 200, 100), kMouseEventHandled);
    mouseUp(*frame, 200, 100);
    EXPECT_TRUE(std::find(panel->events.begin(), panel->events.end(), "down 200,290") == panel->events.end());
    EXPECT_NE(std::find(modal->events.begin(), modal->events.end(), "down 200,100"), modal->events.end());

    ASSERT_TRUE(frame->setModalView(nullptr));
    EXPECT_FALSE(modal->isAttached()) << "removed, not released";
    modal->forget();
    EXPECT_EQ(mouseDown(*frame, 200, 290), kMouseEventHandled);
    mouseUp(*frame, 200, 290);
}

TEST_F(FrameTest, KeysGoToTheFocusView)
{
    ProbeView* a = add(CRect(0, 0, 10, 10));
    VstKeyCode key{0, VKEY_UP, 0};
    EXPECT_FALSE(frame->platformOnKeyDown(key)) << "nobody has the focus";
    frame->setFocusView(a);
    EXPECT_TRUE(frame->platformOnKeyDown(key));
    EXPECT_EQ(a->events, (std::vector<std::string>{"key " + std::to_string(VKEY_UP)}));
    frame->removeView(a);
    EXPECT_EQ(frame->getFocusView(), nullptr) << "a removed view keeps no focus";
}

TEST_F(FrameTest, TimerTicksCallTheCallbackUntilStopped)
{
    int ticks = 0;
    EXPECT_TRUE(frame->startTimer(30, [&] { ++ticks; }));
    EXPECT_TRUE(frame->getPlatformFrame()->isTimerRunning());
    frame->platformOnTimer();
    frame->platformOnTimer();
    frame->stopTimer();
    EXPECT_FALSE(frame->getPlatformFrame()->isTimerRunning());
    frame->platformOnTimer();
    EXPECT_EQ(ticks, 2);
}

TEST_F(FrameTest, TheKnobModeIsSharedByTheWholeProcess)
{
    const int32_t saved = CFrame::getKnobMode();
    CFrame::setKnobMode(kLinearMode);
    EXPECT_EQ(CFrame::getKnobMode(), kLinearMode);
    CFrame::setKnobMode(kCircularMode);
    EXPECT_EQ(CFrame::getKnobMode(), kCircularMode);
    CFrame::setKnobMode(saved);
}

} // namespace
