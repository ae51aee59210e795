// A host answering 0 to audioMasterVersion gets no effect, and nothing is allocated for it.
#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
// When non-negative: the allocation with this number (counted from 0) fails.
std::atomic<long> failingAllocation{-1};

VstIntPtr VSTCALLBACK quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}
} // namespace

// The loaded plug-in resolves operator new to this replacement.
void* operator new(std::size_t size)
{
    long number = allocations.fetch_add(1, std::memory_order_relaxed);
    long failing = failingAllocation.load(std::memory_order_relaxed);
    if (failing >= 0 && number >= failing)
        throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

// Not inlined: the compiler would otherwise pair its own new with this free and warn.
__attribute__((noinline)) void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
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

// Whichever allocation of the construction fails, the host gets null and nothing leaks
// (the sanitizer build checks the leaks at exit).
TEST(EntryPoint, OutOfMemoryDuringConstructionYieldsNull)
{
    std::string error;
    auto library = vsthost::PluginLibrary::open(testsupport::pluginPath(), error);
    ASSERT_TRUE(library) << error;
    VstPluginMainProc entry = library->entry();
    for (long k = 0;; ++k) {
        ASSERT_LT(k, 100000) << "construction never completed";
        failingAllocation = allocations.load() + k;
        AEffect* effect = entry(quietHost);
        failingAllocation = -1;
        if (effect) {
            EXPECT_GT(k, 0);
            EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
            break;
        }
    }
}
