// The Linux binary answers to both entry-point names that hosts look up, and exports nothing else.
#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

TEST(LinuxExports, MainIsTheSameEntryPoint)
{
    void* handle = dlopen(testsupport::pluginPath().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    void* entry = dlsym(handle, "VSTPluginMain");
    EXPECT_NE(entry, nullptr);
    EXPECT_EQ(dlsym(handle, "main"), entry);
    EXPECT_EQ(dlsym(handle, "_ZN6Plugin12setParameterEif"), nullptr) << "internal symbols stay hidden";
    dlclose(handle);
}
