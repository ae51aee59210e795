// Values, listeners, edit gestures and pictures of the toolkit's controls, driven through a frame
// with the events a window sends.
#include "CAnimKnob.h"
#include "CHorizontalSwitch.h"
#include "CKickButton.h"
#include "CKnob.h"
#include "CRockerSwitch.h"
#include "VstKeys.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qgui;
using namespace qgtest;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedKnobMode = CFrame::getKnobMode();
        frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
    }
    void TearDown() override
    {
        frame->close();
        CFrame::setKnobMode(savedKnobMode);
    }
    template <class T>
    T* add(T* control)
    {
        frame->addView(control);
        return control;
    }

    int32_t savedKnobMode = 0;
    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
};

TEST_F(ControlsTest, SetValueClampsToTheRangeAndMarksTheControlDirty)
{
    auto* control = add(new CControl(CRect(0, 0, 10, 10), &listener, 3));
    frame->idle();
    EXPECT_FALSE(control->isDirty());
    control->setValue(1.3f);
    EXPECT_EQ(control->getValue(), 1.0f);
    EXPECT_TRUE(control->isDirty());
    frame->idle();
    EXPECT_FALSE(control->isDirty());
    control->setValue(-0.2f);
    EXPECT_EQ(control->getValue(), 0.0f);
    control->setValue(0.7f);
    control->setValue(std::nanf(""));
    EXPECT_EQ(control->getValue(), 0.0f) << "not a number: the minimum";
    EXPECT_TRUE(listener.changes.empty()) << "programmatic changes are not reported";
}

TEST_F(ControlsTest, OnlyAPlainCtrlLeftClickSetsTheDefaultValue)
{
    CControl control(CRect(0, 0, 10, 10), &listener, 3);
    control.setDefaultValue(0.25f);
    control.setValue(0.8f);
    EXPECT_FALSE(control.checkDefaultValue(kLButton));
    EXPECT_FALSE(control.checkDefaultValue(kLButton | kControl | kShift));
    EXPECT_FALSE(control.checkDefaultValue(kRButton | kControl));
    EXPECT_EQ(control.getValue(), 0.8f);
    EXPECT_TRUE(control.checkDefaultValue(kLButton | kControl));
    EXPECT_EQ(control.getValue(), 0.25f);
    EXPECT_EQ(listener.changes, (std::vector<std::pair<int32_t, float>>{{3, 0.25f}}));
    EXPECT_TRUE(control.checkDefaultValue(kLButton | kControl));
    EXPECT_EQ(listener.changes.size(), 1u) << "no report when the value was the default already";
}

TEST_F(ControlsTest, KnobMapsPointerAnglesOntoTheArcClockwiseFrom225Degrees)
{
    CKnob knob(CRect(0, 0, 100, 100), nullptr, 1, nullptr, nullptr);
    const double c = 50.0, r = 40.0;
    auto at = [&](double degrees) {
        const double a = degrees * 3.14159265358979323846 / 180.0;
        return knob.valueFromPoint(CPoint(c + r * std::cos(a), c - r * std::sin(a)));
    };
    struct Case {
        double degrees;
        float value;
    } cases[] = {{225, 0.0f}, {180, 1.0f / 6.0f}, {90, 0.5f}, {0, 5.0f / 6.0f}, {-45, 1.0f},
                 {-80, 1.0f}, {-100, 0.0f}}; // the last two: either half of the gap below the centre
    for (const Case& k : cases)
        EXPECT_NEAR(at(k.degrees), k.value, 1e-5) << k.degrees << "°";
}

TEST_F(ControlsTest, KnobWheelStepsAreATenthOrAHundredthWithShiftInsideOneGesture)
{
    auto* knob = add(new CKnob(CRect(0, 0, 50, 50), &listener, 4, nullptr, nullptr));
    knob->setValue(0.5f);
    EXPECT_TRUE(frame->platformOnMouseWheel(CPoint(25, 25), 1.0f, CButtonState()));
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
    EXPECT_TRUE(frame->platformOnMouseWheel(CPoint(25, 25), -1.0f, CButtonState(kShift)));
    EXPECT_NEAR(knob->getValue(), 0.59f, 1e-6);
    frame->platformOnMouseWheel(CPoint(25, 25), 10.0f, CButtonState());
    EXPECT_EQ(knob->getValue(), 1.0f);
    const size_t reported = listener.changes.size();
    frame->platformOnMouseWheel(CPoint(25, 25), 1.0f, CButtonState());
    EXPECT_EQ(listener.changes.size(), reported) << "no change at the end of the range, no report";
    EXPECT_EQ(editor.edits, (std::vector<std::string>{"begin 4", "end 4", "begin 4", "end 4", "begin 4", "end 4"}));
}

TEST_F(ControlsTest, AClickedKnobTakesTheArrowKeys)
{
    auto* knob = add(new CKnob(CRect(0, 0, 50, 50), &listener, 4, nullptr, nullptr));
    knob->setValue(0.5f);
    CFrame::setKnobMode(kLinearMode); // so that the click itself moves nothing
    mouseDown(*frame, 25, 25); // a click gives the knob the focus
    mouseUp(*frame, 25, 25);
    ASSERT_EQ(frame->getFocusView(), knob);
    VstKeyCode up{0, VKEY_UP, 0};
    VstKeyCode leftShift{0, VKEY_LEFT, MODIFIER_SHIFT};
    VstKeyCode letter{'a', 0, 0};
    EXPECT_TRUE(frame->platformOnKeyDown(up));
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-6);
    EXPECT_TRUE(frame->platformOnKeyDown(leftShift));
    EXPECT_NEAR(knob->getValue(), 0.59f, 1e-6);
    EXPECT_FALSE(frame->platformOnKeyDown(letter));
    mouseDown(*frame, 300, 300); // a click elsewhere takes the focus away
    mouseUp(*frame, 300, 300);
    EXPECT_FALSE(frame->platformOnKeyDown(up));
}

TEST_F(ControlsTest, KnobLinearDragCovers200PixelsAndShiftZooms)
{
    CFrame::setKnobMode(kLinearMode);
    auto* knob = add(new CKnob(CRect(100, 100, 150, 150), &listener, 4, nullptr, nullptr));
    knob->setValue(0.0f);
    mouseDown(*frame, 120, 120);
    mouseMove(*frame, 120, 70); // 50 px up
    EXPECT_NEAR(knob->getValue(), 0.25f, 1e-6);
    mouseMove(*frame, 120, 69, kLButton | kShift); // Shift comes: no jump
    EXPECT_NEAR(knob->getValue(), 0.255f, 1e-6);
    mouseMove(*frame, 120, 39, kLButton | kShift); // 30 px more at 300 px per range
    EXPECT_NEAR(knob->getValue(), 0.355f, 1e-6);
    mouseUp(*frame, 120, 39);
    EXPECT_EQ(editor.edits, (std::vector<std::string>{"begin 4", "end 4"}));
}

TEST_F(ControlsTest, AnimKnobShowsTheFrameAtOrBelowTheValue)
{
    ScopedBitmaps bitmaps({{500, {20, 100, CColor{}}}});
    auto* strip = new CBitmap(500);
    CAnimKnob knob(CRect(0, 0, 20, 20), nullptr, 1, 5, 20.0, strip);
    strip->forget();
    struct Case {
        float value;
        double offsetY;
    } cases[] = {{0.0f, 0}, {0.24f, 0}, {0.25f, 20}, {0.7f, 40}, {1.0f, 80}};
    for (const Case& k : cases) {
        RecordingDrawContext context;
        knob.setValue(k.value);
        knob.draw(context);
        ASSERT_EQ(context.calls.size(), 1u);
        EXPECT_EQ(context.calls[0].offset.y, k.offsetY) << k.value;
    }
}

TEST_F(ControlsTest, HorizontalSwitchPicksThePositionUnderThePointer)
{
    ScopedBitmaps bitmaps({{600, {106, 234, CColor{}}}});
    auto* strip = new CBitmap(600);
    auto* sw = add(new CHorizontalSwitch(CRect(262, 46, 368, 124), &listener, 0, 3, 78, 3, strip));
    strip->forget();
    struct Case {
        double x;
        float value;
    } cases[] = {{262, 0.0f}, {297, 0.0f}, {298, 0.5f}, {332, 0.5f}, {333, 1.0f}, {367, 1.0f}};
    for (const Case& k : cases) {
        mouseDown(*frame, k.x, 80);
        mouseUp(*frame, k.x, 80);
        EXPECT_EQ(sw->getValue(), k.value) << k.x;
    }
    listener.changes.clear();
    mouseDown(*frame, 270, 80, kLButton | kControl);
    mouseUp(*frame, 270, 80, kLButton | kControl);
    EXPECT_EQ(listener.changes, (std::vector<std::pair<int32_t, float>>{{0, 0.5f}})) << "default value 0.5";

    RecordingDrawContext context;
    sw->setValue(0.9f);
    sw->draw(context);
    EXPECT_EQ(context.calls.at(0).offset.y, 156.0) << "0.9 shows the nearest image, the right one";
}

TEST_F(ControlsTest, KickButtonIsPressedWhileHeldAndByTheReturnKey)
{
    auto* button = add(new CKickButton(CRect(0, 0, 20, 20), &listener, 7, 20.0, nullptr));
    mouseDown(*frame, 5, 5);
    mouseMove(*frame, 50, 50); // slides off: released
    mouseMove(*frame, 6, 6); // back on: pressed again
    mouseUp(*frame, 6, 6);
    EXPECT_EQ(listener.changes, (std::vector<std::pair<int32_t, float>>{{7, 1.0f}, {7, 0.0f}, {7, 1.0f}, {7, 0.0f}}));

    listener.changes.clear();
    frame->setFocusView(button);
    VstKeyCode ret{0, VKEY_RETURN, 0};
    EXPECT_TRUE(frame->platformOnKeyDown(ret));
    EXPECT_TRUE(frame->platformOnKeyDown(ret)); // auto-repeat
    EXPECT_TRUE(frame->platformOnKeyUp(ret));
    EXPECT_EQ(listener.changes, (std::vector<std::pair<int32_t, float>>{{7, 1.0f}, {7, 0.0f}}));
}

TEST_F(ControlsTest, RockerSwitchGivesTheSidePressedAndZeroOnRelease)
{
    add(new CRockerSwitch(CRect(270, 285, 300, 298), &listener, 9, 14.0, nullptr));
    mouseDown(*frame, 280, 290);
    mouseUp(*frame, 280, 290);
    mouseDown(*frame, 285, 290); // the exact middle belongs to the right half
    mouseUp(*frame, 285, 290);
    EXPECT_EQ(listener.changes,
              (std::vector<std::pair<int32_t, float>>{{9, -1.0f}, {9, 0.0f}, {9, 1.0f}, {9, 0.0f}}));
}

} // namespace
