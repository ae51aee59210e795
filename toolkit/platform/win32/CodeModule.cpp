#include "CodeModule.h"

#include "ModuleHandle.h"

namespace qgui::win32 {

HINSTANCE codeModule()
{
    if (moduleHandle)
        return static_cast<HINSTANCE>(moduleHandle);
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&codeModule), &module);
    return module;
}

} // namespace qgui::win32
