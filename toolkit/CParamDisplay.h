// A control that shows a line of text over a background picture or a filled, framed box; the
// base of the text field and the option menu.
#pragma once

#include "CColor.h"
#include "CControl.h"
#include "CDrawContext.h"
#include "CFontDesc.h"

#include <string>

namespace qgui {

class CParamDisplay : public CControl {
public:
    CParamDisplay(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  int32_t style = 0);

    // With a background object: the picture only (nothing when it failed to load); without:
    // the back colour and a frame, as the style allows. Then the text unless kNoTextStyle.
    void draw(CDrawContext& context) override;
    bool isTypeOf(const char* type) const override;

    void setFont(const CFontDesc& newFont) { font = newFont; setDirty(); }
    const CFontDesc& getFont() const { return font; }
    void setFontColor(const CColor& color) { fontColor = color; setDirty(); }
    const CColor& getFontColor() const { return fontColor; }
    void setBackColor(const CColor& color) { backColor = color; setDirty(); }
    const CColor& getBackColor() const { return backColor; }
    void setFrameColor(const CColor& color) { frameColor = color; setDirty(); }
    const CColor& getFrameColor() const { return frameColor; }
    void setHoriAlign(CHoriTxtAlign align) { horiAlign = align; setDirty(); }
    CHoriTxtAlign getHoriAlign() const { return horiAlign; }
    virtual void setStyle(int32_t newStyle) { style = newStyle; setDirty(); }
    int32_t getStyle() const { return style; }

protected:
    // The text shown by draw.
    virtual std::string getDisplayText() const = 0;

    CFontDesc font = kNormalFontSmall;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    CHoriTxtAlign horiAlign = kCenterText;
    int32_t style;
};

} // namespace qgui
