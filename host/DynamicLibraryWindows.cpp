#include "PluginLibrary.h"

#include <windows.h>

namespace vsthost {

void* loadDynamicLibrary(const std::string& path, std::string& error)
{
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module)
        error = "cannot load " + path + ": error " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(module);
}

void* findSymbol(void* handle, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void unloadDynamicLibrary(void* handle)
{
    if (handle)
        FreeLibrary(static_cast<HMODULE>(handle));
}

} // namespace vsthost
