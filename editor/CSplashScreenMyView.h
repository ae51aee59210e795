// The about picture with the version text; a left click on it closes the about screen and
// destroys the view.
#pragma once

#include "CControl.h"

class CAbout;

class CSplashScreenMyView : public qgui::CControl {
public:
    CSplashScreenMyView(const qgui::CRect& displayArea, CAbout* owner, const qgui::CPoint& versionTextPos);

    bool isTypeOf(const char* type) const override;
    qgui::CView* newCopy() const override { return new CSplashScreenMyView(*this); }
    void draw(qgui::CDrawContext& context) override;
    qgui::CMouseEventResult onMouseDown(qgui::CPoint& where, const qgui::CButtonState& buttons) override;

private:
    CAbout* owner;
    qgui::CPoint versionTextPos;
};
