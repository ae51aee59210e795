// A knob drawn from a vertical strip of pre-rendered frames, frame 0 on top.
#pragma once

#include "CKnob.h"

namespace qgui {

class CAnimKnob : public CKnob {
public:
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
              double heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint());

    // Shows the frame at or below the value.
    void draw(CDrawContext& context) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override { return new CAnimKnob(*this); }

    int32_t getNumSubPixmaps() const { return subPixmaps; }
    double getHeightOfOneImage() const { return heightOfOneImage; }

protected:
    int32_t subPixmaps;
    double heightOfOneImage;
};

} // namespace qgui
