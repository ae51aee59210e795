// The top view: it lives in a platform window, owns the views added to it, repaints the dirty
// ones at idle and routes mouse, wheel and keys to them.
#pragma once

#include "CViewContainer.h"
#include "platform/IPlatformFrame.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace qgui {

class VSTGUIEditorInterface;

class CFrame : public CViewContainer, public IPlatformFrameCallback {
public:
    // Opens a window of the given size as a child of parent (see platform::createPlatformFrame).
    CFrame(const CRect& size, void* parent, VSTGUIEditorInterface* editor);

    // Removes and releases every view, closes the window and releases the frame's own reference.
    virtual void close();
    bool isOpen() const { return platformFrame != nullptr; }

    // Repaints what became dirty since the last idle (everything when the frame is dirty).
    virtual void idle();

    // The view that alone receives mouse-downs; it is added on top. Null removes the current one
    // from the frame without releasing it (its owner does that). False when one is set already.
    virtual bool setModalView(CView* view);
    CView* getModalView() const { return modalView; }

    void setFocusView(CView* view);
    CView* getFocusView() const { return focusView; }

    // The knob mode of every knob in the process (kCircularMode, kRelativCircularMode, kLinearMode).
    static void setKnobMode(int32_t mode);
    static int32_t getKnobMode();

    // A periodic timer on the window (window thread); one per frame.
    bool startTimer(uint32_t milliseconds, std::function<void()> onTick);
    void stopTimer();

    VSTGUIEditorInterface* getEditor() const { return editor; }
    IPlatformFrame* getPlatformFrame() const { return platformFrame.get(); }
    void* getSystemWindow() const;
    CPoint getLastMousePosition() const { return lastMousePosition; }

    void invalidRect(const CRect& rect) override;
    void invalid() override;
    void setDirty(bool state = true) override;
    bool isDirty() const override;

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    int32_t onKeyUp(VstKeyCode& keyCode) override;
    bool isTypeOf(const char* type) const override;

    void platformDrawRect(CDrawContext& context, const CRect& area) override;
    CMouseEventResult platformOnMouseDown(const CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseUp(const CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseMoved(const CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult platformOnMouseExited(const CPoint& where, const CButtonState& buttons) override;
    bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) override;
    bool platformOnKeyDown(VstKeyCode& key) override;
    bool platformOnKeyUp(VstKeyCode& key) override;
    void platformOnTimer() override;

protected:
    ~CFrame() override;
    void viewWillBeRemoved(CView* view) override;

private:
    void updateMouseOver(CPoint where, const CButtonState& buttons);

    std::unique_ptr<IPlatformFrame> platformFrame;
    VSTGUIEditorInterface* editor;
    CView* modalView = nullptr;
    CView* focusView = nullptr;
    CView* mouseOverView = nullptr;
    CPoint lastMousePosition{-1.0, -1.0};
    bool frameDirty = false;
    std::function<void()> timerCallback;
};

} // namespace qgui
