#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace testsupport {

std::string pluginPath()
{
#ifdef _WIN32
    // Test programs and the DLL share one output folder; Wine maps it to a Windows path.
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    return folder + QG_PLUGIN_FILE_NAME;
#else
    return QG_PLUGIN_PATH;
#endif
}

std::unique_ptr<vsthost::HostedPlugin> loadPlugin(vsthost::HostSettings settings)
{
    std::string error;
    auto plugin = vsthost::HostedPlugin::load(pluginPath(), error, std::move(settings));
    EXPECT_TRUE(plugin) << error;
    return plugin;
}

} // namespace testsupport
