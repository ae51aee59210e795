// A frame in a real child window of a test host window, with a view that records its input.
#pragma once

#include "CDrawContext.h"
#include "CFrame.h"
#include "CView.h"
#include "HostWindow.h"
#include "VstKeys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qgtest {

struct InputEvent {
    std::string kind; // down, up, moved, entered, exited, wheel, key
    qgui::CPoint where;
    int32_t buttons = 0;
    float distance = 0.0f;
    VstKeyCode key{0, 0, 0};
};

// Fills its rectangle with its colour and records every input it gets.
class ProbeView : public qgui::CView {
public:
    ProbeView(const qgui::CRect& size, qgui::CColor color) : CView(size), color(color) { setWantsFocus(true); }

    void draw(qgui::CDrawContext& context) override
    {
        context.setFillColor(color);
        context.drawRect(getViewSize(), qgui::kDrawFilled);
        setDirty(false);
        ++draws;
    }
    qgui::CMouseEventResult onMouseDown(qgui::CPoint& where, const qgui::CButtonState& buttons) override
    {
        return record("down", where, buttons);
    }
    qgui::CMouseEventResult onMouseUp(qgui::CPoint& where, const qgui::CButtonState& buttons) override
    {
        return record("up", where, buttons);
    }
    qgui::CMouseEventResult onMouseMoved(qgui::CPoint& where, const qgui::CButtonState& buttons) override
    {
        return record("moved", where, buttons);
    }
    qgui::CMouseEventResult onMouseEntered(qgui::CPoint& where, const qgui::CButtonState& buttons) override
    {
        return record("entered", where, buttons);
    }
    qgui::CMouseEventResult onMouseExited(qgui::CPoint& where, const qgui::CButtonState& buttons) override
    {
        return record("exited", where, buttons);
    }
    bool onWheel(const qgui::CPoint& where, const float& distance, const qgui::CButtonState& buttons) override
    {
        events.push_back({"wheel", where, buttons.getButtonState(), distance, {}});
        return true;
    }
    // Uses every key except F5, which goes back to the host.
    int32_t onKeyDown(VstKeyCode& key) override
    {
        if (key.virt == qgui::VKEY_F5)
            return -1;
        events.push_back({"key", {}, 0, 0.0f, key});
        return 1;
    }

    const InputEvent* last(const std::string& kind) const
    {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->kind == kind)
                return &*it;
        return nullptr;
    }

    qgui::CColor color;
    std::vector<InputEvent> events;
    int draws = 0;

private:
    qgui::CMouseEventResult record(const char* kind, const qgui::CPoint& where, const qgui::CButtonState& buttons)
    {
        events.push_back({kind, where, buttons.getButtonState(), 0.0f, {}});
        return qgui::kMouseEventHandled;
    }
};

// A 200 × 150 frame in a host's child window, with a probe view at (20, 20, 120, 100).
class WindowedFrameTest : public ::testing::Test {
protected:
    static constexpr qgui::CColor kProbeColor{200, 40, 30, 255};

    static void SetUpTestSuite() { topLevel = std::make_unique<HostWindow>(240, 180); }
    static void TearDownTestSuite() { topLevel.reset(); }

    void SetUp() override
    {
        host = std::make_unique<HostWindow>(240, 180, topLevel->handle());
        frame = new qgui::CFrame(qgui::CRect(0, 0, 200, 150), host->handle(), nullptr);
        ASSERT_TRUE(frame->isOpen());
        window = static_cast<HWND>(frame->getSystemWindow());
        probe = new ProbeView(qgui::CRect(20, 20, 120, 100), kProbeColor);
        frame->addView(probe);
    }
    void TearDown() override
    {
        if (frame)
            frame->close();
        host.reset();
    }

    LRESULT send(UINT message, WPARAM wParam, int x, int y)
    {
        return SendMessageW(window, message, wParam, pointParam(x, y));
    }

    static inline std::unique_ptr<HostWindow> topLevel;
    std::unique_ptr<HostWindow> host;
    qgui::CFrame* frame = nullptr;
    HWND window = nullptr;
    ProbeView* probe = nullptr;
};

} // namespace qgtest
