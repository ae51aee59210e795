// A push button: its value is the maximum while pressed and the minimum otherwise. Its picture
// holds two images stacked vertically (released, pressed).
#pragma once

#include "CControl.h"

namespace qgui {

class CKickButton : public CControl {
public:
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, double heightOfOneImage,
                CBitmap* background, const CPoint& offset = CPoint());

    void draw(CDrawContext& context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    // Return presses and releases the button (without modifiers).
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    int32_t onKeyUp(VstKeyCode& keyCode) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override { return new CKickButton(*this); }

    double getHeightOfOneImage() const { return heightOfOneImage; }

protected:
    // Sets the value and tells the listener if it changed.
    void changeValue(float newValue);

    double heightOfOneImage;

private:
    bool keyPressed = false;
};

} // namespace qgui
