// A rotary control: drawn as a background with a handle line, turned by dragging (circular or
// linear, following the process-wide knob mode), by the wheel and by the arrow keys.
#pragma once

#include "CColor.h"
#include "CControl.h"

namespace qgui {

class CKnob : public CControl {
public:
    CKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background, CBitmap* handle,
          const CPoint& offset = CPoint());
    CKnob(const CKnob& other);
    ~CKnob() override;

    void draw(CDrawContext& context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    // value += distance × 0.1 (× 0.01 with Shift), clamped, inside one edit gesture.
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    // Up/right +0.1, left/down −0.1 (× 0.1 with Shift), as for the wheel.
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    bool isTypeOf(const char* type) const override;
    CView* newCopy() const override { return new CKnob(*this); }

    // The value for a pointer position relative to the knob's top-left corner: its angle about
    // the centre on a 270° arc that starts at 225° (lower left) and runs clockwise; a point in
    // the gap below the centre takes the nearer end.
    virtual float valueFromPoint(const CPoint& where) const;

    void setZoomFactor(float factor) { zoomFactor = factor; }
    float getZoomFactor() const { return zoomFactor; }
    void setHandleColor(const CColor& color) { handleColor = color; }

protected:
    // Moves the value by delta inside a gesture; tells the listener when it changed.
    void stepValue(float delta);

    CBitmap* handle = nullptr;
    CColor handleColor{255, 255, 255, 255};
    float zoomFactor = 1.5f;

private:
    // Drag state of the toolkit's own knob behaviour.
    CPoint firstPoint;
    CPoint lastPoint;
    float startValue = 0.0f;
    float entryValue = 0.0f;
    float range = 200.0f;
    float coefficient = 0.0f;
    CButtonState dragButtons;
    bool linear = false;
};

} // namespace qgui
