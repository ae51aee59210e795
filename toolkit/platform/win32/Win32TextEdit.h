// A native single-line EDIT control laid over a frame window for editing a text in place.
#pragma once

#include "platform/IPlatformFrame.h"

#include <windows.h>

#include <memory>

namespace qgui::win32 {

class Win32TextEdit final : public IPlatformTextEdit {
public:
    // Opens the field with the keyboard focus and the whole text selected; null on failure.
    static std::unique_ptr<Win32TextEdit> open(HWND parent, ITextEditOwner& owner, const TextEditRequest& request);
    ~Win32TextEdit() override;

    std::string getText() const override;
    HWND getWindow() const { return field; }

    // The field's colours, answered by the parent window to WM_CTLCOLOREDIT.
    HBRUSH applyColors(HDC dc) const;
    // The field behind a window handle, or null when the window is no field of ours.
    static Win32TextEdit* fromWindow(HWND window);
    // The parent window is going away: the field closes without reporting to its owner.
    void detach();

private:
    Win32TextEdit(ITextEditOwner& owner, const TextEditRequest& request);
    static LRESULT CALLBACK fieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void finish(bool commit, bool losingFocus);
    void releaseWindow();

    ITextEditOwner& owner;
    HWND field = nullptr;
    WNDPROC originalProc = nullptr;
    HFONT font = nullptr;
    HBRUSH backBrush = nullptr;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
    size_t maxBytes = 255;
    bool ended = false;
};

} // namespace qgui::win32
