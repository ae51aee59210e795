#include "PluginLibrary.h"

namespace vsthost {

PluginLibrary::PluginLibrary(void* handle, VstPluginMainProc entry, std::string path)
    : handle(handle), entryPoint(entry), filePath(std::move(path))
{
}

PluginLibrary::~PluginLibrary()
{
    unloadDynamicLibrary(handle);
}

std::unique_ptr<PluginLibrary> PluginLibrary::open(const std::string& path, std::string& error)
{
    void* handle = loadDynamicLibrary(path, error);
    if (!handle)
        return nullptr;
    void* symbol = findSymbol(handle, "VSTPluginMain");
    if (!symbol)
        symbol = findSymbol(handle, "main");  // older Linux plug-ins export only this name
    if (!symbol) {
        error = "no VST2 entry point (VSTPluginMain or main) in " + path;
        unloadDynamicLibrary(handle);
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(
        new PluginLibrary(handle, reinterpret_cast<VstPluginMainProc>(symbol), path));
}

} // namespace vsthost
