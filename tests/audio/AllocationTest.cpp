// Processing allocates nothing once the host and plug-in are running (the .so resolves operator new here).
#include "AudioRig.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

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

using namespace audiotest;

TEST(Allocation, ProcessingAllocatesNothingAfterWarmUp)
{
    for (Layout layout : {Layout::Stereo, Layout::MonoToStereo, Layout::MonoToMono}) {
        for (float process : {0.0f, 0.5f, 1.0f}) {
            Rig rig(layout, 48000.0, Settings{process, 1.0f, 0.0f, 1.0f, 1.0f});
            ASSERT_TRUE(rig.loaded());
            std::vector<double> left, right;
            testSignal(left, right, 4096, 48000.0, 1.0);
            std::vector<float> lf = converted<float>(left), rf = converted<float>(right);
            double* io[2] = {left.data(), right.data()};
            float* ioF[2] = {lf.data(), rf.data()};
            // Warm-up lets the test host's call record reach its size; clearing keeps that capacity.
            rig.plugin->process(io, io, 1024);
            rig.plugin->process(ioF, ioF, 1024);
            rig.plugin->host().clearCalls();
            const long before = allocations.load();
            rig.plugin->process(io, io, 1024);
            rig.plugin->process(ioF, ioF, 1024);
            rig.plugin->process(io, io, 0);
            EXPECT_EQ(allocations.load(), before) << layoutName(layout) << " process " << process;
        }
    }
}
