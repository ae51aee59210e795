#include "Kernels.h"

#include "RatioCurves.h"

#include <algorithm>
#include <cmath>

namespace dsp {

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// Non-numeric input (NaN, and infinities, which would poison the detector history until the next resume)
// is read as silence.
template <typename Sample>
inline double readSample(Sample value)
{
    const double x = value;
    return std::isfinite(x) ? x : 0.0;
}

// Clamps the shared ratio step at block start and returns it; writes back only a changed value so that a
// concurrent parameter change is not overwritten with a stale one.
int clampRatioIndex(WorkingValues& values)
{
    const int stored = values.ratioIndex.load(kRelaxed);
    const int clamped = std::min(std::max(stored, 0), kNumRatioSteps - 1);
    if (clamped != stored)
        values.ratioIndex.store(clamped, kRelaxed);
    return clamped;
}

// Block-local copy of the running state: keeps it in registers, since output stores could alias it.
struct LocalState {
    explicit LocalState(const SignalPath& path)
        : meterSmoother(path.meterSmoother), fastSmoother(path.fastSmoother), slowSmoother(path.slowSmoother),
          envelopeFilter(path.envelopeFilter), highpassL(path.sidechainHighpassL),
          highpassR(path.sidechainHighpassR), noise(path.noise), drive(path.drive),
          inverseDrive(path.inverseDrive), outputGain(path.outputGain), denormalBias(path.denormalBias),
          envelope(path.envelope)
    {
    }

    void storeInto(SignalPath& path) const
    {
        path.meterSmoother = meterSmoother;
        path.fastSmoother = fastSmoother;
        path.slowSmoother = slowSmoother;
        path.envelopeFilter = envelopeFilter;
        path.sidechainHighpassL = highpassL;
        path.sidechainHighpassR = highpassR;
        path.noise = noise;
        path.drive = drive;
        path.inverseDrive = inverseDrive;
        path.outputGain = outputGain;
        path.denormalBias = denormalBias;
        path.envelope = envelope;
    }

    // Drive and output gain glide 0.1 % of the remaining distance per sample.
    void glide(const WorkingValues& values)
    {
        denormalBias = -denormalBias;
        drive = drive + ((values.driveTarget.load(kRelaxed) - drive) * 0.001 + denormalBias);
        inverseDrive = 1 / drive;
        outputGain = outputGain + ((values.outputGainTarget.load(kRelaxed) - outputGain) * 0.001 + denormalBias);
    }

    // Envelope from the detector signal N with a program-dependent cutoff and a ten-fold attack, then the
    // curve's gain, which is also published to the meter.
    double gainFor(double detector, const WorkingValues& values, std::atomic<double>& meterGain)
    {
        const double fast = fastSmoother.step(detector);
        const double slow = slowSmoother.step(detector);
        const double rise = 0.2 * std::max(fast, 1e-6) / std::max(slow, 1e-6);
        envelopeFilter.setLowpassCutoff((4 * rise / (rise + 1) + 0.1) * 0.7 / values.timeConstant.load(kRelaxed));
        if (detector > envelope) {
            envelope = envelopeFilter.stepHeld4(detector);
            envelope = envelopeFilter.stepHeld4(detector);
            envelope = envelopeFilter.step(detector);
        }
        envelope = envelopeFilter.step(detector);
        if (std::isnan(envelope))
            envelope = 0;
        if (envelope < 0.001)
            envelope = 0.001;
        double gain = curveGain(values.ratioIndex.load(kRelaxed), std::sqrt(envelope));
        if (std::isnan(gain))
            gain = 0;
        meterGain.store(meterSmoother.step(gain), kRelaxed);
        return gain;
    }

    Biquad meterSmoother, fastSmoother, slowSmoother, envelopeFilter, highpassL, highpassR;
    NoiseGenerator noise;
    double drive, inverseDrive, outputGain, denormalBias, envelope;
};

} // namespace

template <typename Sample>
void processStereoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames)
{
    const ValveScale scale = valveScaleFor(clampRatioIndex(values));
    if (frames <= 0)
        return;
    LocalState state(path);
    for (int i = 0; i < frames; ++i) {
        state.glide(values);
        const double left = readSample(channels.inLeft[i]);
        const double right = readSample(channels.inRight[i]);
        const double drivenLeft = state.noise.next() + left * state.drive;
        const double drivenRight = state.noise.next() + right * state.drive;
        const double highLeft = state.highpassL.step(drivenLeft);
        const double highRight = state.highpassR.step(drivenRight);
        const double detector = (highRight * highRight + highLeft * highLeft) * 0.7071;
        const double gain = state.gainFor(detector, values, path.meterGain);
        double outLeft = gain * drivenLeft;
        double outRight = gain * drivenRight;
        if (values.processMode.load(kRelaxed) == kModeValve) {
            outLeft = valveShape(outLeft, scale);
            outRight = valveShape(outRight, scale);
        }
        channels.outLeft[i] = static_cast<Sample>(outLeft * state.inverseDrive * state.outputGain);
        channels.outRight[i] = static_cast<Sample>(outRight * state.inverseDrive * state.outputGain);
    }
    state.storeInto(path);
}

template <typename Sample>
void processMonoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames)
{
    const ValveScale scale = valveScaleFor(clampRatioIndex(values));
    if (frames <= 0)
        return;
    LocalState state(path);
    for (int i = 0; i < frames; ++i) {
        state.glide(values);
        const double x = readSample(channels.inLeft[i]);
        const double driven = state.noise.next() + x * state.drive;
        const double detector = std::fabs(state.highpassL.step(driven));
        const double gain = state.gainFor(detector, values, path.meterGain);
        double y = gain * driven;
        if (values.processMode.load(kRelaxed) == kModeValve)
            y = valveShape(y, scale);
        const Sample out = static_cast<Sample>(y * state.inverseDrive * state.outputGain);
        channels.outLeft[i] = out;
        channels.outRight[i] = out;
    }
    state.storeInto(path);
}

template <typename Sample>
void passThroughBlock(SignalPath& path, const BlockChannels<Sample>& channels, int frames)
{
    for (int i = 0; i < frames; ++i) {
        const Sample right = channels.inRight[i];
        channels.outLeft[i] = channels.inLeft[i];
        channels.outRight[i] = right;
        path.meterGain.store(path.meterSmoother.step(1.0), kRelaxed);
    }
}

template void processStereoBlock<float>(SignalPath&, WorkingValues&, const BlockChannels<float>&, int);
template void processStereoBlock<double>(SignalPath&, WorkingValues&, const BlockChannels<double>&, int);
template void processMonoBlock<float>(SignalPath&, WorkingValues&, const BlockChannels<float>&, int);
template void processMonoBlock<double>(SignalPath&, WorkingValues&, const BlockChannels<double>&, int);
template void passThroughBlock<float>(SignalPath&, const BlockChannels<float>&, int);
template void passThroughBlock<double>(SignalPath&, const BlockChannels<double>&, int);

} // namespace dsp
