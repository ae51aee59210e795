// Whether the drawing back-end under test blends the edges of anti-aliased lines. Cairo and
// Windows' GDI+ do; Wine's built-in GDI+ draws every line hard-edged.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

namespace qgtest {

inline bool backEndBlendsLineEdges()
{
#ifdef _WIN32
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return !(ntdll && GetProcAddress(ntdll, "wine_get_version"));
#else
    return true;
#endif
}

} // namespace qgtest
