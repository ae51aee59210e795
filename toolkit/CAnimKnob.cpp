#include "CAnimKnob.h"

#include "CBitmap.h"

#include <cstring>

namespace qgui {

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                     double heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CKnob(size, listener, tag, background, nullptr, offset),
      subPixmaps(subPixmaps > 0 ? subPixmaps : 1),
      heightOfOneImage(heightOfOneImage)
{
}

void CAnimKnob::draw(CDrawContext& context)
{
    if (background) {
        const float v = getRange() != 0.0f ? (value - vmin) / getRange() : 0.0f;
        int32_t frame = static_cast<int32_t>(v * static_cast<float>(subPixmaps - 1));
        if (frame < 0)
            frame = 0;
        else if (frame > subPixmaps - 1)
            frame = subPixmaps - 1;
        background->draw(context, size, CPoint(backOffset.x, backOffset.y + frame * heightOfOneImage));
    }
    setDirty(false);
}

bool CAnimKnob::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CAnimKnob") == 0 || CKnob::isTypeOf(type);
}

} // namespace qgui
