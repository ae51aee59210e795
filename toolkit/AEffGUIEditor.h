// Binds a toolkit frame to the plug-in's editor interface: the host's editor calls reach the
// frame, and control gestures reach the host as begin/end of parameter edits.
#pragma once

#include "AEffEditor.h"
#include "VSTGUIEditorInterface.h"

namespace qgui {

class AEffGUIEditor : public AEffEditor, public VSTGUIEditorInterface {
public:
    explicit AEffGUIEditor(void* effect);
    ~AEffGUIEditor() override;

    bool getRect(ERect** rect) override;
    // Records the parent window; subclasses build their frame after calling this.
    bool open(void* ptr) override;
    // Closes the frame (which releases every view) and forgets the parent window.
    void close() override;
    // Repaints what changed since the last idle.
    void idle() override;
    bool onKeyDown(VstKeyCode& keyCode) override;
    bool onKeyUp(VstKeyCode& keyCode) override;
    bool onWheel(float distance) override;
    // The knob mode is process-wide (see CFrame::setKnobMode).
    bool setKnobMode(VstInt32 mode) override;

    // Called by the effect after a parameter changed; the default does nothing.
    virtual void setParameter(VstInt32 index, float value);

    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    CFrame* getFrame() const override { return frame; }

protected:
    ERect rect{};
    CFrame* frame = nullptr;
};

} // namespace qgui
