#include "CSplashScreenMyView.h"

#include "CAbout.h"
#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"

#include <cstring>
#include <string>

using namespace qgui;

namespace {
constexpr CColor kVersionColor{200, 200, 200, 255};
constexpr double kTextBoxWidth = 100.0;
constexpr double kTextBoxHeight = 10.0;
} // namespace

CSplashScreenMyView::CSplashScreenMyView(const CRect& displayArea, CAbout* owner, const CPoint& versionTextPos)
    : CControl(displayArea, nullptr, 0, owner ? owner->getBackground() : nullptr),
      owner(owner),
      versionTextPos(versionTextPos)
{
}

bool CSplashScreenMyView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CSplashScreenMyView") == 0 || CControl::isTypeOf(type);
}

void CSplashScreenMyView::draw(CDrawContext& context)
{
    if (background)
        background->draw(context, size, CPoint(0.0, 0.0), 1.0f);
    const std::string text = std::string("v.") + QG_VERSION_STRING;
    const double left = size.left + versionTextPos.x;
    const double top = size.top + versionTextPos.y;
    context.setFontColor(kVersionColor);
    context.setFont(CFontDesc{"Arial", 12.0, kNormalFace}, 0.0, -1);
    context.drawString(text, CRect(left, top, left + kTextBoxWidth, top + kTextBoxHeight), kLeftText, true);
    setDirty(false);
}

CMouseEventResult CSplashScreenMyView::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    if (owner)
        owner->unSplash();
    if (CFrame* frame = getFrame()) {
        frame->setDirty(true);
        frame->setModalView(nullptr);
    }
    forget(); // the last reference: the view is gone after this
    return kMouseEventHandled;
}
