#include "CFrame.h"

#include "CDrawContext.h"
#include "VSTGUIEditorInterface.h"
#include "platform/Platform.h"
#include "platform/PlatformHooks.h"

#include <atomic>
#include <cstring>

namespace qgui {

namespace {
// Hosts set it through any editor (effSetEditKnobMode); every knob of the process follows it.
std::atomic<int32_t> knobMode{kCircularMode};

bool isSameOrInside(const CView* view, const CView* ancestor)
{
    for (const CView* v = view; v; v = v->getParentView())
        if (v == ancestor)
            return true;
    return false;
}
} // namespace

CFrame::CFrame(const CRect& size, void* parent, VSTGUIEditorInterface* editor)
    : CViewContainer(size), editor(editor)
{
    platformFrame = platform::makePlatformFrame(*this, size, parent);
}

CFrame::~CFrame()
{
    stopTimer();
    removeAll(true);
    platformFrame.reset();
}

void CFrame::close()
{
    stopTimer();
    removeAll(true);
    platformFrame.reset();
    forget();
}

void CFrame::idle()
{
    if (!platformFrame)
        return;
    if (frameDirty) {
        invalid();
    } else {
        invalidateDirtyViews();
    }
    platformFrame->updateNow();
}

bool CFrame::setModalView(CView* view)
{
    if (view && modalView)
        return false;
    if (!view) {
        if (CView* old = modalView) {
            modalView = nullptr;
            removeView(old, false);
        }
        return true;
    }
    if (!addView(view))
        return false;
    modalView = view;
    view->invalid();
    return true;
}

void CFrame::setFocusView(CView* view)
{
    if (view == focusView)
        return;
    CView* old = focusView;
    focusView = view;
    if (old)
        old->looseFocus();
    if (view)
        view->takeFocus();
}

void CFrame::setKnobMode(int32_t mode)
{
    knobMode.store(mode);
}

int32_t CFrame::getKnobMode()
{
    return knobMode.load();
}

bool CFrame::startTimer(uint32_t milliseconds, std::function<void()> onTick)
{
    if (!platformFrame)
        return false;
    timerCallback = std::move(onTick);
    return platformFrame->startTimer(milliseconds);
}

void CFrame::stopTimer()
{
    if (platformFrame)
        platformFrame->stopTimer();
    timerCallback = nullptr;
}

void* CFrame::getSystemWindow() const
{
    return platformFrame ? platformFrame->getNativeHandle() : nullptr;
}

void CFrame::invalidRect(const CRect& rect)
{
    if (!platformFrame)
        return;
    const CRect area = CRect(rect).bound(size);
    if (!area.isEmpty())
        platformFrame->invalidRect(area);
}

void CFrame::invalid()
{
    frameDirty = false;
    CView::setDirty(false);
    invalidRect(size);
}

void CFrame::setDirty(bool state)
{
    frameDirty = state;
}

bool CFrame::isDirty() const
{
    return frameDirty || CViewContainer::isDirty();
}

void CFrame::viewWillBeRemoved(CView* view)
{
    CViewContainer::viewWillBeRemoved(view);
    if (modalView && isSameOrInside(modalView, view))
        modalView = nullptr;
    if (mouseOverView && isSameOrInside(mouseOverView, view))
        mouseOverView = nullptr;
    if (focusView && isSameOrInside(focusView, view)) {
        CView* old = focusView;
        focusView = nullptr;
        old->looseFocus();
    }
}

void CFrame::updateMouseOver(CPoint where, const CButtonState& buttons)
{
    CView* view = nullptr;
    if (modalView) {
        if (modalView->isVisible() && modalView->getMouseableArea().pointInside(where))
            view = modalView;
    } else if (size.pointInside(where)) {
        view = getViewAt(where, true);
    }
    if (view == mouseOverView)
        return;
    if (CView* old = std::exchange(mouseOverView, nullptr)) {
        CPoint local = where;
        old->onMouseExited(local, buttons);
    }
    if (view) {
        mouseOverView = view;
        CPoint local = where;
        view->onMouseEntered(local, buttons);
    }
}

CMouseEventResult CFrame::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    lastMousePosition = where;
    if (modalView) {
        // Only the modal view takes clicks; anything outside it is ignored.
        if (!modalView->isVisible() || !modalView->hitTest(where, buttons))
            return kMouseEventNotHandled;
        CView* view = modalView;
        CPoint local = where;
        const CMouseEventResult result = view->onMouseDown(local, buttons);
        if (result == kMouseEventHandled && isChild(view))
            mouseDownView = view;
        return result;
    }
    CView* target = getViewAt(where, true);
    if (focusView && focusView != target)
        setFocusView(nullptr);
    const CMouseEventResult result = CViewContainer::onMouseDown(where, buttons);
    if (mouseDownView && mouseDownView->getWantsFocus())
        setFocusView(mouseDownView);
    return result;
}

CMouseEventResult CFrame::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    lastMousePosition = where;
    const CMouseEventResult result = CViewContainer::onMouseUp(where, buttons);
    updateMouseOver(where, buttons);
    return result;
}

CMouseEventResult CFrame::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    lastMousePosition = where;
    if (mouseDownView)
        return CViewContainer::onMouseMoved(where, buttons);
    updateMouseOver(where, buttons);
    if (mouseOverView) {
        CPoint local = where;
        return mouseOverView->onMouseMoved(local, buttons);
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CFrame::onMouseExited(CPoint& where, const CButtonState& buttons)
{
    if (mouseDownView)
        return kMouseEventHandled; // a drag in progress keeps its view until the release
    if (CView* old = std::exchange(mouseOverView, nullptr)) {
        CPoint local = where;
        old->onMouseExited(local, buttons);
    }
    return kMouseEventHandled;
}

bool CFrame::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    if (modalView) {
        if (modalView->isVisible() && modalView->getMouseableArea().pointInside(where))
            return modalView->onWheel(where, distance, buttons);
        return false;
    }
    // The wheel turns what is under the pointer, whatever has the keyboard focus.
    CView* view = getViewAt(where, true);
    return view && view->onWheel(where, distance, buttons);
}

int32_t CFrame::onKeyDown(VstKeyCode& keyCode)
{
    if (focusView) {
        const int32_t result = focusView->onKeyDown(keyCode);
        if (result != -1)
            return result;
    }
    if (modalView && modalView != focusView)
        return modalView->onKeyDown(keyCode);
    return -1;
}

int32_t CFrame::onKeyUp(VstKeyCode& keyCode)
{
    if (focusView) {
        const int32_t result = focusView->onKeyUp(keyCode);
        if (result != -1)
            return result;
    }
    if (modalView && modalView != focusView)
        return modalView->onKeyUp(keyCode);
    return -1;
}

bool CFrame::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CFrame") == 0 || CViewContainer::isTypeOf(type);
}

void CFrame::platformDrawRect(CDrawContext& context, const CRect& area)
{
    context.resetClipRect();
    drawRect(context, area);
    context.resetClipRect();
}

CMouseEventResult CFrame::platformOnMouseDown(const CPoint& where, const CButtonState& buttons)
{
    CPoint p = where;
    const CMouseEventResult result = onMouseDown(p, buttons);
    if (platformFrame && mouseDownView)
        platformFrame->setMouseCapture(true);
    return result;
}

CMouseEventResult CFrame::platformOnMouseUp(const CPoint& where, const CButtonState& buttons)
{
    CPoint p = where;
    const CMouseEventResult result = onMouseUp(p, buttons);
    if (platformFrame)
        platformFrame->setMouseCapture(false);
    return result;
}

CMouseEventResult CFrame::platformOnMouseMoved(const CPoint& where, const CButtonState& buttons)
{
    CPoint p = where;
    return onMouseMoved(p, buttons);
}

CMouseEventResult CFrame::platformOnMouseExited(const CPoint& where, const CButtonState& buttons)
{
    CPoint p = where;
    return onMouseExited(p, buttons);
}

bool CFrame::platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons)
{
    lastMousePosition = where;
    return onWheel(where, distance, buttons);
}

bool CFrame::platformOnKeyDown(VstKeyCode& key)
{
    return onKeyDown(key) == 1;
}

bool CFrame::platformOnKeyUp(VstKeyCode& key)
{
    return onKeyUp(key) == 1;
}

void CFrame::platformOnTimer()
{
    if (timerCallback) {
        // The callback may stop the timer (and so drop itself) while it runs.
        auto callback = timerCallback;
        callback();
    }
}

} // namespace qgui
