// Test doubles for toolkit tests: a draw context that records calls, synthetic bitmaps by id,
// an editor and a listener that record what reaches them, and mouse helpers that send events
// the way a window does.
#pragma once

#include "CBitmap.h"
#include "CControl.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "VSTGUIEditorInterface.h"
#include "platform/PlatformHooks.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qgtest {

using namespace qgui;

struct DrawCall {
    enum Kind { Bitmap, Line, Rect, String } kind = Bitmap;
    int bitmapId = -1;
    CRect rect; // destination, rectangle or text box
    CPoint offset; // bitmap source offset
    float alpha = 1.0f;
    CPoint from, to; // line ends
    CColor color; // frame colour (lines, stroked rectangles), fill colour, font colour
    double lineWidth = 0.0;
    CLineStyle lineStyle = kLineSolid;
    CDrawMode drawMode = kAliasing;
    CDrawStyle drawStyle = kDrawStroked;
    std::string text;
    CFontDesc font;
    CHoriTxtAlign align = kCenterText;
    CRect clip;
};

class RecordingDrawContext : public CDrawContext {
public:
    explicit RecordingDrawContext(const CRect& surface = CRect(0, 0, 400, 309)) : CDrawContext(surface) {}

    void drawLine(const CPoint& start, const CPoint& end) override
    {
        DrawCall call = common(DrawCall::Line, getFrameColor());
        call.from = start;
        call.to = end;
        calls.push_back(call);
    }
    void drawRect(const CRect& rect, CDrawStyle style) override
    {
        DrawCall call = common(DrawCall::Rect, style == kDrawFilled ? getFillColor() : getFrameColor());
        call.rect = rect;
        call.drawStyle = style;
        calls.push_back(call);
    }
    void drawBitmap(const CBitmap& bitmap, const CRect& dest, const CPoint& offset, float alpha) override
    {
        DrawCall call = common(DrawCall::Bitmap, CColor());
        call.bitmapId = bitmap.getResourceId();
        call.rect = dest;
        call.offset = offset;
        call.alpha = alpha;
        calls.push_back(call);
    }
    void drawString(const std::string& text, const CRect& box, CHoriTxtAlign align, bool) override
    {
        DrawCall call = common(DrawCall::String, getFontColor());
        call.text = text;
        call.rect = box;
        call.align = align;
        calls.push_back(call);
    }
    double getStringWidth(const std::string& text) override { return 6.0 * static_cast<double>(text.size()); }

    std::vector<DrawCall> calls;

private:
    DrawCall common(DrawCall::Kind kind, const CColor& color) const
    {
        DrawCall call;
        call.kind = kind;
        call.color = color;
        call.lineWidth = getLineWidth();
        call.lineStyle = getLineStyle();
        call.drawMode = getDrawMode();
        call.font = getFont();
        call.clip = getClipRect();
        return call;
    }
};

// A uniform picture per id: its colour encodes the id so that pixels show which one was drawn.
inline CColor colorForBitmap(int id)
{
    return CColor{static_cast<uint8_t>(id * 37 % 200 + 20), static_cast<uint8_t>(id * 11 % 200 + 20),
                  static_cast<uint8_t>(id % 200 + 20), 255};
}

// While alive, bitmaps load from this table instead of the module's resources.
class ScopedBitmaps {
public:
    struct Fill {
        int width;
        int height;
        CColor color;
    };

    explicit ScopedBitmaps(std::map<int, Fill> table) : table(std::move(table))
    {
        previous = platform::setBitmapLoaderHook([this](int id, PixelImage& out) {
            auto it = this->table.find(id);
            if (it == this->table.end())
                return false;
            out = PixelImage(it->second.width, it->second.height, PixelImage::packOpaque(it->second.color));
            return true;
        });
    }
    ~ScopedBitmaps() { platform::setBitmapLoaderHook(std::move(previous)); }
    ScopedBitmaps(const ScopedBitmaps&) = delete;
    ScopedBitmaps& operator=(const ScopedBitmaps&) = delete;

private:
    std::map<int, Fill> table;
    platform::BitmapLoaderHook previous;
};

class RecordingEditor : public VSTGUIEditorInterface {
public:
    void beginEdit(int32_t index) override { edits.push_back("begin " + std::to_string(index)); }
    void endEdit(int32_t index) override { edits.push_back("end " + std::to_string(index)); }
    CFrame* getFrame() const override { return nullptr; }

    std::vector<std::string> edits;
};

class RecordingListener : public CControlListener {
public:
    void valueChanged(CControl* control) override { changes.emplace_back(control->getTag(), control->getValue()); }

    std::vector<std::pair<int32_t, float>> changes;
};

// Events as the window back-end delivers them, in frame coordinates.
inline CMouseEventResult mouseDown(CFrame& frame, double x, double y, int32_t buttons = kLButton)
{
    return frame.platformOnMouseDown(CPoint(x, y), CButtonState(buttons));
}
inline CMouseEventResult mouseMove(CFrame& frame, double x, double y, int32_t buttons = kLButton)
{
    return frame.platformOnMouseMoved(CPoint(x, y), CButtonState(buttons));
}
inline CMouseEventResult mouseUp(CFrame& frame, double x, double y, int32_t buttons = kLButton)
{
    return frame.platformOnMouseUp(CPoint(x, y), CButtonState(buttons));
}

// A bitmap that counts the live instances, to show when the last holder let go.
class CountingBitmap : public CBitmap {
public:
    explicit CountingBitmap(int id) : CBitmap(id) { ++live; }
    explicit CountingBitmap(PixelImage pixels) : CBitmap(std::move(pixels)) { ++live; }
    ~CountingBitmap() override { --live; }
    static inline int live = 0;
};

// The frame's last painted picture.
inline PixelImage framePixels(const CFrame& frame)
{
    PixelImage image;
    if (frame.getPlatformFrame())
        frame.getPlatformFrame()->copyPixels(image);
    return image;
}

} // namespace qgtest
