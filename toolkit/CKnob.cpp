#include "CKnob.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "VstKeys.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qgui {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kStartAngle = 5.0 * kPi / 4.0; // 225°, counter-clockwise from the x axis
constexpr double kArc = 3.0 * kPi / 2.0; // 270°, clockwise
constexpr float kLinearRange = 200.0f; // pixels for the whole range
} // namespace

CKnob::CKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background, CBitmap* handle,
             const CPoint& offset)
    : CControl(size, listener, tag, background), handle(handle)
{
    backOffset = offset;
    setWantsFocus(true); // a clicked knob takes the arrow keys
    if (handle)
        handle->remember();
}

CKnob::CKnob(const CKnob& other)
    : CControl(other),
      handle(other.handle),
      handleColor(other.handleColor),
      zoomFactor(other.zoomFactor)
{
    if (handle)
        handle->remember();
}

CKnob::~CKnob()
{
    if (handle)
        handle->forget();
}

float CKnob::valueFromPoint(const CPoint& where) const
{
    const double dx = where.x - getWidth() / 2.0;
    const double dy = getHeight() / 2.0 - where.y;
    const double angle = std::atan2(dy, dx);
    // Clockwise travel from the start, measured from the arc's middle so the gap splits evenly.
    double fromMiddle = kStartAngle - angle - kArc / 2.0;
    while (fromMiddle >= kPi)
        fromMiddle -= 2.0 * kPi;
    while (fromMiddle < -kPi)
        fromMiddle += 2.0 * kPi;
    double v = (fromMiddle + kArc / 2.0) / kArc;
    if (v < 0.0)
        v = 0.0;
    else if (v > 1.0)
        v = 1.0;
    return static_cast<float>(vmin + v * (vmax - vmin));
}

void CKnob::draw(CDrawContext& context)
{
    if (background)
        background->draw(context, size, backOffset);
    const double v = getRange() != 0.0f ? (value - vmin) / getRange() : 0.0;
    const double angle = kStartAngle - v * kArc;
    const CPoint centre = size.getCenter();
    const double radius = std::min(getWidth(), getHeight()) / 2.0 - 2.0;
    const CPoint tip(centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle));
    if (handle) {
        const CRect where(tip.x - handle->getWidth() / 2.0, tip.y - handle->getHeight() / 2.0,
                          tip.x + handle->getWidth() / 2.0, tip.y + handle->getHeight() / 2.0);
        handle->draw(context, where, CPoint());
    } else {
        context.setDrawMode(kAntiAliasing);
        context.setLineStyle(kLineSolid);
        context.setLineWidth(2.0);
        context.setFrameColor(handleColor);
        context.drawLine(CPoint(centre.x + 0.5 * (tip.x - centre.x), centre.y + 0.5 * (tip.y - centre.y)), tip);
    }
    setDirty(false);
}

CMouseEventResult CKnob::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    if (checkDefaultValue(buttons)) {
        endEdit();
        return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    firstPoint = where;
    lastPoint = CPoint(-1.0, -1.0);
    startValue = oldValue;
    entryValue = value;
    range = kLinearRange;
    dragButtons = buttons;
    linear = (CFrame::getKnobMode() == kLinearMode) != ((buttons & kAlt) != 0);
    if (linear && (buttons & kShift))
        range *= zoomFactor;
    coefficient = getRange() / range;
    if (!linear && CFrame::getKnobMode() != kRelativCircularMode)
        startValue = valueFromPoint(CPoint(where.x - size.left, where.y - size.top));
    else if (!linear)
        startValue = value;
    return onMouseMoved(where, buttons);
}

CMouseEventResult CKnob::onMouseUp(CPoint&, const CButtonState&)
{
    endEdit();
    return kMouseEventHandled;
}

CMouseEventResult CKnob::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventHandled;
    if (where == lastPoint)
        return kMouseEventHandled;
    const CPoint previous = lastPoint;
    lastPoint = where;
    if (linear) {
        const float distance = static_cast<float>((firstPoint.y - where.y) + (where.x - firstPoint.x));
        if (buttons != dragButtons) {
            float newRange = kLinearRange;
            if (buttons & kShift)
                newRange *= zoomFactor;
            const float newCoefficient = getRange() / newRange;
            entryValue += distance * (coefficient - newCoefficient);
            range = newRange;
            coefficient = newCoefficient;
            dragButtons = buttons;
        }
        value = entryValue + distance * coefficient;
        bounceValue();
    } else if (CFrame::getKnobMode() == kRelativCircularMode) {
        // The angle moved since the last point turns the knob by the same share of the arc.
        if (previous.x >= 0.0) {
            const CPoint relative(where.x - size.left, where.y - size.top);
            const CPoint before(previous.x - size.left, previous.y - size.top);
            value += valueFromPoint(relative) - valueFromPoint(before);
            bounceValue();
        }
    } else {
        const float v = valueFromPoint(CPoint(where.x - size.left, where.y - size.top));
        const float half = 0.5f * getRange();
        value = v;
        if (startValue - v > half)
            value = vmax;
        else if (v - startValue > half)
            value = vmin;
        else
            startValue = v;
    }
    if (value != oldValue && listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return kMouseEventHandled;
}

void CKnob::stepValue(float delta)
{
    const float before = value;
    value += delta;
    bounceValue();
    if (value != before) {
        beginEdit();
        if (listener)
            listener->valueChanged(this);
        endEdit();
        if (isDirty())
            invalid();
    }
}

bool CKnob::onWheel(const CPoint&, const float& distance, const CButtonState& buttons)
{
    const float step = (buttons & kShift) ? 0.01f : 0.1f;
    stepValue(distance * step * getRange());
    return true;
}

int32_t CKnob::onKeyDown(VstKeyCode& keyCode)
{
    float step = 0.0f;
    switch (keyCode.virt) {
    case VKEY_UP:
    case VKEY_RIGHT:
        step = 0.1f;
        break;
    case VKEY_DOWN:
    case VKEY_LEFT:
        step = -0.1f;
        break;
    default:
        return -1;
    }
    if (keyCode.modifier & MODIFIER_SHIFT)
        step *= 0.1f;
    stepValue(step * getRange());
    return 1;
}

bool CKnob::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CKnob") == 0 || CControl::isTypeOf(type);
}

} // namespace qgui
