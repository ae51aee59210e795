#include "Win32Frame.h"

#include "CDrawContext.h"
#include "platform/Platform.h"
#include "platform/win32/CodeModule.h"
#include "platform/win32/Win32KeyCodes.h"
#include "platform/win32/Win32PopupMenu.h"
#include "platform/win32/Win32TextEdit.h"

#include <windowsx.h>

#include <cmath>
#include <mutex>
#include <vector>

namespace qgui::win32 {
namespace {

const wchar_t kWindowClassName[] = L"QGToolkitFrame";
// The timer identifier on the frame's window; the frame runs one timer at a time.
constexpr UINT_PTR kFrameTimerId = 0;
constexpr float kWheelNotch = WHEEL_DELTA;

// The window class lives while frames exist, so that nothing of ours is left registered
// (with a procedure address in it) once the last frame has gone and the DLL may be unloaded.
std::mutex classMutex;
int classUsers = 0;

bool acquireWindowClass(WNDPROC procedure)
{
    std::lock_guard<std::mutex> lock(classMutex);
    if (classUsers == 0) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.cbWndExtra = sizeof(LONG_PTR); // the Win32Frame; GWLP_USERDATA holds the callback
        windowClass.hInstance = codeModule();
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = kWindowClassName;
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
    }
    ++classUsers;
    return true;
}

void releaseWindowClass()
{
    std::lock_guard<std::mutex> lock(classMutex);
    if (--classUsers == 0)
        UnregisterClassW(kWindowClassName, codeModule());
}

int toPixels(double value)
{
    return static_cast<int>(std::lround(value));
}

// Mouse buttons and modifiers from a mouse message's key-state word; Alt is not in it.
int32_t buttonsFromKeyState(WPARAM keyState)
{
    int32_t state = 0;
    if (keyState & MK_LBUTTON)
        state |= kLButton;
    if (keyState & MK_MBUTTON)
        state |= kMButton;
    if (keyState & MK_RBUTTON)
        state |= kRButton;
    if (keyState & MK_XBUTTON1)
        state |= kButton4;
    if (keyState & MK_XBUTTON2)
        state |= kButton5;
    if (keyState & MK_SHIFT)
        state |= kShift;
    if (keyState & MK_CONTROL)
        state |= kControl;
    if (GetKeyState(VK_MENU) < 0)
        state |= kAlt;
    return state;
}

// The button a button message is about (the key-state word no longer holds a released one).
int32_t buttonOfMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return kLButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return kMButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return kRButton;
    default:
        return GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? kButton4 : kButton5;
    }
}

CPoint pointFromLParam(LPARAM lParam)
{
    // Signed: a captured drag reports positions left of and above the window.
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

BOOL CALLBACK detachTextEdit(HWND child, LPARAM)
{
    if (Win32TextEdit* edit = Win32TextEdit::fromWindow(child))
        edit->detach();
    return TRUE;
}

} // namespace

Win32Frame::Win32Frame(IPlatformFrameCallback& callback, const CRect& size)
    : callback(callback), size(size), backBuffer(toPixels(size.getWidth()), toPixels(size.getHeight()))
{
}

std::unique_ptr<Win32Frame> Win32Frame::create(IPlatformFrameCallback& callback, const CRect& size, HWND parent)
{
    const int width = toPixels(size.getWidth());
    const int height = toPixels(size.getHeight());
    if ((parent && !IsWindow(parent)) || width < 1 || height < 1)
        return nullptr;
    // Without a host window (a test, a program drawing pictures) the frame gets a hidden window
    // of its own and draws only into its back buffer.
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS : WS_POPUP | WS_CLIPCHILDREN;
    auto frame = std::make_unique<Win32Frame>(callback, size);
    if (!frame->gdiplus.isRunning() || !acquireWindowClass(&Win32Frame::windowProc))
        return nullptr;
    frame->holdsWindowClass = true;
    // WM_NCCREATE stores the frame in the window (see windowProc), so the messages sent while
    // the window is made already reach it.
    CreateWindowExW(0, kWindowClassName, L"", style, 0, 0, width, height, parent, nullptr, codeModule(),
                    frame.get());
    if (!frame->window)
        return nullptr;
    // Like a window that has just been shown: everything needs drawing.
    frame->invalidRect(CRect(0, 0, width, height));
    return frame;
}

Win32Frame::~Win32Frame()
{
    if (window) {
        stopTimer();
        capturing = false; // no synthetic release into a frame that is closing
        if (GetCapture() == window)
            ReleaseCapture();
        EnumChildWindows(window, &detachTextEdit, 0);
        SetWindowLongPtrW(window, 0, 0);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    if (holdsWindowClass)
        releaseWindowClass();
}

bool Win32Frame::setSize(const CRect& newSize)
{
    const int width = toPixels(newSize.getWidth());
    const int height = toPixels(newSize.getHeight());
    if (!window || width < 1 || height < 1)
        return false;
    if (!SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
        return false;
    size = newSize;
    backBuffer = PixelImage(width, height);
    pending.clear();
    invalidRect(CRect(0, 0, width, height));
    return true;
}

void Win32Frame::invalidRect(const CRect& area)
{
    // Whole pixels: a partly covered pixel is drawn again completely.
    CRect pixels(std::floor(area.left), std::floor(area.top), std::ceil(area.right), std::ceil(area.bottom));
    pixels.bound(CRect(0, 0, backBuffer.width, backBuffer.height));
    if (!window || pixels.isEmpty())
        return;
    pending.add(pixels);
    const RECT rect{static_cast<LONG>(pixels.left), static_cast<LONG>(pixels.top), static_cast<LONG>(pixels.right),
                    static_cast<LONG>(pixels.bottom)};
    InvalidateRect(window, &rect, FALSE);
}

void Win32Frame::updateNow()
{
    // The back buffer is brought up to date even while the window is hidden; the screen
    // follows at once when it is visible.
    if (!window)
        return;
    paintPending();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
}

void Win32Frame::paintPending()
{
    if (pending.empty())
        return;
    const std::vector<CRect> areas = pending.take();
    auto context = platform::createDrawContext(backBuffer);
    if (!context)
        return;
    for (const CRect& area : areas)
        callback.platformDrawRect(*context, area);
    context->flush();
}

void Win32Frame::copyToScreen(HDC dc) const
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = backBuffer.width;
    info.bmiHeader.biHeight = -backBuffer.height; // top row first, as the back buffer holds it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // The device context is clipped to the area that needs it.
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(backBuffer.width), static_cast<DWORD>(backBuffer.height), 0, 0, 0,
                      static_cast<UINT>(backBuffer.height), backBuffer.pixels.data(), &info, DIB_RGB_COLORS);
}

bool Win32Frame::startTimer(uint32_t milliseconds)
{
    if (!window || milliseconds == 0)
        return false;
    timerRunning = SetTimer(window, kFrameTimerId, milliseconds, nullptr) != 0;
    return timerRunning;
}

void Win32Frame::stopTimer()
{
    if (timerRunning)
        KillTimer(window, kFrameTimerId);
    timerRunning = false;
}

void Win32Frame::setMouseCapture(bool captured)
{
    if (captured) {
        if (!window)
            return;
        SetCapture(window);
        capturing = GetCapture() == window;
        return;
    }
    if (!capturing)
        return;
    capturing = false; // before ReleaseCapture, whose WM_CAPTURECHANGED must not end the drag again
    if (GetCapture() == window)
        ReleaseCapture();
}

void Win32Frame::takeFocus()
{
    if (window)
        SetFocus(window);
}

int Win32Frame::popupMenu(const PopupMenuRequest& request)
{
    return showPopupMenu(window, request);
}

std::unique_ptr<IPlatformTextEdit> Win32Frame::createTextEdit(ITextEditOwner& owner, const TextEditRequest& request)
{
    return Win32TextEdit::open(window, owner, request);
}

bool Win32Frame::copyPixels(PixelImage& out) const
{
    if (backBuffer.isEmpty())
        return false;
    out = backBuffer;
    return true;
}

LRESULT CALLBACK Win32Frame::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* frame = static_cast<Win32Frame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        frame->window = window;
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(frame));
        // Where code that has only the window finds the frame (static_cast to CFrame*).
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&frame->callback));
    }
    auto* frame = reinterpret_cast<Win32Frame*>(GetWindowLongPtrW(window, 0));
    if (!frame)
        return DefWindowProcW(window, message, wParam, lParam);
    return frame->handleMessage(message, wParam, lParam);
}

// Every callback below may close the frame and so delete this object: nothing of it is touched
// after a callback returns.
LRESULT Win32Frame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the back buffer covers everything; erasing would only flicker
    case WM_PAINT: {
        paintPending();
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(window, &paint)) {
            copyToScreen(dc);
            EndPaint(window, &paint);
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
    case WM_XBUTTONUP:
        return handleMouseButton(message, wParam, lParam);
    case WM_MOUSEMOVE: {
        if (!trackingLeave) {
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
            trackingLeave = TrackMouseEvent(&track) != FALSE;
        }
        lastMousePoint = pointFromLParam(lParam);
        callback.platformOnMouseMoved(lastMousePoint, buttonsFromKeyState(wParam));
        return 0;
    }
    case WM_MOUSELEAVE: {
        trackingLeave = false;
        int32_t keyState = 0;
        if (GetKeyState(VK_LBUTTON) < 0)
            keyState |= MK_LBUTTON;
        if (GetKeyState(VK_SHIFT) < 0)
            keyState |= MK_SHIFT;
        if (GetKeyState(VK_CONTROL) < 0)
            keyState |= MK_CONTROL;
        callback.platformOnMouseExited(lastMousePoint, buttonsFromKeyState(static_cast<WPARAM>(keyState)));
        return 0;
    }
    case WM_MOUSEWHEEL: {
        POINT where{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; // screen coordinates
        ScreenToClient(window, &where);
        const float notches = GET_WHEEL_DELTA_WPARAM(wParam) / kWheelNotch;
        const HWND self = window;
        if (callback.platformOnMouseWheel(CPoint(where.x, where.y), notches,
                                          buttonsFromKeyState(GET_KEYSTATE_WPARAM(wParam))))
            return 0;
        return DefWindowProcW(self, message, wParam, lParam); // passes it on to the parent
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return handleKey(message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS; // arrows and Return reach the knobs even inside a dialog
    case WM_TIMER:
        if (wParam == kFrameTimerId && timerRunning) {
            callback.platformOnTimer();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse during a drag (a host dialog, a menu): end the drag here
        // so the control finishes its gesture instead of waiting for a release it never gets.
        if (capturing && reinterpret_cast<HWND>(lParam) != window) {
            capturing = false;
            callback.platformOnMouseUp(lastMousePoint, dragButtons);
            return 0;
        }
        break;
    case WM_NCDESTROY: {
        // The host destroyed its window (and so ours) before closing the editor: the frame
        // lives on without a window until it is closed.
        const HWND self = window;
        SetWindowLongPtrW(self, 0, 0);
        SetWindowLongPtrW(self, GWLP_USERDATA, 0);
        window = nullptr;
        timerRunning = false;
        capturing = false;
        trackingLeave = false;
        return DefWindowProcW(self, message, wParam, lParam);
    }
    case WM_CTLCOLOREDIT:
        if (Win32TextEdit* edit = Win32TextEdit::fromWindow(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(edit->applyColors(reinterpret_cast<HDC>(wParam)));
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Frame::handleMouseButton(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CPoint where = pointFromLParam(lParam);
    lastMousePoint = where;
    const int32_t button = buttonOfMessage(message, wParam);
    const bool isXButton = message == WM_XBUTTONDOWN || message == WM_XBUTTONUP || message == WM_XBUTTONDBLCLK;
    const LRESULT handled = isXButton ? TRUE : 0;
    int32_t state = buttonsFromKeyState(GET_KEYSTATE_WPARAM(wParam)) | button;
    switch (message) {
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_RBUTTONUP:
    case WM_XBUTTONUP:
        callback.platformOnMouseUp(where, state);
        return handled;
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
        state |= kDoubleClick;
        break;
    default:
        break;
    }
    dragButtons = state & ~kDoubleClick;
    callback.platformOnMouseDown(where, state);
    return handled;
}

LRESULT Win32Frame::handleKey(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A key the frame does not use goes to the parent (the host), system keys to Windows.
    static thread_local bool forwarding = false;
    const HWND self = window;
    const HWND parent = GetParent(window);
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const bool extended = (lParam & (1 << 24)) != 0;
    VstKeyCode key{};
    if (!forwarding && translateVirtualKey(static_cast<unsigned>(wParam), extended, currentKeyModifiers(), key)) {
        if (down ? callback.platformOnKeyDown(key) : callback.platformOnKeyUp(key))
            return 0;
    }
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || forwarding || !parent)
        return DefWindowProcW(self, message, wParam, lParam);
    forwarding = true;
    const LRESULT result = SendMessageW(parent, message, wParam, lParam);
    forwarding = false;
    return result;
}

} // namespace qgui::win32

namespace qgui {

std::unique_ptr<IPlatformFrame> platform::createPlatformFrame(IPlatformFrameCallback& frame, const CRect& size,
                                                              void* parent)
{
    return win32::Win32Frame::create(frame, size, static_cast<HWND>(parent));
}

} // namespace qgui
