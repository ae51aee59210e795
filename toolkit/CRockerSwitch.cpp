#include "CRockerSwitch.h"

#include "CBitmap.h"

#include <cstring>

namespace qgui {

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, double heightOfOneImage,
                             CBitmap* background, const CPoint& offset, int32_t style)
    : CControl(size, listener, tag, background), heightOfOneImage(heightOfOneImage), style(style)
{
    backOffset = offset;
    vmin = -1.0f;
    vmax = 1.0f;
    value = oldValue = 0.0f;
}

float CRockerSwitch::sideOf(const CPoint& where) const
{
    if (style & kVertical)
        return where.y < (size.top + size.bottom) / 2.0 ? -1.0f : 1.0f;
    return where.x < (size.left + size.right) / 2.0 ? -1.0f : 1.0f;
}

void CRockerSwitch::draw(CDrawContext& context)
{
    if (background) {
        const double image = value < 0.0f ? 0.0 : (value > 0.0f ? 2.0 : 1.0);
        background->draw(context, size, CPoint(backOffset.x, backOffset.y + image * heightOfOneImage));
    }
    setDirty(false);
}

CMouseEventResult CRockerSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    value = sideOf(where);
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return kMouseEventHandled;
}

CMouseEventResult CRockerSwitch::onMouseMoved(CPoint&, const CButtonState&)
{
    return kMouseEventHandled;
}

CMouseEventResult CRockerSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    value = 0.0f;
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    endEdit();
    return kMouseEventHandled;
}

bool CRockerSwitch::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CRockerSwitch") == 0 || CControl::isTypeOf(type);
}

} // namespace qgui
