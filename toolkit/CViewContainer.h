// A view holding other views; it owns them (one reference each) and draws them in the order
// they were added, the last on top. Children's rectangles are in frame coordinates.
#pragma once

#include "CColor.h"
#include "CView.h"

#include <vector>

namespace qgui {

class CViewContainer : public CView {
public:
    explicit CViewContainer(const CRect& size);
    ~CViewContainer() override;

    // Takes over the caller's reference: the view now belongs to the container.
    virtual bool addView(CView* view);
    // withForget: also give up the container's reference (usually deleting the view).
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    bool isChild(const CView* view) const;
    int getNbViews() const { return static_cast<int>(children.size()); }
    CView* getView(int index) const;
    // The topmost visible child under where that takes mouse input, or null.
    CView* getViewAt(const CPoint& where, bool deep = false) const;

    void setBackgroundColor(const CColor& color) { backgroundColor = color; }
    const CColor& getBackgroundColor() const { return backgroundColor; }

    void draw(CDrawContext& context) override;
    void drawRect(CDrawContext& context, const CRect& updateRect) override;
    bool isDirty() const override;
    // Invalidates every dirty descendant (or the whole container when it is dirty itself).
    virtual void invalidateDirtyViews();

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override;
    bool isTypeOf(const char* type) const override;

    void attached(CViewContainer* parent) override;
    void removed(CViewContainer* parent) override;

protected:
    // Lets the frame drop its own pointers to a view (and its descendants) about to leave.
    virtual void viewWillBeRemoved(CView* view);
    void drawBackgroundRect(CDrawContext& context, const CRect& updateRect);

    std::vector<CView*> children;
    CView* mouseDownView = nullptr;
    CColor backgroundColor = kBlackCColor;
};

} // namespace qgui
