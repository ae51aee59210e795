#include "Win32KeyCodes.h"

#include <windows.h>

namespace qgui::win32 {
namespace {

struct KeyPair {
    unsigned windowsKey;
    unsigned char vstKey;
};

constexpr KeyPair kSpecialKeys[] = {
    {VK_BACK, VKEY_BACK},         {VK_TAB, VKEY_TAB},           {VK_CLEAR, VKEY_CLEAR},
    {VK_RETURN, VKEY_RETURN},     {VK_PAUSE, VKEY_PAUSE},       {VK_ESCAPE, VKEY_ESCAPE},
    {VK_SPACE, VKEY_SPACE},       {VK_PRIOR, VKEY_PAGEUP},      {VK_NEXT, VKEY_PAGEDOWN},
    {VK_END, VKEY_END},           {VK_HOME, VKEY_HOME},         {VK_LEFT, VKEY_LEFT},
    {VK_UP, VKEY_UP},             {VK_RIGHT, VKEY_RIGHT},       {VK_DOWN, VKEY_DOWN},
    {VK_SELECT, VKEY_SELECT},     {VK_PRINT, VKEY_PRINT},       {VK_SNAPSHOT, VKEY_SNAPSHOT},
    {VK_INSERT, VKEY_INSERT},     {VK_DELETE, VKEY_DELETE},     {VK_HELP, VKEY_HELP},
    {VK_NUMPAD0, VKEY_NUMPAD0},   {VK_NUMPAD1, VKEY_NUMPAD1},   {VK_NUMPAD2, VKEY_NUMPAD2},
    {VK_NUMPAD3, VKEY_NUMPAD3},   {VK_NUMPAD4, VKEY_NUMPAD4},   {VK_NUMPAD5, VKEY_NUMPAD5},
    {VK_NUMPAD6, VKEY_NUMPAD6},   {VK_NUMPAD7, VKEY_NUMPAD7},   {VK_NUMPAD8, VKEY_NUMPAD8},
    {VK_NUMPAD9, VKEY_NUMPAD9},   {VK_MULTIPLY, VKEY_MULTIPLY}, {VK_ADD, VKEY_ADD},
    {VK_SEPARATOR, VKEY_SEPARATOR}, {VK_SUBTRACT, VKEY_SUBTRACT}, {VK_DECIMAL, VKEY_DECIMAL},
    {VK_DIVIDE, VKEY_DIVIDE},     {VK_F1, VKEY_F1},             {VK_F2, VKEY_F2},
    {VK_F3, VKEY_F3},             {VK_F4, VKEY_F4},             {VK_F5, VKEY_F5},
    {VK_F6, VKEY_F6},             {VK_F7, VKEY_F7},             {VK_F8, VKEY_F8},
    {VK_F9, VKEY_F9},             {VK_F10, VKEY_F10},           {VK_F11, VKEY_F11},
    {VK_F12, VKEY_F12},           {VK_NUMLOCK, VKEY_NUMLOCK},   {VK_SCROLL, VKEY_SCROLL},
    {VK_SHIFT, VKEY_SHIFT},       {VK_CONTROL, VKEY_CONTROL},   {VK_MENU, VKEY_ALT},
    {VK_LSHIFT, VKEY_SHIFT},      {VK_RSHIFT, VKEY_SHIFT},      {VK_LCONTROL, VKEY_CONTROL},
    {VK_RCONTROL, VKEY_CONTROL},  {VK_LMENU, VKEY_ALT},         {VK_RMENU, VKEY_ALT},
    {VK_OEM_PLUS, VKEY_EQUALS},
};

} // namespace

bool translateVirtualKey(unsigned virtualKey, bool extended, const KeyModifiers& modifiers, VstKeyCode& out)
{
    VstKeyCode key{0, 0, 0};
    if (modifiers.shift)
        key.modifier |= MODIFIER_SHIFT;
    if (modifiers.alt)
        key.modifier |= MODIFIER_ALTERNATE;
    if (modifiers.control)
        key.modifier |= MODIFIER_COMMAND; // VST's name for the Control key on Windows

    bool found = false;
    for (const KeyPair& pair : kSpecialKeys) {
        if (pair.windowsKey == virtualKey) {
            key.virt = pair.vstKey;
            found = true;
            break;
        }
    }
    if (found && virtualKey == VK_RETURN && extended)
        key.virt = VKEY_ENTER;
    if (!found) {
        if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
            // Letters as lower case, as hosts send them with effEditKeyDown.
            key.character = (virtualKey >= 'A' && virtualKey <= 'Z') ? static_cast<VstInt32>(virtualKey - 'A' + 'a')
                                                                     : static_cast<VstInt32>(virtualKey);
        } else {
            const UINT character = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR) & 0x7fffu; // bit 31: dead key
            if (character < 0x20 || character > 0x7e)
                return false;
            key.character = static_cast<VstInt32>(character);
        }
    }
    out = key;
    return true;
}

KeyModifiers currentKeyModifiers()
{
    KeyModifiers modifiers;
    modifiers.shift = GetKeyState(VK_SHIFT) < 0;
    modifiers.control = GetKeyState(VK_CONTROL) < 0;
    modifiers.alt = GetKeyState(VK_MENU) < 0;
    return modifiers;
}

} // namespace qgui::win32
