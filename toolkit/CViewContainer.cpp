#include "CViewContainer.h"

#include "CBitmap.h"
#include "CDrawContext.h"

#include <algorithm>
#include <cstring>

namespace qgui {

CViewContainer::CViewContainer(const CRect& size) : CView(size) {}

CViewContainer::~CViewContainer()
{
    CViewContainer::removeAll(true);
}

bool CViewContainer::addView(CView* view)
{
    if (!view || view->isAttached() || isChild(view))
        return false;
    children.push_back(view);
    view->attached(this);
    view->setDirty(true);
    return true;
}

bool CViewContainer::removeView(CView* view, bool withForget)
{
    auto it = std::find(children.begin(), children.end(), view);
    if (it == children.end())
        return false;
    viewWillBeRemoved(view);
    view->invalid();
    children.erase(it);
    view->removed(this);
    if (withForget)
        view->forget();
    return true;
}

bool CViewContainer::removeAll(bool withForget)
{
    while (!children.empty())
        removeView(children.back(), withForget);
    mouseDownView = nullptr;
    return true;
}

bool CViewContainer::isChild(const CView* view) const
{
    return std::find(children.begin(), children.end(), view) != children.end();
}

CView* CViewContainer::getView(int index) const
{
    if (index < 0 || index >= getNbViews())
        return nullptr;
    return children[static_cast<size_t>(index)];
}

CView* CViewContainer::getViewAt(const CPoint& where, bool deep) const
{
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->getMouseEnabled() || !view->getMouseableArea().pointInside(where))
            continue;
        if (deep && view->isTypeOf("CViewContainer")) {
            if (CView* inner = static_cast<CViewContainer*>(view)->getViewAt(where, true))
                return inner;
        }
        return view;
    }
    return nullptr;
}

void CViewContainer::drawBackgroundRect(CDrawContext& context, const CRect& updateRect)
{
    const CRect saved = context.getClipRect();
    context.setClipRect(CRect(updateRect).bound(size).bound(saved));
    if (background) {
        background->draw(context, size, CPoint());
    } else if (backgroundColor.alpha != 0) {
        context.setFillColor(backgroundColor);
        context.drawRect(size, kDrawFilled);
    }
    context.setClipRect(saved);
}

void CViewContainer::draw(CDrawContext& context)
{
    drawRect(context, size);
}

void CViewContainer::drawRect(CDrawContext& context, const CRect& updateRect)
{
    drawBackgroundRect(context, updateRect);
    const CRect saved = context.getClipRect();
    for (CView* view : children) {
        if (!view->isVisible())
            continue;
        CRect area = CRect(view->getViewSize()).bound(updateRect).bound(saved);
        if (area.isEmpty())
            continue;
        context.setClipRect(area);
        view->drawRect(context, area);
        view->setDirty(false);
    }
    context.setClipRect(saved);
    CView::setDirty(false);
}

bool CViewContainer::isDirty() const
{
    if (CView::isDirty())
        return true;
    return std::any_of(children.begin(), children.end(),
                       [](const CView* view) { return view->isVisible() && view->isDirty(); });
}

void CViewContainer::invalidateDirtyViews()
{
    if (!isVisible())
        return;
    if (CView::isDirty()) {
        invalid();
        return;
    }
    for (CView* view : children) {
        if (!view->isVisible() || !view->isDirty())
            continue;
        if (view->isTypeOf("CViewContainer"))
            static_cast<CViewContainer*>(view)->invalidateDirtyViews();
        else
            view->invalid();
    }
}

CMouseEventResult CViewContainer::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (!view->isVisible() || !view->getMouseEnabled() || !view->hitTest(where, buttons))
            continue;
        CPoint local = where;
        const CMouseEventResult result = view->onMouseDown(local, buttons);
        if (result == kMouseEventNotHandled || result == kMouseEventNotImplemented)
            continue;
        // The view may have removed itself (a modal view closing): keep no pointer to it then.
        if (result == kMouseEventHandled && isChild(view))
            mouseDownView = view;
        return result;
    }
    return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    CView* view = std::exchange(mouseDownView, nullptr);
    if (!view)
        return kMouseEventNotHandled;
    CPoint local = where;
    return view->onMouseUp(local, buttons);
}

CMouseEventResult CViewContainer::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!mouseDownView)
        return kMouseEventNotHandled;
    CPoint local = where;
    const CMouseEventResult result = mouseDownView->onMouseMoved(local, buttons);
    if (result == kMouseMoveEventHandledButDontNeedMoreEvents || result == kMouseEventNotHandled)
        mouseDownView = nullptr;
    return result;
}

bool CViewContainer::onWheel(const CPoint& where, const float& distance, const CButtonState& buttons)
{
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        CView* view = *it;
        if (view->isVisible() && view->getMouseEnabled() && view->getMouseableArea().pointInside(where))
            return view->onWheel(where, distance, buttons);
    }
    return false;
}

bool CViewContainer::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CViewContainer") == 0 || CView::isTypeOf(type);
}

void CViewContainer::attached(CViewContainer* parent)
{
    CView::attached(parent);
    for (CView* view : children)
        view->attached(this);
}

void CViewContainer::removed(CViewContainer* parent)
{
    for (CView* view : children)
        view->removed(this);
    CView::removed(parent);
}

void CViewContainer::viewWillBeRemoved(CView* view)
{
    if (mouseDownView == view)
        mouseDownView = nullptr;
    if (CViewContainer* parent = getParentView())
        parent->viewWillBeRemoved(view);
}

} // namespace qgui
