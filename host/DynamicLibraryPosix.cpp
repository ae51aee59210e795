#include "PluginLibrary.h"

#include <dlfcn.h>

namespace vsthost {

void* loadDynamicLibrary(const std::string& path, std::string& error)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = "cannot load " + path + ": " + (reason ? reason : "unknown error");
    }
    return handle;
}

void* findSymbol(void* handle, const char* name)
{
    return dlsym(handle, name);
}

void unloadDynamicLibrary(void* handle)
{
    if (handle)
        dlclose(handle);
}

} // namespace vsthost
