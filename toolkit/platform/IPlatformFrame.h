// What a frame needs from the window system: one implementation per back-end (a Win32 child
// window on Windows, an in-memory picture on Linux), created by createPlatformFrame.
#pragma once

#include "../CButtonState.h"
#include "../CColor.h"
#include "../CFontDesc.h"
#include "../CPoint.h"
#include "../CRect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct VstKeyCode;

namespace qgui {

class CDrawContext;
struct PixelImage;

// The frame's side: the window system reports paint requests and input here (window thread).
class IPlatformFrameCallback {
public:
    virtual ~IPlatformFrameCallback() = default;

    // Draws the given area (frame coordinates) into context, whose surface is the whole frame.
    virtual void platformDrawRect(CDrawContext& context, const CRect& area) = 0;
    virtual CMouseEventResult platformOnMouseDown(const CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseUp(const CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseMoved(const CPoint& where, const CButtonState& buttons) = 0;
    // The pointer left the window (no further moves until it comes back).
    virtual CMouseEventResult platformOnMouseExited(const CPoint& where, const CButtonState& buttons) = 0;
    // distance: wheel notches, positive away from the user.
    virtual bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) = 0;
    // True when the key was used; an unused key goes back to the host.
    virtual bool platformOnKeyDown(VstKeyCode& key) = 0;
    virtual bool platformOnKeyUp(VstKeyCode& key) = 0;
    // A tick of the timer started with IPlatformFrame::startTimer.
    virtual void platformOnTimer() = 0;
};

// A native single-line text field laid over the frame, ended by Return (commit), Escape
// (cancel) or losing the keyboard focus (commit).
class IPlatformTextEdit {
public:
    virtual ~IPlatformTextEdit() = default;
    virtual std::string getText() const = 0;
};

class ITextEditOwner {
public:
    virtual ~ITextEditOwner() = default;
    // Called once when editing ends; afterwards the field is hidden and reports nothing more.
    // The owner must not destroy the IPlatformTextEdit from inside this call.
    virtual void platformTextEditEnded(const std::string& text, bool commit) = 0;
};

struct TextEditRequest {
    CRect rect; // frame coordinates
    std::string text; // UTF-8
    CFontDesc font;
    CColor fontColor;
    CColor backColor;
    int horizontalAlign = 1; // CHoriTxtAlign
    int maxLength = 255; // bytes of UTF-8
};

struct PopupMenuEntry {
    std::string title; // UTF-8; "-" alone is a separator line
    bool checked = false;
    bool enabled = true;
    bool separator = false;
};

struct PopupMenuRequest {
    std::vector<PopupMenuEntry> entries;
    CPoint where; // frame coordinates of the menu's top-left corner
    int currentIndex = -1; // the current entry; ticks come only from each entry's checked flag
    int entriesPerColumn = 0; // a new column starts after this many entries; 0 = one column
};

class IPlatformFrame {
public:
    virtual ~IPlatformFrame() = default;

    // The native window (HWND on Windows; null for a frame that draws only into memory).
    virtual void* getNativeHandle() const = 0;
    virtual CRect getSize() const = 0;
    virtual bool setSize(const CRect& size) = 0;

    // Asks for the area (frame coordinates) to be painted; several requests may merge.
    virtual void invalidRect(const CRect& area) = 0;
    // Paints every requested area now, through IPlatformFrameCallback::platformDrawRect.
    virtual void updateNow() = 0;

    // Starts (or restarts) a periodic timer on the window; ticks arrive on the window thread.
    virtual bool startTimer(uint32_t milliseconds) = 0;
    virtual void stopTimer() = 0;
    virtual bool isTimerRunning() const = 0;

    // While captured, the frame keeps receiving mouse moves and the release outside the window.
    virtual void setMouseCapture(bool captured) = 0;
    // Gives the window the keyboard focus.
    virtual void takeFocus() = 0;

    // Shows a native popup menu and waits for the choice: the entry index, or -1 when dismissed.
    virtual int popupMenu(const PopupMenuRequest& request) = 0;
    // Opens a native text field; null when the back-end has none.
    virtual std::unique_ptr<IPlatformTextEdit> createTextEdit(ITextEditOwner& owner,
                                                              const TextEditRequest& request) = 0;

    // The last painted picture of the whole window; false when the back-end keeps none.
    virtual bool copyPixels(PixelImage& out) const = 0;
};

} // namespace qgui
