// Windows standing in for the host's: a top-level window, and inside it the child window that a
// host hands to the plug-in editor; and bounded message pumping.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace qgtest {

class HostWindow {
public:
    // A shown top-level window when parent is null, else a visible child of parent.
    HostWindow(int clientWidth, int clientHeight, HWND parent = nullptr);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window; }
    // Messages the host window received (key and wheel messages its child passed on).
    const std::vector<UINT>& receivedMessages() const { return received; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window = nullptr;
    std::vector<UINT> received;
};

// Dispatches queued messages until done() is true or timeoutMs passed; returns done().
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches what is queued now and what arrives within the next milliseconds.
void pumpFor(DWORD milliseconds);

// A mouse message's position word (coordinates may be negative).
inline LPARAM pointParam(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// Sets or clears a key in the thread's keyboard state, as if it were held.
void setKeyHeld(int virtualKey, bool held);

} // namespace qgtest
