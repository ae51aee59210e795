#include "CKickButton.h"

#include "CBitmap.h"
#include "VstKeys.h"

#include <cstring>

namespace qgui {

CKickButton::CKickButton(const CRect& size, CControlListener* listener, int32_t tag, double heightOfOneImage,
                         CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), heightOfOneImage(heightOfOneImage)
{
    backOffset = offset;
}

void CKickButton::draw(CDrawContext& context)
{
    if (background) {
        const double shift = value == vmax ? heightOfOneImage : 0.0;
        background->draw(context, size, CPoint(backOffset.x, backOffset.y + shift));
    }
    setDirty(false);
}

void CKickButton::changeValue(float newValue)
{
    const float before = value;
    value = newValue;
    if (value != before && listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
}

CMouseEventResult CKickButton::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    changeValue(vmax);
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (buttons.isLeftButton())
        changeValue(size.pointInside(where) ? vmax : vmin);
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseUp(CPoint&, const CButtonState&)
{
    changeValue(vmin);
    endEdit();
    return kMouseEventHandled;
}

int32_t CKickButton::onKeyDown(VstKeyCode& keyCode)
{
    if (keyCode.modifier != 0 || (keyCode.virt != VKEY_RETURN && keyCode.virt != VKEY_ENTER))
        return -1;
    if (!keyPressed) {
        keyPressed = true;
        beginEdit();
        changeValue(vmax);
    }
    return 1;
}

int32_t CKickButton::onKeyUp(VstKeyCode& keyCode)
{
    if (keyCode.virt != VKEY_RETURN && keyCode.virt != VKEY_ENTER)
        return -1;
    if (keyPressed) {
        keyPressed = false;
        changeValue(vmin);
        endEdit();
    }
    return 1;
}

bool CKickButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CKickButton") == 0 || CControl::isTypeOf(type);
}

} // namespace qgui
