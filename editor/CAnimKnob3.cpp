#include "CAnimKnob3.h"

#include "CBitmap.h"
#include "CFrame.h"

#include <cstring>

using namespace qgui;

CAnimKnob3::CAnimKnob3(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                       double heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CAnimKnob(size, listener, tag, subPixmaps, heightOfOneImage, background, offset)
{
}

bool CAnimKnob3::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CAnimKnob3") == 0 || CAnimKnob::isTypeOf(type);
}

void CAnimKnob3::draw(CDrawContext& context)
{
    // The nearest frame; the toolkit's knob would take the one at or below the value.
    int32_t frame = 0;
    if (value > 0.0f)
        frame = static_cast<int32_t>(static_cast<float>(subPixmaps - 1) * value + 0.5f);
    if (frame > subPixmaps - 1)
        frame = subPixmaps - 1;
    if (background)
        background->draw(context, size, CPoint(0.0, frame * heightOfOneImage), 1.0f);
    setDirty(false);
}

CMouseEventResult CAnimKnob3::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    beginEdit();
    if (checkDefaultValue(buttons)) {
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }

    pressPoint = where;
    previousPoint = CPoint(-1.0, -1.0);
    linearDrag = false;
    circularBase = oldValue;
    linearBase = value;
    pixelRange = baseRange();
    valuePerPixel = (vmax - vmin) / pixelRange;
    dragButtons = buttons;

    const bool linearMode = CFrame::getKnobMode() == kLinearMode;
    const bool alt = (buttons & kAlt) != 0;
    if (buttons.isLeftButton() && linearMode != alt) {
        if (buttons & kShift)
            pixelRange *= zoomFactor;
        // The press itself is the drag's origin and moves nothing.
        previousPoint = where;
        valuePerPixel = (vmax - vmin) / pixelRange;
        linearDrag = true;
    } else {
        circularBase = valueFromPoint(CPoint(where.x - size.left, where.y - size.top));
    }
    return onMouseMoved(where, buttons);
}

CMouseEventResult CAnimKnob3::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventHandled;
    const float half = 0.5f * (vmax - vmin);
    if (where == previousPoint)
        return kMouseEventHandled;
    previousPoint = where;

    if (linearDrag) {
        // Up and right raise the value, one pixel of either counting the same.
        const double d = (pressPoint.y - where.y) + (where.x - pressPoint.x);
        if (buttons != dragButtons) {
            float range = baseRange();
            if (buttons & kShift)
                range *= zoomFactor;
            const float step = (vmax - vmin) / range;
            // Re-base so that the value stays where it is at the moment the modifier changes.
            linearBase = static_cast<float>(linearBase + d * (valuePerPixel - step));
            pixelRange = range;
            valuePerPixel = step;
            dragButtons = buttons;
        }
        value = static_cast<float>(linearBase + d * valuePerPixel);
        bounceValue();
    } else {
        const float v = valueFromPoint(CPoint(where.x - size.left, where.y - size.top));
        value = v;
        if (circularBase - v > half)
            value = vmax; // swept past the top end through the gap
        else if (v - circularBase > half)
            value = vmin; // swept past the bottom end through the gap
        else
            circularBase = v;
    }

    if (value != oldValue && listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return kMouseEventHandled;
}
