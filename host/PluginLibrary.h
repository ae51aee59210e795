// A VST2 plug-in binary loaded into this process (dlopen / LoadLibrary).
#pragma once

#include "aeffect.h"

#include <memory>
#include <string>

namespace vsthost {

class PluginLibrary {
public:
    // Null with a one-line reason when the file cannot be loaded or has no VST2 entry point.
    static std::unique_ptr<PluginLibrary> open(const std::string& path, std::string& error);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    VstPluginMainProc entry() const { return entryPoint; }
    const std::string& path() const { return filePath; }

private:
    PluginLibrary(void* handle, VstPluginMainProc entry, std::string path);
    void* handle;
    VstPluginMainProc entryPoint;
    std::string filePath;
};

// Platform part: load, look up a symbol, unload, and describe the last failure.
void* loadDynamicLibrary(const std::string& path, std::string& error);
void* findSymbol(void* handle, const char* name);
void unloadDynamicLibrary(void* handle);

} // namespace vsthost
