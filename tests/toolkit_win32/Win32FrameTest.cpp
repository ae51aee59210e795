// The frame's child window under real window messages: painting, mouse, wheel, keys, timer.
#include "CAnimKnob3.h"
#include "CBitmap.h"
#include "FrameTestSupport.h"
#include "platform/Platform.h"
#include "platform/win32/GdiplusSession.h"

#include <gtest/gtest.h>

using namespace qgui;
using namespace qgtest;

namespace {

using Win32FrameTest = WindowedFrameTest;

uint32_t backBufferPixel(CFrame& frame, int x, int y)
{
    PixelImage pixels;
    EXPECT_TRUE(frame.getPlatformFrame()->copyPixels(pixels));
    return pixels.isEmpty() ? 0u : pixels.at(x, y);
}

TEST_F(Win32FrameTest, IsAChildOfTheHostWindowThatLeadsBackToItsFrame)
{
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), host->handle());
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 150);
    auto* callback = reinterpret_cast<IPlatformFrameCallback*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    EXPECT_EQ(static_cast<CFrame*>(callback), frame);
    EXPECT_GE(win32::GdiplusSession::activeCount(), 1);

    frame->close();
    frame = nullptr;
    EXPECT_FALSE(IsWindow(window));
    // GDI+ runs only while frames (or draw contexts) exist.
    EXPECT_EQ(win32::GdiplusSession::activeCount(), 0);
}

TEST_F(Win32FrameTest, RepaintsDirtyViewsAtIdleThroughTheBackBufferToTheScreen)
{
    frame->idle();
    EXPECT_EQ(backBufferPixel(*frame, 20, 20), PixelImage::packOpaque(kProbeColor));
    EXPECT_EQ(backBufferPixel(*frame, 119, 99), PixelImage::packOpaque(kProbeColor));
    EXPECT_NE(backBufferPixel(*frame, 120, 100), PixelImage::packOpaque(kProbeColor));

    probe->color = CColor{10, 90, 220, 255};
    probe->setDirty();
    EXPECT_EQ(backBufferPixel(*frame, 50, 50), PixelImage::packOpaque(kProbeColor)) << "painted before idle";
    frame->idle();
    EXPECT_EQ(backBufferPixel(*frame, 50, 50), PixelImage::packOpaque(probe->color));

    // What the window shows, read back from the screen (rows in the right order, too).
    HDC dc = GetDC(window);
    const COLORREF shown = GetPixel(dc, 50, 25);
    const COLORREF outside = GetPixel(dc, 150, 120);
    ReleaseDC(window, dc);
    EXPECT_EQ(shown, RGB(10, 90, 220));
    EXPECT_NE(outside, RGB(10, 90, 220));
}

TEST_F(Win32FrameTest, UncoveredAreasComeFromTheBackBufferWithoutDrawingViews)
{
    frame->idle();
    const int draws = probe->draws;
    InvalidateRect(window, nullptr, FALSE); // as when a host window stops covering ours
    UpdateWindow(window);
    EXPECT_EQ(probe->draws, draws);
    HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, 60, 60), RGB(kProbeColor.red, kProbeColor.green, kProbeColor.blue));
    ReleaseDC(window, dc);
}

TEST_F(Win32FrameTest, MouseButtonsModifiersAndDoubleClicksReachTheView)
{
    struct Case {
        UINT down, up;
        WPARAM keyState;
        bool altHeld;
        int32_t expected;
    } cases[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, kLButton},
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_SHIFT, false, kLButton | kShift},
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_CONTROL, true, kLButton | kControl | kAlt},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, false, kRButton},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON | MK_SHIFT, false, kMButton | kShift},
        {WM_LBUTTONDBLCLK, WM_LBUTTONUP, MK_LBUTTON, false, kLButton | kDoubleClick},
    };
    for (const Case& c : cases) {
        setKeyHeld(VK_MENU, c.altHeld);
        send(c.down, c.keyState, 40, 30);
        // The release reports the released button, though Windows no longer lists it as held.
        send(c.up, c.keyState & ~(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON), 41, 31);
        setKeyHeld(VK_MENU, false);
        const InputEvent* down = probe->last("down");
        const InputEvent* up = probe->last("up");
        ASSERT_TRUE(down && up);
        EXPECT_EQ(down->buttons, c.expected) << c.down << " " << c.keyState;
        EXPECT_EQ(down->where, CPoint(40, 30));
        EXPECT_EQ(up->buttons & kMouseButtonMask, c.expected & kMouseButtonMask);
        EXPECT_EQ(up->where, CPoint(41, 31));
        probe->events.clear();
    }
}

TEST_F(Win32FrameTest, ADragKeepsTheMouseOutsideTheWindowUntilTheRelease)
{
    send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    EXPECT_EQ(GetCapture(), window);
    send(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, -30, 300);
    const InputEvent* moved = probe->last("moved");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->where, CPoint(-30, 300));
    EXPECT_EQ(moved->buttons, kLButton | kShift);
    send(WM_LBUTTONUP, 0, -30, 300);
    ASSERT_TRUE(probe->last("up"));
    EXPECT_EQ(probe->last("up")->where, CPoint(-30, 300));
    EXPECT_NE(GetCapture(), window);
}

TEST_F(Win32FrameTest, LosingTheMouseCaptureMidDragEndsTheDrag)
{
    send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    send(WM_MOUSEMOVE, MK_LBUTTON, 70, 50);
    ASSERT_EQ(GetCapture(), window);
    SetCapture(host->handle()); // another window takes the mouse, as a host dialog would
    const InputEvent* up = probe->last("up");
    ASSERT_TRUE(up);
    EXPECT_EQ(up->where, CPoint(70, 50));
    EXPECT_TRUE(up->buttons & kLButton);
    ReleaseCapture();
    // Exactly one release: later moves without a button are plain hovering.
    send(WM_MOUSEMOVE, 0, 71, 51);
    int ups = 0;
    for (const InputEvent& e : probe->events)
        ups += e.kind == "up";
    EXPECT_EQ(ups, 1);
}

TEST_F(Win32FrameTest, ThePointerLeavingTheWindowExitsTheViewUnderIt)
{
    send(WM_MOUSEMOVE, 0, 50, 50);
    ASSERT_TRUE(probe->last("entered"));
    EXPECT_FALSE(probe->last("exited"));
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    ASSERT_TRUE(probe->last("exited"));
    EXPECT_EQ(probe->last("exited")->buttons & kMouseButtonMask, 0);
}

TEST_F(Win32FrameTest, TheWheelGivesNotchesWhereThePointerIsAndPassesUnusedTurnsOn)
{
    struct Case {
        short delta;
        WPARAM keyState;
        float distance;
        int32_t modifiers;
    } cases[] = {
        {WHEEL_DELTA, 0, 1.0f, 0},
        {-2 * WHEEL_DELTA, MK_SHIFT, -2.0f, kShift},
        {WHEEL_DELTA / 2, MK_CONTROL, 0.5f, kControl}, // a fine-grained wheel
    };
    for (const Case& c : cases) {
        POINT where{50, 40};
        ClientToScreen(window, &where); // the wheel message carries screen coordinates
        SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(c.keyState, static_cast<WORD>(c.delta)),
                     pointParam(where.x, where.y));
        const InputEvent* wheel = probe->last("wheel");
        ASSERT_TRUE(wheel);
        EXPECT_FLOAT_EQ(wheel->distance, c.distance);
        EXPECT_EQ(wheel->where, CPoint(50, 40));
        EXPECT_EQ(wheel->buttons & kModifierMask, c.modifiers);
        probe->events.clear();
    }
    // No view under the pointer: the turn goes to the host window.
    POINT outside{160, 130};
    ClientToScreen(window, &outside);
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), pointParam(outside.x, outside.y));
    EXPECT_TRUE(probe->events.empty());
    const auto& hostMessages = host->receivedMessages();
    EXPECT_NE(std::find(hostMessages.begin(), hostMessages.end(), UINT(WM_MOUSEWHEEL)), hostMessages.end());
}

TEST_F(Win32FrameTest, KeysArriveAsVstKeyCodesAndUnusedKeysGoToTheHost)
{
    frame->setFocusView(probe);
    struct Case {
        WPARAM key;
        LPARAM flags;
        bool shiftHeld;
        VstInt32 character;
        unsigned char virt;
        unsigned char modifier;
    } cases[] = {
        {VK_UP, 0, false, 0, VKEY_UP, 0},
        {VK_LEFT, 0, true, 0, VKEY_LEFT, MODIFIER_SHIFT},
        {'A', 0, false, 'a', 0, 0},
        {'7', 0, true, '7', 0, MODIFIER_SHIFT},
        {VK_RETURN, 0, false, 0, VKEY_RETURN, 0},
        {VK_RETURN, 1 << 24, false, 0, VKEY_ENTER, 0}, // the Enter of the numeric pad
        {VK_NEXT, 0, false, 0, VKEY_PAGEDOWN, 0},
        {VK_ESCAPE, 0, false, 0, VKEY_ESCAPE, 0},
    };
    for (const Case& c : cases) {
        setKeyHeld(VK_SHIFT, c.shiftHeld);
        SendMessageW(window, WM_KEYDOWN, c.key, 1 | c.flags);
        setKeyHeld(VK_SHIFT, false);
        const InputEvent* key = probe->last("key");
        ASSERT_TRUE(key) << c.key;
        EXPECT_EQ(key->key.character, c.character) << c.key;
        EXPECT_EQ(key->key.virt, c.virt) << c.key;
        EXPECT_EQ(key->key.modifier, c.modifier) << c.key;
        probe->events.clear();
    }
    EXPECT_TRUE(host->receivedMessages().empty());
    SendMessageW(window, WM_KEYDOWN, VK_F5, 1);
    EXPECT_TRUE(probe->events.empty());
    ASSERT_EQ(host->receivedMessages().size(), 1u);
    EXPECT_EQ(host->receivedMessages()[0], UINT(WM_KEYDOWN));
}

TEST_F(Win32FrameTest, TheWindowTimerTicksUntilStopped)
{
    int ticks = 0;
    ASSERT_TRUE(frame->startTimer(30, [&] { ++ticks; }));
    EXPECT_TRUE(frame->getPlatformFrame()->isTimerRunning());
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 3; }, 5000));
    frame->stopTimer();
    EXPECT_FALSE(frame->getPlatformFrame()->isTimerRunning());
    const int stoppedAt = ticks;
    pumpFor(120);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(Win32FrameTest, TimerCallbackMayStopTheTimer)
{
    int ticks = 0;
    ASSERT_TRUE(frame->startTimer(10, [&] {
        ++ticks;
        frame->stopTimer();
    }));
    pumpUntil([&] { return ticks >= 1; }, 3000);
    pumpFor(80);
    EXPECT_EQ(ticks, 1);
}

TEST_F(Win32FrameTest, TakeFocusGivesTheWindowTheKeyboardFocus)
{
    SetFocus(host->handle());
    frame->getPlatformFrame()->takeFocus();
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(Win32FrameTest, TheFrameOutlivesAHostThatDestroysItsWindowFirst)
{
    frame->startTimer(30, [] {});
    DestroyWindow(host->handle());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(frame->getSystemWindow(), nullptr);
    probe->setDirty();
    frame->idle();
    EXPECT_FALSE(frame->startTimer(30, [] {}));
    frame->close();
    frame = nullptr;
    EXPECT_EQ(win32::GdiplusSession::activeCount(), 0);
}

TEST(Win32FrameWithoutHost, DrawsIntoTheBackBufferOfAHiddenWindow)
{
    auto* frame = new CFrame(CRect(0, 0, 50, 40), nullptr, nullptr);
    ASSERT_TRUE(frame->isOpen());
    HWND window = static_cast<HWND>(frame->getSystemWindow());
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr);
    const CColor color{0, 150, 70, 255};
    frame->addView(new ProbeView(CRect(10, 10, 30, 30), color));
    frame->idle();
    EXPECT_EQ(backBufferPixel(*frame, 10, 10), PixelImage::packOpaque(color));
    EXPECT_NE(backBufferPixel(*frame, 30, 30), PixelImage::packOpaque(color));
    frame->close();
    EXPECT_FALSE(IsWindow(window));
}

TEST(Win32FrameWithoutHost, RefusesAParentThatIsNoWindowAndAnEmptySize)
{
    struct Case {
        CRect size;
        void* parent;
    } cases[] = {
        {CRect(0, 0, 50, 40), reinterpret_cast<void*>(static_cast<intptr_t>(0x7ff0))}, // a stale handle
        {CRect(0, 0, 0, 40), GetDesktopWindow()},
        {CRect(0, 0, 50, -1), GetDesktopWindow()},
    };
    for (const Case& c : cases) {
        auto* frame = new CFrame(c.size, c.parent, nullptr);
        EXPECT_FALSE(frame->isOpen());
        frame->idle();
        EXPECT_FALSE(frame->startTimer(30, [] {}));
        frame->close();
    }
}

TEST(Win32ResourceBitmaps, LoadsTheModulesPicturesByIdAndRefusesUnknownIds)
{
    PixelImage background;
    ASSERT_TRUE(platform::loadResourceBitmap(12128, background));
    EXPECT_EQ(background.width, 400);
    EXPECT_EQ(background.height, 309);
    EXPECT_EQ(background.pixels.size(), 400u * 309u);
    EXPECT_EQ(background.at(0, 0) >> 24, 0xffu); // opaque
    for (int id : {0, -12128, 4242, 12128 + 65536}) {
        PixelImage missing;
        EXPECT_FALSE(platform::loadResourceBitmap(id, missing)) << id;
        EXPECT_TRUE(missing.isEmpty()) << id;
    }
}

// The editor's knob with its real picture, turned by a real drag in the window.
class ValueRecorder : public CControlListener {
public:
    void valueChanged(CControl* control) override { values.push_back(control->getValue()); }
    std::vector<float> values;
};

TEST_F(Win32FrameTest, KnobFollowsADragWithShiftPressedMidwayAndShowsItsFrame)
{
    const int32_t savedMode = CFrame::getKnobMode();
    CFrame::setKnobMode(kLinearMode);
    auto* strip = new CBitmap(12173); // the Time knob: 21 frames of 114 × 114
    ASSERT_TRUE(strip->isLoaded());
    const double side = strip->getWidth();
    const int frames = static_cast<int>(strip->getHeight() / side);
    ASSERT_EQ(frames, 21);
    ValueRecorder recorder;
    auto* knob = new CAnimKnob3(CRect(40, 10, 40 + side, 10 + side), &recorder, 4, frames, side, strip, CPoint());
    strip->forget();
    knob->sensitivity = 1.0; // 500 pixels for the whole range, 750 with Shift
    frame->removeView(probe);
    probe = nullptr;
    frame->addView(knob);

    send(WM_LBUTTONDOWN, MK_LBUTTON, 90, 100);
    send(WM_MOUSEMOVE, MK_LBUTTON, 90, 0); // 100 px up
    EXPECT_NEAR(knob->getValue(), 0.2f, 1e-5);
    // Shift goes down: the knob takes it at the next move, without a jump, and goes finer.
    send(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, 90, -1);
    EXPECT_NEAR(knob->getValue(), 0.202f, 1e-5);
    send(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, 90, -76); // 75 px more, above the window
    EXPECT_NEAR(knob->getValue(), 0.302f, 1e-5);
    send(WM_LBUTTONUP, MK_SHIFT, 90, -76);
    ASSERT_FALSE(recorder.values.empty());
    EXPECT_NEAR(recorder.values.back(), 0.302f, 1e-5);

    // The window shows frame 6 of the strip (nearest to 0.302 × 20), drawn from its offset in
    // the picture.
    frame->idle();
    PixelImage shown;
    ASSERT_TRUE(frame->getPlatformFrame()->copyPixels(shown));
    const PixelImage& picture = strip->getPixels();
    const int top = 6 * static_cast<int>(side);
    int mismatches = 0;
    for (int y = 10; y < 10 + static_cast<int>(side) && y < shown.height; ++y)
        for (int x = 40; x < 40 + static_cast<int>(side); ++x)
            mismatches += shown.at(x, y) != picture.at(x - 40, top + y - 10);
    EXPECT_EQ(mismatches, 0);
    CFrame::setKnobMode(savedMode);
}

} // namespace
