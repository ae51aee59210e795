#include "SignalPath.h"

#include <cmath>
#include <initializer_list>

namespace dsp {

void SignalPath::warmUpMeter()
{
    meterSmoother.reset();
    meterSmoother.update();
    const double rest = meterGain.load(std::memory_order_relaxed);
    for (int i = 0; i < 44100; ++i)
        meterSmoother.step(rest);
}

void SignalPath::suspend(const WorkingValues& values)
{
    drive = values.driveTarget.load(std::memory_order_relaxed);
    outputGain = values.outputGainTarget.load(std::memory_order_relaxed);
    for (Biquad* section : {&sidechainHighpassL, &sidechainHighpassR, &envelopeFilter, &fastSmoother, &slowSmoother}) {
        section->update();
        section->reset();
    }
    meterGain.store(1.0, std::memory_order_relaxed);
    envelope = 0.0001;
}

void SignalPath::resume(double hostRate, const WorkingValues& values)
{
    // The meter smoother takes the host's rate as reported; only a rate that cannot be a rate at all
    // (zero, negative, not finite) is replaced, as it would leave the meter non-numeric for good.
    const bool usableRate = std::isfinite(hostRate) && hostRate > 0.0;
    meterSmoother.setSampleRate(usableRate ? hostRate : 44100.0);
    meterSmoother.setFrequency(7.0 / 3.0);
    denormalBias = 1e-17;

    const double rate = hostRate >= 20000.0 && hostRate <= 200000.0 ? hostRate : 44100.0;
    envelopeFilter.setSampleRate(rate);
    envelopeFilter.update();
    envelopeFilter.reset();
    fastSmoother.setSampleRate(rate);
    fastSmoother.setFrequency(5.0);
    fastSmoother.setQ(0.5);
    fastSmoother.update();
    fastSmoother.reset();
    slowSmoother.setSampleRate(rate);
    slowSmoother.setFrequency(2.0);
    slowSmoother.setQ(0.5);
    slowSmoother.update();
    slowSmoother.reset();
    for (Biquad* section : {&sidechainHighpassL, &sidechainHighpassR}) {
        section->setSampleRate(rate);
        section->update();
        section->reset();
    }

    drive = values.driveTarget.load(std::memory_order_relaxed);
    outputGain = values.outputGainTarget.load(std::memory_order_relaxed);
}

} // namespace dsp
