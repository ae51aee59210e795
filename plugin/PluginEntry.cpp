// The plug-in's only exported entry points.
#include "Plugin.h"
#include "PluginEntry.h"

#include "ModuleHandle.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

AudioEffect* createEffectInstance(audioMasterCallback audioMaster)
{
    if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    try {
        return new Plugin(audioMaster);
    } catch (...) {
        // Members already built are released by unwinding; nothing reaches the host.
        return nullptr;
    }
}

extern "C" {

#ifdef _WIN32
#define QG_EXPORT
#else
#define QG_EXPORT __attribute__((visibility("default")))
#endif

QG_EXPORT AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster)
{
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    AudioEffect* effect = createEffectInstance(audioMaster);
    return effect ? effect->getAeffect() : nullptr;
}

#ifndef _WIN32
// Older Linux hosts look the entry point up under this name.
QG_EXPORT AEffect* legacyMainEntry(audioMasterCallback audioMaster) __asm__("main")
    __attribute__((alias("VSTPluginMain")));
#endif

#ifdef _WIN32
BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/)
{
    moduleHandle = instance;
    return TRUE;
}
#endif

} // extern "C"
