// The driver's state transitions on the effect object itself: meter warm-up, suspend, resume, rates.
#include "Plugin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

VstIntPtr VSTCALLBACK quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

bool sameCoefficients(const dsp::Biquad& a, const dsp::Biquad& b)
{
    const dsp::Biquad::Coefficients ca = a.coefficients(), cb = b.coefficients();
    return std::memcmp(&ca, &cb, sizeof ca) == 0;
}

bool sameHistory(const dsp::Biquad& a, const dsp::Biquad& b)
{
    const dsp::Biquad::History ha = a.history(), hb = b.history();
    return std::memcmp(&ha, &hb, sizeof ha) == 0;
}

struct DriverState : ::testing::Test {
    std::unique_ptr<Plugin> plugin = std::make_unique<Plugin>(quietHost);
    const dsp::SignalPath& path() { return plugin->signalState(); }

    void process(float value, int frames)
    {
        std::vector<double> l(frames, value), r(frames, value);
        double* io[2] = {l.data(), r.data()};
        plugin->processDoubleReplacing(io, io, frames);
    }
};

} // namespace

TEST_F(DriverState, MeterStartsAtRestAndStaysThereInOff)
{
    EXPECT_EQ(plugin->meterGain(), 1.0);
    plugin->setParameter(kProcess, 0.0f);
    plugin->resume();
    std::vector<double> l(4096, 0.5), r(4096, 0.5);
    double* io[2] = {l.data(), r.data()};
    for (int i = 0; i < 4096; ++i) {
        plugin->processDoubleReplacing(io, io, 1);
        ASSERT_NEAR(plugin->meterGain(), 1.0, 3e-5) << i;
    }
}

TEST_F(DriverState, SuspendRestsTheMeterWithoutTouchingItsSmoother)
{
    plugin->resume();
    plugin->setParameter(kCompression, 1.0f);
    plugin->resume();
    process(0.9f, 20000);
    ASSERT_LT(plugin->meterGain(), 0.5);
    const dsp::Biquad meterBefore = path().meterSmoother;
    plugin->suspend();
    EXPECT_EQ(plugin->meterGain(), 1.0);
    EXPECT_EQ(path().envelope, 0.0001);
    EXPECT_TRUE(sameHistory(path().meterSmoother, meterBefore));
    EXPECT_EQ(path().drive, 128.0);
    const dsp::Biquad::History cleared = path().envelopeFilter.history();
    EXPECT_EQ(cleared.x1 + cleared.x2 + cleared.y1 + cleared.y2, 0.0);
}

TEST_F(DriverState, ResumeKeepsEnvelopeMeterAndNoise)
{
    plugin->resume();
    process(0.7f, 5000);
    const double envelope = path().envelope, meter = plugin->meterGain();
    dsp::NoiseGenerator noise = path().noise;
    plugin->setParameter(kOutput, 1.0f);
    plugin->resume();
    EXPECT_EQ(path().envelope, envelope);
    EXPECT_EQ(plugin->meterGain(), meter);
    dsp::NoiseGenerator after = path().noise;
    EXPECT_EQ(after.nextWord(), noise.nextWord());
    EXPECT_EQ(path().outputGain, 31.622776601683793);
    EXPECT_EQ(path().denormalBias, 1e-17);
}

TEST_F(DriverState, SectionsTakeTheBoundedRateAtResume)
{
    struct Case {
        float hostRate;
        double detectorRate;
    } cases[] = {{8000.0f, 44100.0}, {96000.0f, 96000.0}, {20000.0f, 20000.0}, {250000.0f, 44100.0}};
    for (const Case& c : cases) {
        plugin->setSampleRate(c.hostRate);
        EXPECT_EQ(plugin->getSampleRate(), c.hostRate);
        EXPECT_EQ(plugin->getAeffect()->initialDelay, 0);
        plugin->resume();
        for (const dsp::Biquad* s : {&path().fastSmoother, &path().slowSmoother, &path().envelopeFilter,
                                     &path().sidechainHighpassL, &path().sidechainHighpassR})
            EXPECT_EQ(s->sampleRate(), c.detectorRate) << c.hostRate;
        EXPECT_EQ(path().meterSmoother.sampleRate(), c.hostRate);
        EXPECT_DOUBLE_EQ(path().meterSmoother.frequency(), 7.0 / 3.0);
        EXPECT_EQ(path().slowSmoother.frequency(), 2.0);
        EXPECT_EQ(path().fastSmoother.frequency(), 5.0);
    }
}

TEST_F(DriverState, SampleRateAloneChangesNoCoefficient)
{
    plugin->resume();
    const dsp::Biquad fast = path().fastSmoother, meter = path().meterSmoother;
    plugin->setSampleRate(96000.0f);
    EXPECT_TRUE(sameCoefficients(path().fastSmoother, fast));
    EXPECT_TRUE(sameCoefficients(path().meterSmoother, meter));
    plugin->resume();
    EXPECT_FALSE(sameCoefficients(path().fastSmoother, fast));
}

TEST_F(DriverState, ImpossibleHostRateLeavesTheMeterNumeric)
{
    for (float rate : {0.0f, -44100.0f, NAN, INFINITY}) {
        plugin->setSampleRate(rate);
        plugin->resume();
        process(0.8f, 2000);
        EXPECT_TRUE(std::isfinite(plugin->meterGain())) << rate;
        EXPECT_LT(plugin->meterGain(), 1.0) << rate;
    }
}
