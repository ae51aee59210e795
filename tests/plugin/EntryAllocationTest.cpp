// A host answering 0 to audioMasterVersion gets no effect, and nothing is allocated for it.
#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

// The loaded plug-in resolves operator new to this replacement.
void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

TEST(EntryPoint, VersionZeroAllocatesNothing)
{
    std::string error;
    auto library = vsthost::PluginLibrary::open(testsupport::pluginPath(), error);
    ASSERT_TRUE(library) << error;
    VstPluginMainProc entry = library->entry();
    static std::atomic<int> versionCalls{0};
    auto refusingHost = [](AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) -> VstIntPtr {
        if (opcode == audioMasterVersion)
            versionCalls.fetch_add(1);
        return 0;
    };
    long before = allocations.load();
    AEffect* effect = entry(refusingHost);
    long after = allocations.load();
    EXPECT_EQ(effect, nullptr);
    EXPECT_EQ(after, before);
    EXPECT_EQ(versionCalls.load(), 1);

    // The counter does see the plug-in's allocations when it does make an effect.
    auto plugin = testsupport::loadPlugin();
    EXPECT_GT(allocations.load(), after);
}
