// A switch with a number of positions side by side; a click or drag picks the position under
// the pointer. Its picture is a vertical strip with one image per position.
#pragma once

#include "CControl.h"

namespace qgui {

class CHorizontalSwitch : public CControl {
public:
    CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t subPixmaps,
                      double heightOfOneImage, int32_t maxPositions, CBitmap* background,
                      const CPoint& offset = CPoint());

    // Shows the image nearest to the value.
    void draw(CDrawContext& context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override { return new CHorizontalSwitch(*this); }

private:
    float valueAt(const CPoint& where) const;

    int32_t subPixmaps;
    double heightOfOneImage;
    int32_t maxPositions;
};

} // namespace qgui
