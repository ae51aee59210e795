#include "CView.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "CViewContainer.h"

#include <cstring>

namespace qgui {

CView::CView(const CRect& size) : size(size), mouseableArea(size) {}

CView::CView(const CView& other)
    : CBaseObject(other),
      size(other.size),
      mouseableArea(other.mouseableArea),
      background(other.background),
      mouseEnabled(other.mouseEnabled),
      visible(other.visible),
      wantsFocus(other.wantsFocus)
{
    if (background)
        background->remember();
}

CView::~CView()
{
    if (background)
        background->forget();
}

void CView::draw(CDrawContext& context)
{
    if (background)
        background->draw(context, size, CPoint());
    setDirty(false);
}

void CView::drawRect(CDrawContext& context, const CRect& /*updateRect*/)
{
    draw(context);
}

void CView::invalid()
{
    setDirty(false);
    invalidRect(size);
}

void CView::invalidRect(const CRect& rect)
{
    if (frame && visible)
        frame->invalidRect(rect);
}

CMouseEventResult CView::onMouseDown(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseUp(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseMoved(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseEntered(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::onMouseExited(CPoint&, const CButtonState&) { return kMouseEventNotImplemented; }
bool CView::onWheel(const CPoint&, const float&, const CButtonState&) { return false; }
int32_t CView::onKeyDown(VstKeyCode&) { return -1; }
int32_t CView::onKeyUp(VstKeyCode&) { return -1; }

bool CView::hitTest(const CPoint& where, const CButtonState&)
{
    return mouseableArea.pointInside(where);
}

bool CView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CView") == 0;
}

void CView::setViewSize(const CRect& rect, bool invalidate)
{
    if (invalidate)
        invalidRect(size);
    size = rect;
    mouseableArea = rect;
    if (invalidate)
        invalid();
}

void CView::setVisible(bool state)
{
    if (visible == state)
        return;
    if (!state)
        invalidRect(size);
    visible = state;
    if (state)
        invalid();
}

void CView::setBackground(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
    if (background)
        background->forget();
    background = bitmap;
    setDirty(true);
}

void CView::attached(CViewContainer* parent)
{
    parentView = parent;
    frame = parent ? parent->getFrame() : nullptr;
    if (!frame && parent && parent->isTypeOf("CFrame"))
        frame = static_cast<CFrame*>(parent);
}

void CView::removed(CViewContainer* /*parent*/)
{
    parentView = nullptr;
    frame = nullptr;
}

} // namespace qgui
