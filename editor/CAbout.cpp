#include "CAbout.h"

#include "CFrame.h"
#include "CSplashScreenMyView.h"

using namespace qgui;

CAbout::CAbout(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
               const CRect& toDisplay, const CPoint& offset, const CPoint& versionTextPos)
    : CSplashScreen(size, listener, tag, background, toDisplay, offset), versionTextPos(versionTextPos)
{
}

CMouseEventResult CAbout::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    value = value == 0.0f ? 1.0f : 0.0f;
    if (value == 0.0f)
        return kMouseEventHandled;

    auto* view = new CSplashScreenMyView(toDisplay, this, versionTextPos);
    CFrame* frame = getFrame();
    if (!frame || !frame->setModalView(view)) {
        // Nowhere to show it: drop the view rather than leak it, and stay closed.
        view->forget();
        value = 0.0f;
        return kMouseEventHandled;
    }
    invalid();
    return kMouseEventHandled;
}
