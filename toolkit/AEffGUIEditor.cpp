#include "AEffGUIEditor.h"

#include "AudioEffect.h"
#include "CFrame.h"

namespace qgui {

AEffGUIEditor::AEffGUIEditor(void* effect) : AEffEditor(static_cast<AudioEffect*>(effect)) {}

AEffGUIEditor::~AEffGUIEditor()
{
    if (frame) {
        frame->close();
        frame = nullptr;
    }
}

bool AEffGUIEditor::getRect(ERect** out)
{
    if (!out)
        return false;
    *out = &rect;
    return true;
}

bool AEffGUIEditor::open(void* ptr)
{
    AEffEditor::open(ptr);
    return true;
}

void AEffGUIEditor::close()
{
    if (frame) {
        CFrame* closing = frame;
        frame = nullptr;
        closing->close();
    }
    AEffEditor::close();
}

void AEffGUIEditor::idle()
{
    if (frame)
        frame->idle();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& keyCode)
{
    return frame && frame->onKeyDown(keyCode) == 1;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& keyCode)
{
    return frame && frame->onKeyUp(keyCode) == 1;
}

bool AEffGUIEditor::onWheel(float distance)
{
    return frame && frame->onWheel(frame->getLastMousePosition(), distance, CButtonState());
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode)
{
    CFrame::setKnobMode(mode);
    return true;
}

void AEffGUIEditor::setParameter(VstInt32, float) {}

void AEffGUIEditor::beginEdit(int32_t index)
{
    // Only parameter indices reach the host: other tags (panel buttons, menus) are not parameters.
    if (effect && index >= 0 && index < effect->getAeffect()->numParams)
        effect->beginEdit(index);
}

void AEffGUIEditor::endEdit(int32_t index)
{
    if (effect && index >= 0 && index < effect->getAeffect()->numParams)
        effect->endEdit(index);
}

} // namespace qgui
