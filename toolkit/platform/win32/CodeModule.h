// The module (plug-in DLL or program) whose code this is: owner of our window class and
// resources.
#pragma once

#include <windows.h>

namespace qgui::win32 {

// The handle the DLL entry point stored (moduleHandle); when none was stored, as in a test
// program, the module that contains this function.
HINSTANCE codeModule();

} // namespace qgui::win32
