#include "CSplashScreen.h"

#include "CBitmap.h"
#include "CFrame.h"

#include <cstring>

namespace qgui {

namespace {

// The picture the plain hot zone shows; a left click on it tells the zone.
class CSplashScreenView : public CControl {
public:
    CSplashScreenView(const CRect& area, CSplashScreen* owner, CBitmap* picture, const CPoint& offset)
        : CControl(area, owner, 0, picture)
    {
        backOffset = offset;
    }

    void draw(CDrawContext& context) override
    {
        if (background)
            background->draw(context, size, backOffset);
        setDirty(false);
    }

    CMouseEventResult onMouseDown(CPoint&, const CButtonState& buttons) override
    {
        if (!buttons.isLeftButton())
            return kMouseEventNotHandled;
        if (listener)
            listener->valueChanged(this);
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
};

} // namespace

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                             const CRect& toDisplay, const CPoint& offset)
    : CControl(size, listener, tag, background), toDisplay(toDisplay)
{
    backOffset = offset;
}

CSplashScreen::~CSplashScreen()
{
    if (splashView) {
        if (CFrame* frame = splashView->getFrame(); frame && frame->getModalView() == splashView)
            frame->setModalView(nullptr);
        splashView->forget();
    }
}

void CSplashScreen::draw(CDrawContext&)
{
    setDirty(false);
}

bool CSplashScreen::hitTest(const CPoint& where, const CButtonState& buttons)
{
    return buttons.isLeftButton() && CControl::hitTest(where, buttons);
}

CMouseEventResult CSplashScreen::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    value = value == vmin ? vmax : vmin;
    if (value == vmax) {
        CFrame* frame = getFrame();
        if (frame && !splashView) {
            splashView = new CSplashScreenView(toDisplay, this, background, backOffset);
            splashView->remember(); // ours, besides the frame's
            if (!frame->setModalView(splashView)) {
                splashView->forget();
                splashView->forget();
                splashView = nullptr;
                value = vmin;
            }
        }
    } else {
        unSplash();
    }
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void CSplashScreen::unSplash()
{
    value = vmin;
    setDirty();
    if (CView* view = splashView) {
        splashView = nullptr;
        if (CFrame* frame = view->getFrame()) {
            frame->setDirty(true);
            if (frame->getModalView() == view) {
                frame->setModalView(nullptr);
                view->forget(); // the frame's reference
            }
        }
        view->forget(); // ours
    }
}

void CSplashScreen::valueChanged(CControl*)
{
    unSplash();
    if (listener)
        listener->valueChanged(this);
}

bool CSplashScreen::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CSplashScreen") == 0 || CControl::isTypeOf(type);
}

} // namespace qgui
