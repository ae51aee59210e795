// The base of everything in a frame: a rectangle that draws itself and answers input.
#pragma once

#include "CButtonState.h"
#include "CRect.h"
#include "CReferenceCounter.h"

#include <cstdint>

struct VstKeyCode;

namespace qgui {

class CBitmap;
class CDrawContext;
class CFrame;
class CViewContainer;

class CView : public CBaseObject {
public:
    explicit CView(const CRect& size);
    CView(const CView& other);
    ~CView() override;

    // Draws the view at its own rectangle (frame coordinates); the frame has clipped to it.
    virtual void draw(CDrawContext& context);
    virtual void drawRect(CDrawContext& context, const CRect& updateRect);

    // A dirty view is repainted at the frame's next idle.
    virtual bool isDirty() const { return dirty; }
    virtual void setDirty(bool state = true) { dirty = state; }
    // Asks the frame to repaint the view's rectangle and clears the dirty state.
    virtual void invalid();
    virtual void invalidRect(const CRect& rect);

    virtual CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons);
    // distance in wheel notches; true when the view used it.
    virtual bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons);
    // 1 when the key was used, -1 when not.
    virtual int32_t onKeyDown(VstKeyCode& keyCode);
    virtual int32_t onKeyUp(VstKeyCode& keyCode);

    // Whether a mouse-down at where (frame coordinates) belongs to this view.
    virtual bool hitTest(const CPoint& where, const CButtonState& buttons = CButtonState(-1));
    virtual bool isTypeOf(const char* type) const;
    // A copy of the view with a reference count of 1, or null for views that cannot be copied.
    virtual CView* newCopy() const { return nullptr; }

    virtual void setViewSize(const CRect& rect, bool invalidate = true);
    const CRect& getViewSize() const { return size; }
    double getWidth() const { return size.getWidth(); }
    double getHeight() const { return size.getHeight(); }
    virtual void setMouseableArea(const CRect& rect) { mouseableArea = rect; }
    const CRect& getMouseableArea() const { return mouseableArea; }

    void setMouseEnabled(bool enabled) { mouseEnabled = enabled; }
    bool getMouseEnabled() const { return mouseEnabled; }
    void setVisible(bool state);
    bool isVisible() const { return visible; }
    void setWantsFocus(bool state) { wantsFocus = state; }
    bool getWantsFocus() const { return wantsFocus; }
    // Called by the frame when the view gains or loses the keyboard focus.
    virtual void takeFocus() {}
    virtual void looseFocus() {}

    // The background picture; the view takes its own reference.
    virtual void setBackground(CBitmap* bitmap);
    CBitmap* getBackground() const { return background; }

    // Called by a container when the view is added to or removed from it.
    virtual void attached(CViewContainer* parent);
    virtual void removed(CViewContainer* parent);
    bool isAttached() const { return parentView != nullptr; }
    CViewContainer* getParentView() const { return parentView; }
    CFrame* getFrame() const { return frame; }

protected:
    CRect size;
    CRect mouseableArea;
    CBitmap* background = nullptr;

private:
    CViewContainer* parentView = nullptr;
    CFrame* frame = nullptr;
    bool dirty = false;
    bool mouseEnabled = true;
    bool visible = true;
    bool wantsFocus = false;
};

} // namespace qgui
