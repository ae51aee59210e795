// The native popup menu of a frame window.
#pragma once

#include "platform/IPlatformFrame.h"

#include <windows.h>

namespace qgui::win32 {

// Shows the menu at the request's position (client coordinates of owner) and waits for the
// choice: the entry index, or -1 when the menu was dismissed or could not be shown.
int showPopupMenu(HWND owner, const PopupMenuRequest& request);

} // namespace qgui::win32
