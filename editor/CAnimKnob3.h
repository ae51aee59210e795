// The editor's bitmap knob: shows the frame nearest to its value, and drags linearly over
// 500 pixels × sensitivity for the whole range (circularly with Alt), without jumps when a
// modifier changes mid-drag and pinned at the arc's ends in a circular drag.
#pragma once

#include "CAnimKnob.h"

class CAnimKnob3 : public qgui::CAnimKnob {
public:
    CAnimKnob3(const qgui::CRect& size, qgui::CControlListener* listener, int32_t tag, int32_t subPixmaps,
               double heightOfOneImage, qgui::CBitmap* background, const qgui::CPoint& offset);

    bool isTypeOf(const char* type) const override;
    qgui::CView* newCopy() const override { return new CAnimKnob3(*this); }
    void draw(qgui::CDrawContext& context) override;
    qgui::CMouseEventResult onMouseDown(qgui::CPoint& where, const qgui::CButtonState& buttons) override;
    qgui::CMouseEventResult onMouseMoved(qgui::CPoint& where, const qgui::CButtonState& buttons) override;

    double sensitivity = 1.0;

private:
    // Pointer travel for the whole range at the current sensitivity, before any Shift zoom.
    float baseRange() const { return static_cast<float>(sensitivity * 500.0); }

    qgui::CPoint pressPoint;
    qgui::CPoint previousPoint{-1.0, -1.0};
    float circularBase = 0.0f;
    float linearBase = 0.0f;
    float pixelRange = 0.0f;
    float valuePerPixel = 0.0f;
    qgui::CButtonState dragButtons;
    bool linearDrag = false;
};
