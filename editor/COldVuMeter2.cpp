#include "COldVuMeter2.h"

#include "CBitmap.h"
#include "CDrawContext.h"

#include <cmath>
#include <cstring>

using namespace qgui;

namespace {
constexpr double kAngleAtZero = 2.0943951023931953; // 2π/3: 120° counter-clockwise from +x
constexpr double kSweep = 1.0471975511965976; // π/3 clockwise for value 0 → 1
constexpr CColor kNeedleOn{170, 165, 160, 255};
constexpr CColor kNeedleOff{140, 135, 130, 255};

void take(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
}

void release(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->forget();
}
} // namespace

COldVuMeter2::COldVuMeter2(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* litFace,
                           CBitmap* overlayBitmap, CBitmap* dimFace, const CPoint& pivot, float innerRadius,
                           float outerRadius)
    : CControl(size, listener, tag, nullptr),
      litFace(litFace),
      overlayBitmap(overlayBitmap),
      dimFace(dimFace),
      pivot(pivot),
      innerRadius(innerRadius),
      outerRadius(outerRadius)
{
    take(litFace);
    take(overlayBitmap);
    take(dimFace);
    faceRect.left = std::trunc(size.left);
    faceRect.top = std::trunc(size.top);
    faceRect.right = faceRect.left + (litFace ? litFace->getWidth() : 0.0);
    faceRect.bottom = faceRect.top + (litFace ? litFace->getHeight() : 0.0);
    value = oldValue = 0.0f;
}

COldVuMeter2::COldVuMeter2(const COldVuMeter2& other)
    : CControl(other),
      litFace(other.litFace),
      overlayBitmap(other.overlayBitmap),
      dimFace(other.dimFace),
      faceRect(other.faceRect),
      pivot(other.pivot),
      innerRadius(other.innerRadius),
      outerRadius(other.outerRadius),
      isOn(other.isOn)
{
    take(litFace);
    take(overlayBitmap);
    take(dimFace);
}

COldVuMeter2::~COldVuMeter2()
{
    release(litFace);
    release(overlayBitmap);
    release(dimFace);
}

bool COldVuMeter2::isTypeOf(const char* type) const
{
    return std::strcmp(type, "COldVuMeter2") == 0 || CControl::isTypeOf(type);
}

void COldVuMeter2::setOn(bool on)
{
    isOn = on ? 1 : 0;
    setDirty();
}

void COldVuMeter2::draw(CDrawContext& context)
{
    context.setLineStyle(kLineSolid);
    context.setLineWidth(2.0);
    context.setDrawMode(kAntiAliasing);

    const double theta = kAngleAtZero - value * kSweep;
    // Half a pixel puts the needle through the pivot pixel's centre.
    const CPoint inner(pivot.x + 0.5 + innerRadius * std::cos(theta), pivot.y + 0.5 - innerRadius * std::sin(theta));
    const CPoint tip(pivot.x + 0.5 + outerRadius * std::cos(theta), pivot.y + 0.5 - outerRadius * std::sin(theta));

    if (CBitmap* face = isOn ? litFace : dimFace)
        face->draw(context, faceRect, CPoint(0.0, 0.0), 1.0f);
    context.setFrameColor(isOn ? kNeedleOn : kNeedleOff);
    context.drawLine(inner, tip);
    setDirty(false);
}
