// A rocker: pressing one half gives −1 (left or top) or +1 (right or bottom), releasing gives 0.
// Its picture holds three images stacked vertically, for −1, 0 and +1.
#pragma once

#include "CControl.h"

namespace qgui {

class CRockerSwitch : public CControl {
public:
    CRockerSwitch(const CRect& size, CControlListener* listener, int32_t tag, double heightOfOneImage,
                  CBitmap* background, const CPoint& offset = CPoint(), int32_t style = kHorizontal);

    void draw(CDrawContext& context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override { return new CRockerSwitch(*this); }

    int32_t getStyle() const { return style; }
    double getHeightOfOneImage() const { return heightOfOneImage; }

protected:
    // −1 for the left (or top) half, +1 for the other half; the middle belongs to +1.
    float sideOf(const CPoint& where) const;

    double heightOfOneImage;
    int32_t style;
};

} // namespace qgui
