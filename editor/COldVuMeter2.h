// The needle meter of gain reduction: a face picture and an anti-aliased needle pivoting below
// the face; value 0 is the left end of the scale (120°), 1 the right end (60°). A dim face and
// a darker needle show while processing is off.
#pragma once

#include "CControl.h"

class COldVuMeter2 : public qgui::CControl {
public:
    COldVuMeter2(const qgui::CRect& size, qgui::CControlListener* listener, int32_t tag, qgui::CBitmap* litFace,
                 qgui::CBitmap* overlayBitmap, qgui::CBitmap* dimFace, const qgui::CPoint& pivot,
                 float innerRadius, float outerRadius);
    COldVuMeter2(const COldVuMeter2& other);
    ~COldVuMeter2() override;
    COldVuMeter2& operator=(const COldVuMeter2&) = delete;

    bool isTypeOf(const char* type) const override;
    qgui::CView* newCopy() const override { return new COldVuMeter2(*this); }
    void draw(qgui::CDrawContext& context) override;

    void setOn(bool on);
    bool getOn() const { return isOn != 0; }
    const qgui::CRect& getFaceRect() const { return faceRect; }

private:
    qgui::CBitmap* litFace;
    qgui::CBitmap* overlayBitmap; // kept for the meter's life, never drawn
    qgui::CBitmap* dimFace;
    qgui::CRect faceRect;
    qgui::CPoint pivot;
    float innerRadius;
    float outerRadius;
    int32_t isOn = 1;
};
