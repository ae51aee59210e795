#include "CHorizontalSwitch.h"

#include "CBitmap.h"

#include <cmath>
#include <cstring>

namespace qgui {

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                                     int32_t subPixmaps, double heightOfOneImage, int32_t maxPositions,
                                     CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background),
      subPixmaps(subPixmaps > 0 ? subPixmaps : 1),
      heightOfOneImage(heightOfOneImage),
      maxPositions(maxPositions > 1 ? maxPositions : 2)
{
    backOffset = offset;
}

float CHorizontalSwitch::valueAt(const CPoint& where) const
{
    if (getWidth() <= 0.0)
        return vmin;
    int32_t position = static_cast<int32_t>(std::floor((where.x - size.left) * maxPositions / getWidth()));
    if (position < 0)
        position = 0;
    else if (position > maxPositions - 1)
        position = maxPositions - 1;
    return vmin + getRange() * static_cast<float>(position) / static_cast<float>(maxPositions - 1);
}

void CHorizontalSwitch::draw(CDrawContext& context)
{
    if (background) {
        const float v = getRange() != 0.0f ? (value - vmin) / getRange() : 0.0f;
        int32_t image = static_cast<int32_t>(v * static_cast<float>(subPixmaps - 1) + 0.5f);
        if (image < 0)
            image = 0;
        else if (image > subPixmaps - 1)
            image = subPixmaps - 1;
        background->draw(context, size, CPoint(backOffset.x, backOffset.y + image * heightOfOneImage));
    }
    setDirty(false);
}

CMouseEventResult CHorizontalSwitch::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    if (checkDefaultValue(buttons)) {
        endEdit();
        if (isDirty())
            invalid();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    value = valueAt(where);
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return kMouseEventHandled;
}

CMouseEventResult CHorizontalSwitch::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventHandled;
    const float before = value;
    value = valueAt(where);
    if (value != before && listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return kMouseEventHandled;
}

CMouseEventResult CHorizontalSwitch::onMouseUp(CPoint&, const CButtonState&)
{
    endEdit();
    return kMouseEventHandled;
}

bool CHorizontalSwitch::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CHorizontalSwitch") == 0 || CControl::isTypeOf(type);
}

} // namespace qgui
