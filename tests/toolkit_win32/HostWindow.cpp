#include "HostWindow.h"

#include <algorithm>

namespace qgtest {
namespace {
const wchar_t kHostClassName[] = L"QGToolkitTestHost";
} // namespace

HostWindow::HostWindow(int clientWidth, int clientHeight, HWND parent)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &HostWindow::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHostClassName;
    RegisterClassExW(&windowClass); // fails harmlessly when a previous test registered it

    if (parent) {
        window = CreateWindowExW(0, kHostClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, clientWidth,
                                 clientHeight, parent, nullptr, GetModuleHandleW(nullptr), this);
        return;
    }
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window = CreateWindowExW(0, kHostClassName, L"host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                             frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), this);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    pumpFor(20);
}

// Under Wine without a window manager, hiding a top-level window waits two seconds for the
// unmapping: tests share one top-level window and make their own child windows in it.
HostWindow::~HostWindow()
{
    if (IsWindow(window))
        DestroyWindow(window);
    pumpFor(0);
}

LRESULT CALLBACK HostWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host && (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_MOUSEWHEEL))
        host->received.push_back(message);
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                  QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

void pumpFor(DWORD milliseconds)
{
    pumpUntil([] { return false; }, milliseconds);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void setKeyHeld(int virtualKey, bool held)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[virtualKey] = held ? 0x80 : 0x00;
    SetKeyboardState(keys);
}

} // namespace qgtest
