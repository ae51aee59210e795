// The processing driver as a host sees it: Off, channel choice, pin queries, empty blocks, bad samples, rates.
#include "AudioRig.h"

#include <limits>

using namespace audiotest;

namespace {

template <typename Sample>
std::vector<Sample> awkwardSamples(int frames, int seed)
{
    std::vector<Sample> v(frames);
    for (int i = 0; i < frames; ++i)
        v[i] = static_cast<Sample>(std::sin(0.01 * (i + seed)) * (1 + seed));
    const Sample special[] = {std::numeric_limits<Sample>::quiet_NaN(), std::numeric_limits<Sample>::infinity(),
                              -std::numeric_limits<Sample>::infinity(), std::numeric_limits<Sample>::denorm_min(),
                              -Sample(0), std::numeric_limits<Sample>::max()};
    for (int k = 0; k < 6; ++k)
        v[(seed * 7 + k * 13) % frames] = special[k];
    return v;
}

template <typename Sample>
void expectOffIsBitExact(Layout layout, bool inPlace)
{
    Rig rig(layout, 44100.0, Settings{0.0f});
    ASSERT_TRUE(rig.loaded());
    const int frames = 777;
    std::vector<Sample> l = awkwardSamples<Sample>(frames, 1), r = awkwardSamples<Sample>(frames, 2);
    const std::vector<Sample> inL = l, inR = r;
    std::vector<Sample> outL(frames, Sample(9)), outR(frames, Sample(9));
    Sample* inputs[2] = {l.data(), r.data()};
    Sample* outputs[2] = {inPlace ? l.data() : outL.data(), inPlace ? r.data() : outR.data()};
    rig.plugin->process(inputs, outputs, frames);
    const std::vector<Sample>& gotL = inPlace ? l : outL;
    const std::vector<Sample>& gotR = inPlace ? r : outR;
    const std::string what = std::string(layoutName(layout)) + (sizeof(Sample) == 8 ? " double" : " float");
    switch (layout) {
    case Layout::Stereo:
        EXPECT_EQ(firstDifference(gotL, inL), -1) << what;
        EXPECT_EQ(firstDifference(gotR, inR), -1) << what;
        break;
    case Layout::MonoToMono:
        // Both outputs are the one buffer; the right write (the left input, re-read) lands last.
        EXPECT_EQ(firstDifference(gotL, inL), -1) << what;
        if (!inPlace) {
            EXPECT_EQ(gotR, std::vector<Sample>(frames, Sample(9))) << what;
        }
        break;
    default:
        EXPECT_EQ(firstDifference(gotL, inL), -1) << what;
        EXPECT_EQ(firstDifference(gotR, inL), -1) << what;
        break;
    }
}

} // namespace

TEST(Driver, OffPassesEveryBitInEveryLayout)
{
    for (Layout layout :
         {Layout::Stereo, Layout::MonoToStereo, Layout::MonoToMono, Layout::StereoSecondInputUnplugged}) {
        for (bool inPlace : {false, true}) {
            expectOffIsBitExact<float>(layout, inPlace);
            expectOffIsBitExact<double>(layout, inPlace);
        }
    }
}

TEST(Driver, MonoKernelGivesBothOutputsTheSameSamples)
{
    for (Layout layout : {Layout::MonoToStereo, Layout::StereoSecondInputUnplugged}) {
        for (float process : {0.5f, 1.0f}) {
            Rig rig(layout, 44100.0, Settings{process, 1.0f, 0.3f, 0.9f, 0.2f});
            ASSERT_TRUE(rig.loaded());
            std::vector<double> left, right;
            testSignal(left, right, 10000, 44100.0, 0.9);
            std::vector<float> l = converted<float>(left), r = converted<float>(right);
            std::vector<float> outL(l.size()), outR(l.size());
            float* inputs[2] = {l.data(), r.data()};
            float* outputs[2] = {outL.data(), outR.data()};
            rig.plugin->process(inputs, outputs, static_cast<VstInt32>(l.size()));
            EXPECT_EQ(firstDifference(outL, outR), -1) << layoutName(layout);
            EXPECT_NE(firstDifference(outL, l), -1) << "the block was processed";
        }
    }
}

TEST(Driver, PinQueriesPerBlock)
{
    struct Case {
        Layout layout;
        float process;
        std::vector<std::pair<VstInt32, VstIntPtr>> queries;  // (index, 0 input / 1 output)
    } cases[] = {
        {Layout::Stereo, 0.0f, {{1, 0}, {1, 1}}},
        {Layout::Stereo, 0.5f, {{1, 0}, {1, 1}, {1, 0}, {1, 0}, {1, 1}}},
        {Layout::StereoSecondInputUnplugged, 1.0f, {{1, 0}, {1, 1}, {1, 0}, {1, 1}}},
        {Layout::MonoToStereo, 0.5f, {{1, 0}, {1, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        Rig rig(c.layout, 44100.0, Settings{c.process});
        ASSERT_TRUE(rig.loaded());
        std::vector<double> l(16, 0.1), r(16, 0.1);
        double* io[2] = {l.data(), r.data()};
        rig.plugin->host().clearCalls();
        rig.plugin->process(io, io, 16);
        std::vector<std::pair<VstInt32, VstIntPtr>> seen;
        for (const vsthost::HostCall& call : rig.plugin->host().calls()) {
            EXPECT_EQ(call.opcode, audioMasterPinConnected);
            seen.emplace_back(call.index, call.value);
        }
        EXPECT_EQ(seen, c.queries) << layoutName(c.layout) << " process " << c.process;
    }
}

TEST(Driver, EmptyBlocksChangeNothing)
{
    std::vector<double> left, right;
    testSignal(left, right, 4096, 44100.0, 0.9);
    std::vector<double> reference[2], withEmpty[2];
    for (bool empty : {false, true}) {
        Rig rig(Layout::Stereo, 44100.0, Settings{1.0f, 0.8f, 0.1f, 0.7f, 0.1f});
        ASSERT_TRUE(rig.loaded());
        std::vector<double> l = left, r = right;
        double* io[2] = {l.data(), r.data()};
        if (empty) {
            double untouched[2] = {5.0, 6.0};
            double* first[2] = {&untouched[0], &untouched[1]};
            rig.plugin->process(first, first, 0);
            rig.plugin->process(first, first, -4);
            float* firstF[2] = {nullptr, nullptr};
            rig.plugin->process(firstF, firstF, 0);
            EXPECT_EQ(untouched[0], 5.0);
            EXPECT_EQ(untouched[1], 6.0);
        }
        rig.plugin->process(io, io, 4096);
        (empty ? withEmpty : reference)[0] = l;
        (empty ? withEmpty : reference)[1] = r;
    }
    EXPECT_EQ(firstDifference(reference[0], withEmpty[0]), -1);
    EXPECT_EQ(firstDifference(reference[1], withEmpty[1]), -1);
}

TEST(Driver, NonNumericSamplesReadAsSilenceAndCompressionGoesOn)
{
    for (float process : {0.5f, 1.0f}) {
        std::vector<double> left, right;
        testSignal(left, right, 30000, 44100.0, 0.8);
        std::vector<float> outputs[2][2];
        for (int dirty = 0; dirty < 2; ++dirty) {
            Rig rig(Layout::Stereo, 44100.0, Settings{process, 0.5f, 0.5f, 0.8f, 0.0f});
            ASSERT_TRUE(rig.loaded());
            std::vector<float> l = converted<float>(left), r = converted<float>(right);
            const float bad[] = {NAN, INFINITY, -INFINITY};
            for (int k = 0; k < 30; ++k) {
                const int at = 1000 + k * 900;
                (k % 2 ? l : r)[at] = dirty ? bad[k % 3] : 0.0f;
            }
            float* io[2] = {l.data(), r.data()};
            rig.plugin->process(io, io, static_cast<VstInt32>(l.size()));
            outputs[dirty][0] = l;
            outputs[dirty][1] = r;
        }
        EXPECT_EQ(firstDifference(outputs[0][0], outputs[1][0]), -1) << process;
        EXPECT_EQ(firstDifference(outputs[0][1], outputs[1][1]), -1) << process;
        for (float v : outputs[1][0])
            ASSERT_TRUE(std::isfinite(v));
    }
}

TEST(Driver, DetectorRateIsBoundedToTheSupportedRange)
{
    // Rates outside 20000..200000 make the detector compute as at 44100; inside, the rate is used as given.
    struct Case {
        float hostRate;
        bool sameAs44100;
    } cases[] = {{8000.0f, true}, {19999.0f, true}, {20000.0f, false}, {200000.0f, false}, {200001.0f, true},
                 {0.0f, true},    {-48000.0f, true}};
    std::vector<double> left, right;
    testSignal(left, right, 8192, 44100.0, 0.9);
    auto render = [&](float rate) {
        Rig rig(Layout::Stereo, rate, Settings{0.5f, 0.5f, 0.2f, 0.7f, 0.0f});
        std::vector<double> l = left, r = right;
        double* io[2] = {l.data(), r.data()};
        if (rig.loaded())
            rig.plugin->process(io, io, 8192);
        return l;
    };
    const std::vector<double> at44100 = render(44100.0f);
    for (const Case& c : cases) {
        const std::vector<double> out = render(c.hostRate);
        EXPECT_EQ(firstDifference(out, at44100) == -1, c.sameAs44100) << c.hostRate;
        for (double v : out)
            ASSERT_TRUE(std::isfinite(v)) << c.hostRate;
    }
}

TEST(Driver, SampleRateTakesEffectAtTheNextResume)
{
    std::vector<double> left, right;
    testSignal(left, right, 6000, 44100.0, 0.9);
    auto render = [&](bool changeWhileRunning) {
        Rig rig(Layout::Stereo, 44100.0, Settings{0.5f, 0.5f, 0.2f, 0.7f, 0.0f});
        std::vector<double> l = left, r = right;
        double* io[2] = {l.data(), r.data()};
        if (changeWhileRunning)
            rig.plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
        rig.plugin->process(io, io, 6000);
        return l;
    };
    EXPECT_EQ(firstDifference(render(true), render(false)), -1);
}
