// The editor's knob: frame choice, drag arithmetic with real event sequences, default clicks
// and wheel steps as the editor (which snaps every change to the knob's steps) sees them.
#include "CAnimKnob3.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qgui;
using namespace qgtest;

namespace {

// Does what the editor does with a knob change: snap to the N frame positions and set it back.
class SnappingListener : public CControlListener {
public:
    void valueChanged(CControl* control) override
    {
        auto* knob = static_cast<CAnimKnob3*>(control);
        const int steps = knob->getNumSubPixmaps() - 1;
        const float snapped = static_cast<float>(static_cast<int>(knob->getValue() * steps + 0.5f)) / steps;
        sent.push_back(snapped);
        knob->setValue(snapped);
    }
    std::vector<float> sent;
};

class AnimKnob3Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedKnobMode = CFrame::getKnobMode();
        CFrame::setKnobMode(kLinearMode);
        frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
    }
    void TearDown() override
    {
        frame->close();
        CFrame::setKnobMode(savedKnobMode);
    }
    // A knob laid out as the editor does: origin, N frames of 114 px (70 for the Ratio knob).
    CAnimKnob3* addKnob(int32_t tag, int frames, double side, double sensitivity, CControlListener* l = nullptr)
    {
        auto* strip = new CBitmap(PixelImage(static_cast<int>(side), static_cast<int>(side * frames), 0xff404040u));
        auto* knob = new CAnimKnob3(CRect(28, 143, 28 + side, 143 + side), l ? l : &recorder, tag, frames, side,
                                    strip, CPoint());
        strip->forget();
        knob->sensitivity = sensitivity;
        frame->addView(knob);
        return knob;
    }
    double frameShown(CAnimKnob3& knob)
    {
        RecordingDrawContext context;
        knob.draw(context);
        return context.calls.at(0).offset.y / knob.getHeightOfOneImage();
    }

    int32_t savedKnobMode = 0;
    RecordingEditor editor;
    RecordingListener recorder;
    CFrame* frame = nullptr;
};

TEST_F(AnimKnob3Test, ShowsTheNearestFrame)
{
    CAnimKnob3* time = addKnob(4, 21, 114, 0.5);
    struct Case {
        float value;
        double frame;
    } cases[] = {{0.0f, 0}, {0.024f, 0}, {0.026f, 1}, {0.524f, 10}, {0.526f, 11}, {0.99f, 20}, {1.0f, 20}};
    for (const Case& k : cases) {
        time->setValue(k.value);
        EXPECT_EQ(frameShown(*time), k.frame) << k.value;
    }
    CAnimKnob3* ratio = addKnob(2, 7, 70, 0.25);
    ratio->setValue(1.0f / 6.0f);
    EXPECT_EQ(frameShown(*ratio), 1.0);
}

TEST_F(AnimKnob3Test, LinearDragCoversTheRangeIn500PixelsTimesSensitivity)
{
    struct Case {
        double sensitivity;
        int32_t buttons;
        double fullRange; // pixels
    } cases[] = {{0.5, kLButton, 250.0}, {0.5, kLButton | kShift, 375.0}, {0.25, kLButton, 125.0},
                 {0.25, kLButton | kShift, 187.5}};
    for (const Case& k : cases) {
        CAnimKnob3* knob = addKnob(4, 21, 114, k.sensitivity);
        knob->setValue(0.0f);
        mouseDown(*frame, 60, 250, k.buttons);
        mouseMove(*frame, 60, 250 - k.fullRange / 2, k.buttons); // half the range upwards
        EXPECT_NEAR(knob->getValue(), 0.5f, 1e-5) << k.sensitivity << " " << k.buttons;
        mouseMove(*frame, 60 + k.fullRange / 4, 250 - k.fullRange / 2, k.buttons); // right counts as up
        EXPECT_NEAR(knob->getValue(), 0.75f, 1e-5);
        mouseMove(*frame, 60, 250 - k.fullRange * 2, k.buttons);
        EXPECT_EQ(knob->getValue(), 1.0f) << "clamped at the top";
        mouseUp(*frame, 60, 250 - k.fullRange * 2, k.buttons);
        frame->removeView(knob);
    }
}

TEST_F(AnimKnob3Test, RightAndDownByTheSameDistanceCancel)
{
    CAnimKnob3* knob = addKnob(4, 21, 114, 0.5);
    knob->setValue(0.4f);
    frame->idle(); // drawn: the value shown is the value held
    mouseDown(*frame, 80, 200);
    mouseMove(*frame, 90, 210);
    mouseUp(*frame, 90, 210);
    EXPECT_EQ(knob->getValue(), 0.4f);
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(editor.edits, (std::vector<std::string>{"begin 4", "end 4"}));
}

TEST_F(AnimKnob3Test, ShiftPressedMidDragDoesNotJumpAndThenMovesOneAndAHalfTimesSlower)
{
    CAnimKnob3* knob = addKnob(5, 41, 114, 0.5);
    knob->setValue(0.0f);
    mouseDown(*frame, 80, 250);
    mouseMove(*frame, 80, 200); // 50 px at 250 px per range
    EXPECT_NEAR(knob->getValue(), 0.2f, 1e-6);
    mouseMove(*frame, 80, 200, kLButton | kShift); // Shift alone: the pointer has not moved
    EXPECT_NEAR(knob->getValue(), 0.2f, 1e-6);
    mouseMove(*frame, 80, 199, kLButton | kShift); // the first move with Shift continues smoothly
    EXPECT_NEAR(knob->getValue(), 0.204f, 1e-6);
    mouseMove(*frame, 80, 169, kLButton | kShift); // 30 px at 375 px per range
    EXPECT_NEAR(knob->getValue(), 0.204f + 30.0f / 375.0f, 1e-6);
    mouseMove(*frame, 80, 168); // Shift released: no jump, back to 250 px per range
    EXPECT_NEAR(knob->getValue(), 0.284f + 1.0f / 375.0f, 1e-5);
    const float before = knob->getValue();
    mouseMove(*frame, 80, 143);
    EXPECT_NEAR(knob->getValue(), before + 25.0f / 250.0f, 1e-5);
    mouseUp(*frame, 80, 143);
}

TEST_F(AnimKnob3Test, AltDragIsCircularAndPinsAtTheEndItLeftThroughTheGap)
{
    CAnimKnob3* knob = addKnob(6, 61, 114, 0.5);
    const CPoint centre(28 + 57, 143 + 57);
    auto at = [&](double degrees) {
        const double a = degrees * 3.14159265358979323846 / 180.0;
        return CPoint(centre.x + 40 * std::cos(a), centre.y - 40 * std::sin(a));
    };
    const int32_t drag = kLButton | kAlt;
    CPoint p = at(-30); // near the top end: 255° of 270°
    mouseDown(*frame, p.x, p.y, drag);
    EXPECT_NEAR(knob->getValue(), 255.0f / 270.0f, 1e-5) << "circular: the value jumps to the pointer";
    for (double degrees : {-80.0, -100.0, -150.0, 200.0}) { // through the gap to the low end
        p = at(degrees);
        mouseMove(*frame, p.x, p.y, drag);
        EXPECT_EQ(knob->getValue(), 1.0f) << degrees << "°";
    }
    p = at(0);
    mouseMove(*frame, p.x, p.y, drag);
    EXPECT_NEAR(knob->getValue(), 225.0f / 270.0f, 1e-5) << "back on the arc it follows again";
    mouseUp(*frame, p.x, p.y, drag);

    p = at(200); // near the bottom end, then through the gap to the top end
    mouseDown(*frame, p.x, p.y, drag);
    EXPECT_NEAR(knob->getValue(), 25.0f / 270.0f, 1e-5);
    for (double degrees : {-100.0, -80.0, -30.0}) {
        p = at(degrees);
        mouseMove(*frame, p.x, p.y, drag);
        EXPECT_EQ(knob->getValue(), 0.0f) << degrees << "°";
    }
    mouseUp(*frame, p.x, p.y, drag);
}

TEST_F(AnimKnob3Test, WithoutLinearModePlainDragsAreCircularAndAltDragsLinear)
{
    CFrame::setKnobMode(kCircularMode);
    CAnimKnob3* knob = addKnob(4, 21, 114, 0.5);
    knob->setValue(0.3f);
    mouseDown(*frame, 85, 160); // straight above the centre: the middle of the arc
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-5);
    mouseUp(*frame, 85, 160);
    mouseDown(*frame, 85, 160, kLButton | kAlt);
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-5) << "linear: the press moves nothing";
    mouseMove(*frame, 85, 135, kLButton | kAlt);
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-5);
    mouseUp(*frame, 85, 135, kLButton | kAlt);
}

TEST_F(AnimKnob3Test, CtrlClickSetsTheDefaultAndStartsNoDrag)
{
    struct Case {
        float defaultValue;
    } cases[] = {{0.5f}, {0.0f}};
    for (const Case& k : cases) {
        CAnimKnob3* knob = addKnob(6, 61, 114, 0.5);
        knob->setDefaultValue(k.defaultValue);
        knob->setValue(0.8f);
        editor.edits.clear();
        recorder.changes.clear();
        EXPECT_EQ(mouseDown(*frame, 80, 200, kLButton | kControl), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
        mouseMove(*frame, 80, 100, kLButton | kControl);
        mouseUp(*frame, 80, 100, kLButton | kControl);
        EXPECT_EQ(knob->getValue(), k.defaultValue);
        EXPECT_EQ(recorder.changes, (std::vector<std::pair<int32_t, float>>{{6, k.defaultValue}}));
        EXPECT_EQ(editor.edits, (std::vector<std::string>{"begin 6", "end 6"}));
        frame->removeView(knob);
    }
}

TEST_F(AnimKnob3Test, WheelStepsMoveTheRatioKnobOnePositionButNotTheTimeKnobWithShift)
{
    SnappingListener editorLike;
    CAnimKnob3* ratio = addKnob(2, 7, 70, 0.25, &editorLike);
    ratio->setValue(0.5f);
    frame->platformOnMouseWheel(CPoint(50, 170), 1.0f, CButtonState());
    EXPECT_NEAR(ratio->getValue(), 4.0f / 6.0f, 1e-6);
    frame->platformOnMouseWheel(CPoint(50, 170), -1.0f, CButtonState());
    EXPECT_NEAR(ratio->getValue(), 3.0f / 6.0f, 1e-6);
    frame->removeView(ratio);

    CAnimKnob3* time = addKnob(4, 21, 114, 0.5, &editorLike);
    time->setValue(0.5f);
    editorLike.sent.clear();
    frame->platformOnMouseWheel(CPoint(80, 200), 1.0f, CButtonState(kShift));
    EXPECT_EQ(time->getValue(), 0.5f);
    EXPECT_EQ(editorLike.sent, std::vector<float>{0.5f});
}

TEST_F(AnimKnob3Test, DraggingTheRatioKnobSendsOnlyItsSevenPositions)
{
    SnappingListener editorLike;
    CAnimKnob3* ratio = addKnob(2, 7, 70, 0.25, &editorLike);
    ratio->setValue(0.0f);
    mouseDown(*frame, 60, 200);
    for (int y = 199; y >= 40; y -= 3)
        mouseMove(*frame, 60, y);
    mouseUp(*frame, 60, 40);
    ASSERT_FALSE(editorLike.sent.empty());
    for (float v : editorLike.sent) {
        const float steps = v * 6.0f;
        EXPECT_NEAR(steps, std::round(steps), 1e-5);
    }
    EXPECT_EQ(ratio->getValue(), 1.0f);
    EXPECT_EQ(frameShown(*ratio), 6.0);
}

TEST_F(AnimKnob3Test, CopiesKeepTheSensitivity)
{
    CAnimKnob3* knob = addKnob(2, 7, 70, 0.25);
    CView* copy = knob->newCopy();
    ASSERT_TRUE(copy->isTypeOf("CAnimKnob3"));
    ASSERT_TRUE(copy->isTypeOf("CAnimKnob"));
    EXPECT_EQ(static_cast<CAnimKnob3*>(copy)->sensitivity, 0.25);
    EXPECT_EQ(static_cast<CAnimKnob3*>(copy)->getBackground(), knob->getBackground());
    copy->forget();
}

} // namespace
