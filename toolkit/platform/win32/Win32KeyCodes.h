// Windows virtual keys and modifier states as the toolkit's VstKeyCode.
#pragma once

#include "VstKeys.h"

#include <cstdint>

namespace qgui::win32 {

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The key of a WM_KEYDOWN/WM_KEYUP: virtualKey is its wParam, extended the lParam's bit 24
// (the Enter of the numeric pad). False for keys with no VST equivalent.
bool translateVirtualKey(unsigned virtualKey, bool extended, const KeyModifiers& modifiers, VstKeyCode& out);

// The thread's current modifier keys.
KeyModifiers currentKeyModifiers();

} // namespace qgui::win32
