#include "CParamDisplay.h"

#include "CBitmap.h"

#include <cstring>

namespace qgui {

CParamDisplay::CParamDisplay(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                             int32_t style)
    : CControl(size, listener, tag, background), style(style)
{
}

void CParamDisplay::draw(CDrawContext& context)
{
    if (background) {
        background->draw(context, size, backOffset);
    } else if (!(style & kNoDrawStyle)) {
        if (backColor.alpha != 0) {
            context.setFillColor(backColor);
            context.drawRect(size, kDrawFilled);
        }
        if (!(style & kNoFrame)) {
            context.setDrawMode(kAliasing);
            context.setLineStyle(kLineSolid);
            context.setLineWidth(1.0);
            context.setFrameColor(frameColor);
            context.drawRect(size, kDrawStroked);
        }
    }
    if (!(style & kNoTextStyle)) {
        context.setFont(font, 0.0, font.style);
        context.setFontColor(fontColor);
        context.drawString(getDisplayText(), size, horiAlign, true);
    }
    setDirty(false);
}

bool CParamDisplay::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CParamDisplay") == 0 || CControl::isTypeOf(type);
}

} // namespace qgui
