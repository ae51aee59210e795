#include "Win32TextEdit.h"

#include "CDrawContext.h"
#include "platform/win32/WideText.h"

#include <cmath>

namespace qgui::win32 {
namespace {
const wchar_t kFieldProperty[] = L"QGToolkitTextEdit";

COLORREF toColorRef(const CColor& color)
{
    return RGB(color.red, color.green, color.blue);
}
} // namespace

Win32TextEdit::Win32TextEdit(ITextEditOwner& owner, const TextEditRequest& request)
    : owner(owner),
      textColor(toColorRef(request.fontColor)),
      backColor(toColorRef(request.backColor)),
      maxBytes(request.maxLength > 0 ? static_cast<size_t>(request.maxLength) : 0)
{
}

std::unique_ptr<Win32TextEdit> Win32TextEdit::open(HWND parent, ITextEditOwner& owner, const TextEditRequest& request)
{
    if (!parent || request.rect.isEmpty())
        return nullptr;
    std::unique_ptr<Win32TextEdit> edit(new Win32TextEdit(owner, request));
    DWORD style = WS_CHILD | ES_AUTOHSCROLL;
    if (request.horizontalAlign == kCenterText)
        style |= ES_CENTER;
    else if (request.horizontalAlign == kRightText)
        style |= ES_RIGHT;
    const CRect& r = request.rect;
    const int left = static_cast<int>(std::floor(r.left));
    const int top = static_cast<int>(std::floor(r.top));
    edit->field = CreateWindowExW(0, L"EDIT", toWide(request.text).c_str(), style, left, top,
                                  static_cast<int>(std::ceil(r.right)) - left,
                                  static_cast<int>(std::ceil(r.bottom)) - top, parent, nullptr,
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!edit->field)
        return nullptr;
    edit->backBrush = CreateSolidBrush(edit->backColor);
    const CFontDesc& fontDesc = request.font;
    edit->font = CreateFontW(-static_cast<int>(std::lround(fontDesc.size)), 0, 0, 0,
                             (fontDesc.style & kBoldFace) ? FW_BOLD : FW_NORMAL,
                             (fontDesc.style & kItalicFace) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                             toWide(fontDesc.name).c_str());
    if (edit->font)
        SendMessageW(edit->field, WM_SETFONT, reinterpret_cast<WPARAM>(edit->font), FALSE);
    // The limit counts UTF-16 units, never fewer than the UTF-8 bytes; getText cuts to bytes.
    if (edit->maxBytes > 0)
        SendMessageW(edit->field, EM_SETLIMITTEXT, edit->maxBytes, 0);
    SetPropW(edit->field, kFieldProperty, edit.get());
    edit->originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit->field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32TextEdit::fieldProc)));
    ShowWindow(edit->field, SW_SHOW);
    SetFocus(edit->field);
    SendMessageW(edit->field, EM_SETSEL, 0, -1);
    return edit;
}

Win32TextEdit::~Win32TextEdit()
{
    releaseWindow();
    if (font)
        DeleteObject(font);
    if (backBrush)
        DeleteObject(backBrush);
}

std::string Win32TextEdit::getText() const
{
    if (!field)
        return {};
    const int length = GetWindowTextLengthW(field);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, wide.data(), length + 1);
    wide.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    std::string text = toUtf8(wide);
    return maxBytes > 0 ? truncateUtf8(text, maxBytes) : text;
}

HBRUSH Win32TextEdit::applyColors(HDC dc) const
{
    SetTextColor(dc, textColor);
    SetBkColor(dc, backColor);
    return backBrush;
}

Win32TextEdit* Win32TextEdit::fromWindow(HWND window)
{
    return window ? static_cast<Win32TextEdit*>(GetPropW(window, kFieldProperty)) : nullptr;
}

void Win32TextEdit::detach()
{
    ended = true;
    releaseWindow();
}

void Win32TextEdit::releaseWindow()
{
    if (!field)
        return;
    // Unhooked first, so that losing the focus while it goes reports nothing.
    SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
    RemovePropW(field, kFieldProperty);
    DestroyWindow(field);
    field = nullptr;
}

void Win32TextEdit::finish(bool commit, bool losingFocus)
{
    if (ended)
        return;
    ended = true;
    const std::string text = getText();
    // The frame takes the keyboard back from the field it hides; a field that is losing the
    // focus already is not to move it again (Windows forbids that inside WM_KILLFOCUS).
    if (!losingFocus && GetFocus() == field)
        SetFocus(GetParent(field));
    ShowWindow(field, SW_HIDE);
    owner.platformTextEditEnded(text, commit);
}

LRESULT CALLBACK Win32TextEdit::fieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Win32TextEdit* edit = fromWindow(window);
    if (!edit)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE:
        // Hosts that run dialog navigation would otherwise keep Return, Escape and Tab.
        return CallWindowProcW(edit->originalProc, window, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            edit->finish(true, false);
            return 0;
        }
        if (wParam == VK_ESCAPE) {
            edit->finish(false, false);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r' || wParam == 0x1b || wParam == L'\t')
            return 0; // handled on key down; a single-line field would only beep
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = CallWindowProcW(edit->originalProc, window, message, wParam, lParam);
        edit->finish(true, true);
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(edit->originalProc, window, message, wParam, lParam);
}

} // namespace qgui::win32
