// The frame's window on Windows: a child of the host's window that paints through a back
// buffer drawn with GDI+ and turns window messages into the frame's mouse, wheel, key and
// timer calls.
#pragma once

#include "PixelImage.h"
#include "platform/IPlatformFrame.h"
#include "platform/PendingAreas.h"
#include "platform/win32/GdiplusSession.h"

#include <windows.h>


namespace qgui::win32 {

class Win32Frame final : public IPlatformFrame {
public:
    // Use create(); the window exists from construction to destruction.
    Win32Frame(IPlatformFrameCallback& callback, const CRect& size);
    ~Win32Frame() override;
    Win32Frame(const Win32Frame&) = delete;
    Win32Frame& operator=(const Win32Frame&) = delete;

    // A child of parent; a hidden window of its own when parent is null. Null when parent is no
    // window or the window cannot be made.
    static std::unique_ptr<Win32Frame> create(IPlatformFrameCallback& callback, const CRect& size, HWND parent);

    void* getNativeHandle() const override { return window; }
    CRect getSize() const override { return size; }
    bool setSize(const CRect& newSize) override;
    void invalidRect(const CRect& area) override;
    void updateNow() override;
    bool startTimer(uint32_t milliseconds) override;
    void stopTimer() override;
    bool isTimerRunning() const override { return timerRunning; }
    void setMouseCapture(bool captured) override;
    void takeFocus() override;
    int popupMenu(const PopupMenuRequest& request) override;
    std::unique_ptr<IPlatformTextEdit> createTextEdit(ITextEditOwner& owner, const TextEditRequest& request) override;
    bool copyPixels(PixelImage& out) const override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMouseButton(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleKey(UINT message, WPARAM wParam, LPARAM lParam);
    void paintPending();
    void copyToScreen(HDC dc) const;

    IPlatformFrameCallback& callback;
    GdiplusSession gdiplus;
    HWND window = nullptr;
    CRect size;
    PixelImage backBuffer;
    platform::PendingAreas pending; // asked for and not yet drawn into the back buffer
    CPoint lastMousePoint{-1.0, -1.0};
    CButtonState dragButtons;
    bool capturing = false; // the frame asked for the capture and has not released it
    bool trackingLeave = false;
    bool timerRunning = false;
    bool holdsWindowClass = false;
};

} // namespace qgui::win32
