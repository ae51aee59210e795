// A view with a value in a range that reports user changes to a listener.
#pragma once

#include "CView.h"

#include <cstdint>

namespace qgui {

class CControl;

class CControlListener {
public:
    virtual ~CControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
};

// Style bits of controls and text displays.
enum CControlStyle : int32_t {
    kHorizontal = 1 << 0,
    kVertical = 1 << 1,
    kShadowText = 1 << 2,
    k3DIn = 1 << 8,
    k3DOut = 1 << 9,
    kPopupStyle = 1 << 10,
    kNoTextStyle = 1 << 11,
    kNoDrawStyle = 1 << 12,
    kCheckStyle = 1 << 13,
    kNoFrame = 1 << 14,
};

class CControl : public CView {
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = -1,
             CBitmap* background = nullptr);

    // Clamped to minimum..maximum; a change makes the control dirty.
    virtual void setValue(float newValue);
    float getValue() const { return value; }
    virtual void setMin(float minimum) { vmin = minimum; }
    float getMin() const { return vmin; }
    virtual void setMax(float maximum) { vmax = maximum; }
    float getMax() const { return vmax; }
    float getRange() const { return vmax - vmin; }
    // The value when the control was last drawn (or invalidated).
    float getOldValue() const { return oldValue; }
    void setOldValue(float old) { oldValue = old; }
    virtual void setDefaultValue(float val) { defaultValue = val; }
    float getDefaultValue() const { return defaultValue; }

    void setTag(int32_t newTag) { tag = newTag; }
    int32_t getTag() const { return tag; }
    void setListener(CControlListener* newListener) { listener = newListener; }
    CControlListener* getListener() const { return listener; }

    // A user gesture starts or ends: the host hears of it through the frame's editor.
    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing > 0; }

    // A Ctrl+left click (no other button or modifier) sets the default value and tells the
    // listener when that changed the value; true when it was such a click.
    virtual bool checkDefaultValue(const CButtonState& buttons);
    // Clamps the value into minimum..maximum.
    virtual void bounceValue();

    void setBackOffset(const CPoint& offset) { backOffset = offset; }
    const CPoint& getBackOffset() const { return backOffset; }

    bool isDirty() const override;
    void setDirty(bool state = true) override;
    bool isTypeOf(const char* type) const override;

protected:
    float value = 0.0f;
    float oldValue = 0.0f;
    float vmin = 0.0f;
    float vmax = 1.0f;
    float defaultValue = 0.5f;
    int32_t tag;
    CControlListener* listener;
    CPoint backOffset;
    int editing = 0;
};

} // namespace qgui
