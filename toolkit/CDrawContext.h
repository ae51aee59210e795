// Where views draw: one abstract context with the drawing state, one subclass per back-end
// (cairo on Linux, GDI+ on Windows) that renders into a PixelImage.
#pragma once

#include "CColor.h"
#include "CFontDesc.h"
#include "CPoint.h"
#include "CRect.h"

#include <string>

namespace qgui {

class CBitmap;
struct PixelImage;

enum CLineStyle { kLineSolid = 0, kLineOnOffDash };
enum CDrawMode { kAliasing = 0, kAntiAliasing };
enum CDrawStyle { kDrawStroked = 0, kDrawFilled, kDrawFilledAndStroked };
enum CHoriTxtAlign { kLeftText = 0, kCenterText, kRightText };

class CDrawContext {
public:
    // surface: the pixel rectangle of the target, (0, 0, width, height).
    explicit CDrawContext(const CRect& surface) : surface(surface), clip(surface) {}
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;
    virtual ~CDrawContext() = default;

    void setLineStyle(CLineStyle style) { lineStyle = style; }
    CLineStyle getLineStyle() const { return lineStyle; }
    void setLineWidth(double width) { lineWidth = width; }
    double getLineWidth() const { return lineWidth; }
    void setDrawMode(CDrawMode mode) { drawMode = mode; }
    CDrawMode getDrawMode() const { return drawMode; }
    void setFrameColor(const CColor& color) { frameColor = color; }
    const CColor& getFrameColor() const { return frameColor; }
    void setFillColor(const CColor& color) { fillColor = color; }
    const CColor& getFillColor() const { return fillColor; }
    void setFontColor(const CColor& color) { fontColor = color; }
    const CColor& getFontColor() const { return fontColor; }
    // size 0 keeps the font's own size, style -1 keeps the current style.
    void setFont(const CFontDesc& newFont, double size = 0.0, int32_t style = -1)
    {
        const int32_t keptStyle = font.style;
        font = newFont;
        if (size > 0.0)
            font.size = size;
        if (style >= 0)
            font.style = style;
        else
            font.style = keptStyle;
    }
    const CFontDesc& getFont() const { return font; }

    // Nothing outside the clip rectangle is touched; it never reaches beyond the surface.
    void setClipRect(const CRect& rect) { clip = CRect(rect).bound(surface); }
    const CRect& getClipRect() const { return clip; }
    void resetClipRect() { clip = surface; }
    const CRect& getSurfaceRect() const { return surface; }

    // A line from start to end in the frame colour, line width and style; butt ends.
    virtual void drawLine(const CPoint& start, const CPoint& end) = 0;
    // Filled in the fill colour; stroked in the frame colour just inside the rectangle's edge.
    virtual void drawRect(const CRect& rect, CDrawStyle style = kDrawStroked) = 0;
    // Copies the part of the bitmap that starts at offset into dest (one bitmap pixel per
    // frame pixel), blended with the given opacity; source pixels beyond the bitmap stay undrawn.
    virtual void drawBitmap(const CBitmap& bitmap, const CRect& dest, const CPoint& offset = CPoint(),
                            float alpha = 1.0f) = 0;
    // UTF-8 text in the current font and font colour, on one line vertically centred in box.
    virtual void drawString(const std::string& text, const CRect& box, CHoriTxtAlign align = kCenterText,
                            bool antialias = true) = 0;
    virtual double getStringWidth(const std::string& text) = 0;
    // Completes pending drawing so that the target's pixels are final.
    virtual void flush() {}

private:
    CRect surface;
    CRect clip;
    CLineStyle lineStyle = kLineSolid;
    double lineWidth = 1.0;
    CDrawMode drawMode = kAliasing;
    CColor frameColor = kBlackCColor;
    CColor fillColor = kWhiteCColor;
    CColor fontColor = kWhiteCColor;
    CFontDesc font = kNormalFont;
};

} // namespace qgui
