// The GDI+ back-end of CDrawContext: renders into a PixelImage through a GDI+ bitmap that uses
// the image's own memory (32bppPARGB is the same layout). Coordinates follow the cairo back-end:
// (x, y) is a pixel's top-left corner, so both back-ends put the same pixels at the same places.
#include "CBitmap.h"
#include "CDrawContext.h"
#include "PixelImage.h"
#include "platform/Platform.h"
#include "platform/win32/GdiplusSession.h"
#include "platform/win32/WideText.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace qgui {
namespace {

namespace gp = Gdiplus;

gp::Color toGdiplus(const CColor& c)
{
    return gp::Color(c.alpha, c.red, c.green, c.blue);
}

gp::RectF toGdiplus(const CRect& r)
{
    return gp::RectF(static_cast<gp::REAL>(r.left), static_cast<gp::REAL>(r.top),
                     static_cast<gp::REAL>(r.getWidth()), static_cast<gp::REAL>(r.getHeight()));
}

int fontStyleOf(const CFontDesc& desc)
{
    int style = gp::FontStyleRegular;
    if (desc.style & kBoldFace)
        style |= gp::FontStyleBold;
    if (desc.style & kItalicFace)
        style |= gp::FontStyleItalic;
    return style;
}

// The face that GDI's font mapper picks for a family name (on Wine, Liberation Sans for
// "Arial"); empty when it answers nothing.
std::wstring substitutedFace(const std::wstring& name, const CFontDesc& desc)
{
    LOGFONTW logFont{};
    logFont.lfHeight = -static_cast<LONG>(std::lround(std::max(1.0, desc.size)));
    logFont.lfWeight = (desc.style & kBoldFace) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (desc.style & kItalicFace) ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS; // GDI+ draws TrueType faces only
    wcsncpy(logFont.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    wchar_t face[LF_FACESIZE] = {};
    HFONT font = CreateFontIndirectW(&logFont);
    HDC dc = CreateCompatibleDC(nullptr);
    if (font && dc) {
        HGDIOBJ previous = SelectObject(dc, font);
        GetTextFaceW(dc, LF_FACESIZE, face);
        SelectObject(dc, previous);
    }
    if (dc)
        DeleteDC(dc);
    if (font)
        DeleteObject(font);
    return face;
}

std::unique_ptr<gp::Font> createFontOfFamily(const std::wstring& familyName, gp::REAL size, int style)
{
    if (familyName.empty())
        return nullptr;
    gp::FontFamily family(familyName.c_str());
    if (family.GetLastStatus() != gp::Ok)
        return nullptr;
    auto font = std::make_unique<gp::Font>(&family, size, style, gp::UnitPixel);
    if (font->GetLastStatus() != gp::Ok)
        return nullptr;
    return font;
}

// The font by its family name at its pixel size; a family that is not installed under that
// name is replaced by the face GDI would use for it, so text never disappears.
std::unique_ptr<gp::Font> createFont(const CFontDesc& desc)
{
    const gp::REAL size = static_cast<gp::REAL>(std::max(1.0, desc.size));
    const std::wstring name = win32::toWide(desc.name);
    const int style = fontStyleOf(desc);
    if (auto font = createFontOfFamily(name, size, style))
        return font;
    const std::wstring face = substitutedFace(name, desc);
    if (auto font = createFontOfFamily(face, size, style))
        return font;
    // A face without the bold or italic variant: its regular style rather than nothing.
    if (auto font = createFontOfFamily(name, size, gp::FontStyleRegular))
        return font;
    return createFontOfFamily(face, size, gp::FontStyleRegular);
}

class GdiplusDrawContext final : public CDrawContext {
public:
    explicit GdiplusDrawContext(PixelImage& target)
        : CDrawContext(CRect(0, 0, target.width, target.height)),
          bitmap(target.width, target.height, target.width * 4, PixelFormat32bppPARGB,
                 reinterpret_cast<BYTE*>(target.pixels.data())),
          graphics(&bitmap)
    {
        // GDI+ puts pixel centres on whole coordinates, cairo half-way between them; the shift
        // makes (x, y) a pixel corner here too. (PixelOffsetModeHalf would do the same, but
        // Wine's GDI+ ignores it for pens.)
        graphics.SetPixelOffsetMode(gp::PixelOffsetModeNone);
        graphics.TranslateTransform(-0.5f, -0.5f);
        graphics.SetCompositingMode(gp::CompositingModeSourceOver);
        textFormat.reset(gp::StringFormat::GenericTypographic()->Clone());
        if (textFormat)
            textFormat->SetFormatFlags(gp::StringFormatFlagsNoWrap | gp::StringFormatFlagsMeasureTrailingSpaces
                                       | gp::StringFormatFlagsNoClip);
    }

    bool isUsable() const
    {
        return session.isRunning() && bitmap.GetLastStatus() == gp::Ok && graphics.GetLastStatus() == gp::Ok
               && textFormat;
    }

    void drawLine(const CPoint& start, const CPoint& end) override
    {
        begin(getDrawMode() == kAntiAliasing, getClipRect());
        gp::Pen pen(toGdiplus(getFrameColor()), static_cast<gp::REAL>(getLineWidth()));
        applyLineStyle(pen);
        graphics.DrawLine(&pen, static_cast<gp::REAL>(start.x), static_cast<gp::REAL>(start.y),
                          static_cast<gp::REAL>(end.x), static_cast<gp::REAL>(end.y));
    }

    void drawRect(const CRect& rect, CDrawStyle style) override
    {
        begin(getDrawMode() == kAntiAliasing, getClipRect());
        if (style == kDrawFilled || style == kDrawFilledAndStroked) {
            gp::SolidBrush brush(toGdiplus(getFillColor()));
            graphics.FillRectangle(&brush, toGdiplus(rect));
        }
        if (style == kDrawStroked || style == kDrawFilledAndStroked) {
            // The stroke lies inside the rectangle, as in the cairo back-end.
            const double inset = getLineWidth() / 2.0;
            gp::Pen pen(toGdiplus(getFrameColor()), static_cast<gp::REAL>(getLineWidth()));
            applyLineStyle(pen);
            graphics.DrawRectangle(&pen, static_cast<gp::REAL>(rect.left + inset),
                                   static_cast<gp::REAL>(rect.top + inset),
                                   static_cast<gp::REAL>(rect.getWidth() - 2.0 * inset),
                                   static_cast<gp::REAL>(rect.getHeight() - 2.0 * inset));
        }
    }

    void drawBitmap(const CBitmap& source, const CRect& dest, const CPoint& offset, float alpha) override
    {
        const PixelImage& pixels = source.getPixels();
        if (pixels.isEmpty() || !(alpha > 0.0f) || dest.isEmpty())
            return;
        // Only the part of the picture that exists is drawn: trim the source rectangle to the
        // picture and move the destination with it.
        double srcX = offset.x, srcY = offset.y;
        double dstX = dest.left, dstY = dest.top;
        double width = dest.getWidth(), height = dest.getHeight();
        if (srcX < 0.0) {
            dstX -= srcX;
            width += srcX;
            srcX = 0.0;
        }
        if (srcY < 0.0) {
            dstY -= srcY;
            height += srcY;
            srcY = 0.0;
        }
        width = std::min(width, pixels.width - srcX);
        height = std::min(height, pixels.height - srcY);
        if (width <= 0.0 || height <= 0.0)
            return;

        // GDI+ only reads the source; the const_cast is for its signature.
        gp::Bitmap picture(pixels.width, pixels.height, pixels.width * 4, PixelFormat32bppPARGB,
                           reinterpret_cast<BYTE*>(const_cast<uint32_t*>(pixels.pixels.data())));
        if (picture.GetLastStatus() != gp::Ok)
            return;
        begin(false, CRect(getClipRect()).bound(dest));
        graphics.SetInterpolationMode(gp::InterpolationModeNearestNeighbor);
        gp::ImageAttributes attributes;
        const gp::ImageAttributes* blend = nullptr;
        if (alpha < 1.0f) {
            // The opacity scales the alpha of every source pixel.
            gp::ColorMatrix matrix = {
                {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, alpha, 0}, {0, 0, 0, 0, 1}}};
            attributes.SetColorMatrix(&matrix);
            blend = &attributes;
        }
        graphics.DrawImage(&picture, toGdiplus(CRect(dstX, dstY, dstX + width, dstY + height)),
                           static_cast<gp::REAL>(srcX), static_cast<gp::REAL>(srcY), static_cast<gp::REAL>(width),
                           static_cast<gp::REAL>(height), gp::UnitPixel, blend);
    }

    void drawString(const std::string& text, const CRect& box, CHoriTxtAlign align, bool antialias) override
    {
        if (text.empty() || box.isEmpty())
            return;
        gp::Font* font = currentFont();
        if (!font)
            return;
        const std::wstring wide = win32::toWide(text);
        begin(antialias, CRect(getClipRect()).bound(box));
        graphics.SetTextRenderingHint(antialias ? gp::TextRenderingHintAntiAliasGridFit
                                                : gp::TextRenderingHintSingleBitPerPixelGridFit);
        const double advance = measure(wide, *font);
        double x = box.left;
        if (align == kCenterText)
            x = box.left + (box.getWidth() - advance) / 2.0;
        else if (align == kRightText)
            x = box.right - advance;
        // One line, its baseline placed as the cairo back-end places it.
        const double baseline = box.top + (box.getHeight() + fontAscent - fontDescent) / 2.0;
        gp::SolidBrush brush(toGdiplus(getFontColor()));
        const gp::PointF origin(static_cast<gp::REAL>(std::round(x)),
                                static_cast<gp::REAL>(std::round(baseline) - fontAscent));
        graphics.DrawString(wide.c_str(), static_cast<INT>(wide.size()), font, origin, textFormat.get(), &brush);
    }

    double getStringWidth(const std::string& text) override
    {
        gp::Font* font = currentFont();
        return font ? measure(win32::toWide(text), *font) : 0.0;
    }

    void flush() override { graphics.Flush(gp::FlushIntentionSync); }

private:
    // Applies the clip rectangle and the anti-aliasing mode for the next operation.
    void begin(bool antialias, const CRect& clip)
    {
        graphics.SetClip(toGdiplus(clip), gp::CombineModeReplace);
        graphics.SetSmoothingMode(antialias ? gp::SmoothingModeAntiAlias : gp::SmoothingModeNone);
    }

    void applyLineStyle(gp::Pen& pen)
    {
        pen.SetStartCap(gp::LineCapFlat);
        pen.SetEndCap(gp::LineCapFlat);
        if (getLineStyle() == kLineOnOffDash) {
            // In units of the line width: as long on as off, as in the cairo back-end.
            const gp::REAL dashes[] = {1.0f, 1.0f};
            pen.SetDashPattern(dashes, 2);
        }
    }

    double measure(const std::wstring& text, const gp::Font& font)
    {
        if (text.empty())
            return 0.0;
        gp::RectF bounds;
        graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, gp::PointF(0.0f, 0.0f),
                               textFormat.get(), &bounds);
        return bounds.Width;
    }

    gp::Font* currentFont()
    {
        if (!font || getFont() != fontDesc) {
            fontDesc = getFont();
            font = createFont(fontDesc);
            fontAscent = fontDescent = 0.0;
            if (font) {
                gp::FontFamily family;
                font->GetFamily(&family);
                const int style = font->GetStyle();
                const double em = family.GetEmHeight(style);
                if (em > 0.0) {
                    fontAscent = font->GetSize() * family.GetCellAscent(style) / em;
                    fontDescent = font->GetSize() * family.GetCellDescent(style) / em;
                }
            }
        }
        return font.get();
    }

    win32::GdiplusSession session; // first member: GDI+ runs before any object below exists
    gp::Bitmap bitmap;
    gp::Graphics graphics;
    std::unique_ptr<gp::StringFormat> textFormat;
    std::unique_ptr<gp::Font> font;
    CFontDesc fontDesc;
    double fontAscent = 0.0;
    double fontDescent = 0.0;
};

} // namespace

std::unique_ptr<CDrawContext> platform::createDrawContext(PixelImage& target)
{
    if (target.isEmpty() || target.pixels.size() != static_cast<size_t>(target.width) * target.height)
        return nullptr;
    auto context = std::make_unique<GdiplusDrawContext>(target);
    if (!context->isUsable())
        return nullptr;
    return context;
}

} // namespace qgui
