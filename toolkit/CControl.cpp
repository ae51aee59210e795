#include "CControl.h"

#include "CFrame.h"
#include "VSTGUIEditorInterface.h"

#include <cmath>
#include <cstring>

namespace qgui {

CControl::CControl(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), tag(tag), listener(listener)
{
    if (background)
        setBackground(background);
}

void CControl::setValue(float newValue)
{
    if (std::isnan(newValue))
        newValue = vmin; // a broken value from a host or file must not reach the drawing
    if (newValue < vmin)
        newValue = vmin;
    else if (newValue > vmax)
        newValue = vmax;
    value = newValue;
}

void CControl::beginEdit()
{
    ++editing;
    if (CFrame* frame = getFrame())
        if (VSTGUIEditorInterface* editor = frame->getEditor())
            editor->beginEdit(tag);
}

void CControl::endEdit()
{
    if (editing > 0)
        --editing;
    if (CFrame* frame = getFrame())
        if (VSTGUIEditorInterface* editor = frame->getEditor())
            editor->endEdit(tag);
}

bool CControl::checkDefaultValue(const CButtonState& buttons)
{
    if (buttons.getButtonState() != (kLButton | kControl))
        return false;
    const float before = value;
    value = defaultValue;
    bounceValue();
    if (value != before && listener)
        listener->valueChanged(this);
    return true;
}

void CControl::bounceValue()
{
    if (std::isnan(value))
        value = vmin;
    else if (value > vmax)
        value = vmax;
    else if (value < vmin)
        value = vmin;
}

bool CControl::isDirty() const
{
    return CView::isDirty() || value != oldValue;
}

void CControl::setDirty(bool state)
{
    CView::setDirty(state);
    if (!state)
        oldValue = value;
}

bool CControl::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CControl") == 0 || CView::isTypeOf(type);
}

} // namespace qgui
