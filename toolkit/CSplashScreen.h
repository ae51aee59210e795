// A hot zone that, when clicked with the left button, shows a picture over a display area as
// the frame's modal view; a click on the picture hides it again. Value 1 while it shows.
#pragma once

#include "CControl.h"

namespace qgui {

class CSplashScreen : public CControl, public CControlListener {
public:
    CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  const CRect& toDisplay, const CPoint& offset = CPoint());
    ~CSplashScreen() override;
    CSplashScreen(const CSplashScreen&) = delete;
    CSplashScreen& operator=(const CSplashScreen&) = delete;

    // The hot zone itself draws nothing.
    void draw(CDrawContext& context) override;
    // Only left clicks inside the zone.
    bool hitTest(const CPoint& where, const CButtonState& buttons = CButtonState(-1)) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    // Sets the value back to its minimum and removes the picture this zone put up, if any.
    virtual void unSplash();
    // From the picture view when it is clicked.
    void valueChanged(CControl* control) override;
    bool isTypeOf(const char* type) const override;

    const CRect& getDisplayArea() const { return toDisplay; }
    void setDisplayArea(const CRect& area) { toDisplay = area; }

protected:
    CRect toDisplay;

private:
    CView* splashView = nullptr;
};

} // namespace qgui
