// A loaded plug-in with a chosen channel layout, and a reference model with the same settings.
#pragma once

#include "PluginUnderTest.h"
#include "ReferenceCompressor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace audiotest {

enum class Layout { Stereo, MonoToStereo, MonoToMono, StereoSecondInputUnplugged };

inline const char* layoutName(Layout layout)
{
    switch (layout) {
    case Layout::Stereo: return "2in2out";
    case Layout::MonoToStereo: return "1in2out";
    case Layout::MonoToMono: return "1in1out";
    default: return "2in2out, input 2 unplugged";
    }
}

struct Settings {
    float process = 0.5f, ratio = 0.5f, time = 0.5f, compression = 0.5f, output = 0.0f;
};

class Rig {
public:
    Rig(Layout layout, double rate, Settings settings = {}) : layout(layout), model(rate)
    {
        vsthost::HostSettings host;
        host.pinAnswer = [layout](VstInt32 index, VstIntPtr isOutput) -> VstIntPtr {
            if (index != 1)
                return 0;
            if (!isOutput)
                return layout == Layout::Stereo ? 0 : 1;
            return layout == Layout::MonoToMono ? 1 : 0;
        };
        plugin = testsupport::loadPlugin(host);
        if (!plugin)
            return;
        VstSpeakerArrangement in{}, out{};
        in.numChannels = layout == Layout::Stereo || layout == Layout::StereoSecondInputUnplugged ? 2 : 1;
        out.numChannels = layout == Layout::MonoToMono ? 1 : 2;
        plugin->dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&in), &out);
        apply(settings);
        plugin->start(static_cast<float>(rate), 512);
        model.start();
    }

    bool loaded() const { return plugin != nullptr; }
    bool monoKernel() const { return layout != Layout::Stereo; }

    void set(int index, float value)
    {
        plugin->setParameter(index, value);
        model.setParameter(index, value);
    }

    void apply(const Settings& s)
    {
        set(0, s.process);
        set(2, s.ratio);
        set(4, s.time);
        set(5, s.compression);
        set(6, s.output);
    }

    // Processes in place through the plug-in and, into the expected buffers, through the model.
    template <typename Sample>
    void run(std::vector<Sample>& left, std::vector<Sample>& right, std::vector<Sample>& expectLeft,
             std::vector<Sample>& expectRight, int offset, int frames)
    {
        Sample* inputs[2] = {left.data() + offset, right.data() + offset};
        Sample* outputs[2] = {left.data() + offset, right.data() + offset};
        if (monoKernel())
            model.mono(expectLeft.data() + offset, expectLeft.data() + offset, expectRight.data() + offset, frames);
        else
            model.stereo(expectLeft.data() + offset, expectRight.data() + offset, expectLeft.data() + offset,
                         expectRight.data() + offset, frames);
        plugin->process(inputs, outputs, frames);
    }

    Layout layout;
    std::unique_ptr<vsthost::HostedPlugin> plugin;
    reference::Compressor model;
};

// A deterministic test programme: decaying low "kicks", noisy "hats" and a bass line, different per channel.
inline void testSignal(std::vector<double>& left, std::vector<double>& right, int frames, double rate, double gain)
{
    left.resize(frames);
    right.resize(frames);
    std::uint32_t seed = 12345;
    for (int i = 0; i < frames; ++i) {
        const double t = i / rate;
        const double beat = std::fmod(t, 0.25);
        seed = seed * 1664525u + 1013904223u;
        const double white = (seed >> 8) / 8388608.0 - 1.0;
        const double kick = std::sin(6.283185307179586 * (50.0 + 120.0 * std::exp(-beat * 30.0)) * beat) *
                            std::exp(-beat * 12.0);
        const double hat = white * std::exp(-std::fmod(t + 0.125, 0.25) * 60.0) * 0.3;
        const double bass = 0.3 * std::sin(6.283185307179586 * 55.0 * t);
        left[i] = gain * (kick + hat + bass);
        right[i] = gain * (0.8 * kick - hat + 0.5 * bass);
    }
}

template <typename Sample>
std::vector<Sample> converted(const std::vector<double>& in)
{
    return std::vector<Sample>(in.begin(), in.end());
}

// Index of the first sample whose bits differ, or -1.
template <typename Sample>
long firstDifference(const std::vector<Sample>& a, const std::vector<Sample>& b)
{
    if (a.size() != b.size())
        return 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(Sample)) != 0)
            return static_cast<long>(i);
    return -1;
}

} // namespace audiotest
