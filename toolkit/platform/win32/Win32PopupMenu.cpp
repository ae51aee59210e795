#include "Win32PopupMenu.h"

#include "platform/win32/WideText.h"

#include <cmath>

namespace qgui::win32 {

int showPopupMenu(HWND owner, const PopupMenuRequest& request)
{
    if (!owner || request.entries.empty())
        return -1;
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return -1;
    const int count = static_cast<int>(request.entries.size());
    for (int index = 0; index < count; ++index) {
        const PopupMenuEntry& entry = request.entries[static_cast<size_t>(index)];
        UINT flags = 0;
        if (request.entriesPerColumn > 0 && index > 0 && index % request.entriesPerColumn == 0)
            flags |= MF_MENUBARBREAK;
        if (entry.separator || entry.title == "-") {
            AppendMenuW(menu, flags | MF_SEPARATOR, 0, nullptr);
            continue;
        }
        flags |= MF_STRING;
        // The caller decides which entries carry a tick (a menu's check style).
        if (entry.checked)
            flags |= MF_CHECKED;
        if (!entry.enabled)
            flags |= MF_GRAYED;
        // Command ids start at 1: TrackPopupMenu answers 0 for a dismissed menu.
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(index) + 1, toWide(entry.title).c_str());
    }
    POINT where{static_cast<LONG>(std::lround(request.where.x)), static_cast<LONG>(std::lround(request.where.y))};
    ClientToScreen(owner, &where);
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, where.x, where.y, 0,
        owner, nullptr));
    DestroyMenu(menu);
    if (command == 0 || command > static_cast<UINT>(count))
        return -1;
    return static_cast<int>(command) - 1;
}

} // namespace qgui::win32
