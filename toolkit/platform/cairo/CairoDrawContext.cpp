// The cairo back-end of CDrawContext: renders into a PixelImage (cairo's ARGB32 layout).
#include "CBitmap.h"
#include "CDrawContext.h"
#include "PixelImage.h"
#include "platform/Platform.h"

#include <cairo.h>

#include <cmath>

namespace qgui {
namespace {

class CairoDrawContext final : public CDrawContext {
public:
    explicit CairoDrawContext(PixelImage& target)
        : CDrawContext(CRect(0, 0, target.width, target.height)),
          surface(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(target.pixels.data()),
                                                      CAIRO_FORMAT_ARGB32, target.width, target.height,
                                                      target.width * 4)),
          cr(cairo_create(surface))
    {
    }

    ~CairoDrawContext() override
    {
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        cairo_surface_destroy(surface);
    }

    void drawLine(const CPoint& start, const CPoint& end) override
    {
        begin(getDrawMode() == kAntiAliasing);
        setSource(getFrameColor());
        applyLineStyle();
        cairo_move_to(cr, start.x, start.y);
        cairo_line_to(cr, end.x, end.y);
        cairo_stroke(cr);
        cairo_restore(cr);
    }

    void drawRect(const CRect& rect, CDrawStyle style) override
    {
        begin(getDrawMode() == kAntiAliasing);
        if (style == kDrawFilled || style == kDrawFilledAndStroked) {
            setSource(getFillColor());
            cairo_rectangle(cr, rect.left, rect.top, rect.getWidth(), rect.getHeight());
            cairo_fill(cr);
        }
        if (style == kDrawStroked || style == kDrawFilledAndStroked) {
            const double inset = getLineWidth() / 2.0;
            setSource(getFrameColor());
            applyLineStyle();
            cairo_rectangle(cr, rect.left + inset, rect.top + inset, rect.getWidth() - 2.0 * inset,
                            rect.getHeight() - 2.0 * inset);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }

    void drawBitmap(const CBitmap& bitmap, const CRect& dest, const CPoint& offset, float alpha) override
    {
        const PixelImage& pixels = bitmap.getPixels();
        if (pixels.isEmpty() || alpha <= 0.0f)
            return;
        // cairo only reads the source; the const_cast is for its C signature.
        cairo_surface_t* source = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(pixels.pixels.data())), CAIRO_FORMAT_ARGB32,
            pixels.width, pixels.height, pixels.width * 4);
        begin(false);
        cairo_rectangle(cr, dest.left, dest.top, dest.getWidth(), dest.getHeight());
        cairo_clip(cr);
        cairo_set_source_surface(cr, source, dest.left - offset.x, dest.top - offset.y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        if (alpha >= 1.0f)
            cairo_paint(cr);
        else
            cairo_paint_with_alpha(cr, alpha);
        cairo_restore(cr);
        cairo_surface_destroy(source);
    }

    void drawString(const std::string& text, const CRect& box, CHoriTxtAlign align, bool antialias) override
    {
        if (text.empty())
            return;
        begin(antialias);
        cairo_rectangle(cr, box.left, box.top, box.getWidth(), box.getHeight());
        cairo_clip(cr);
        selectFont(antialias);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, text.c_str(), &extents);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        double x = box.left;
        if (align == kCenterText)
            x = box.left + (box.getWidth() - extents.x_advance) / 2.0;
        else if (align == kRightText)
            x = box.right - extents.x_advance;
        const double baseline = box.top + (box.getHeight() + font.ascent - font.descent) / 2.0;
        setSource(getFontColor());
        cairo_move_to(cr, std::round(x), std::round(baseline));
        cairo_show_text(cr, text.c_str());
        cairo_restore(cr);
    }

    double getStringWidth(const std::string& text) override
    {
        cairo_save(cr);
        selectFont(true);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, text.c_str(), &extents);
        cairo_restore(cr);
        return extents.x_advance;
    }

    void flush() override { cairo_surface_flush(surface); }

private:
    // Saves the state and applies the clip rectangle and the anti-aliasing mode.
    void begin(bool antialias)
    {
        cairo_save(cr);
        const CRect& clip = getClipRect();
        cairo_rectangle(cr, clip.left, clip.top, clip.getWidth(), clip.getHeight());
        cairo_clip(cr);
        cairo_set_antialias(cr, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    }

    void setSource(const CColor& color)
    {
        cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0, color.alpha / 255.0);
    }

    void applyLineStyle()
    {
        const double width = getLineWidth();
        cairo_set_line_width(cr, width);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        if (getLineStyle() == kLineOnOffDash) {
            const double dashes[] = {width, width};
            cairo_set_dash(cr, dashes, 2, 0.0);
        } else {
            cairo_set_dash(cr, nullptr, 0, 0.0);
        }
    }

    void selectFont(bool antialias)
    {
        const CFontDesc& font = getFont();
        cairo_select_font_face(cr, font.name.c_str(),
                               (font.style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                               (font.style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr, font.size);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_set_font_options(cr, options);
        cairo_font_options_destroy(options);
    }

    cairo_surface_t* surface;
    cairo_t* cr;
};

} // namespace

std::unique_ptr<CDrawContext> platform::createDrawContext(PixelImage& target)
{
    if (target.isEmpty())
        return nullptr;
    return std::make_unique<CairoDrawContext>(target);
}

} // namespace qgui
