// The invisible hot zone over the title: a left click opens the about screen as the frame's
// modal view. Its value is 1 while the screen shows.
#pragma once

#include "CSplashScreen.h"

class CAbout : public qgui::CSplashScreen {
public:
    CAbout(const qgui::CRect& size, qgui::CControlListener* listener, int32_t tag, qgui::CBitmap* background,
           const qgui::CRect& toDisplay, const qgui::CPoint& offset, const qgui::CPoint& versionTextPos);

    qgui::CMouseEventResult onMouseDown(qgui::CPoint& where, const qgui::CButtonState& buttons) override;

private:
    qgui::CPoint versionTextPos;
};
