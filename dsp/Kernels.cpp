#include "Kernels.h"

#include "BiquadPair.h"
#include "RatioCurves.h"

#include <algorithm>
#include <cmath>

namespace dsp {

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// Samples per pass. Each sample's arithmetic is the same as one sample after the other; the passes only
// separate the work that does not wait for the envelope (glides, detector filters, cutoff, trigonometry,
// coefficients) from the envelope and the curve, so that the detector recursions run without library calls
// in between and the element-wise work of many samples compiles to packed arithmetic.
constexpr int kChunk = 64;

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

// Per-sample values handed from one pass to the next, one array per quantity so that the element-wise
// passes compile to packed arithmetic (bit-identical to the scalar operations).
struct ChunkValues {
    double drivenLeft[kChunk];
    double drivenRight[kChunk];
    double detector[kChunk];
    double fast[kChunk];
    double slow[kChunk];
    double timeConstant[kChunk];
    double cutoff[kChunk];
    double omega[kChunk];
    double cosine[kChunk];
    double sine[kChunk];
    double b0[kChunk], b1[kChunk], a1[kChunk], a2[kChunk];
    double drive[kChunk];
    double inverseDrive[kChunk];
    double outputGain[kChunk];
};

// Block-local copy of the running state: keeps it in registers, since output stores could alias it.
struct LocalState {
    explicit LocalState(const SignalPath& path)
        : meterSmoother(path.meterSmoother), envelopeFilter(path.envelopeFilter),
          smoothers(path.fastSmoother, path.slowSmoother),
          highpass(path.sidechainHighpassL, path.sidechainHighpassR), noise(path.noise),
          glides{path.drive, path.outputGain}, denormalBias(path.denormalBias), envelope(path.envelope),
          envelopeRate(path.envelopeFilter.sampleRate()), envelopeQ(path.envelopeFilter.q())
    {
    }

    // The mono kernel leaves the right high-pass untouched.
    void storeInto(SignalPath& path, bool stereo) const
    {
        path.meterSmoother = meterSmoother;
        smoothers.storeHistoryInto(path.fastSmoother, path.slowSmoother);
        path.envelopeFilter = envelopeFilter;
        path.envelopeFilter.noteLowpassCutoff(lastCutoff);
        if (stereo)
            highpass.storeHistoryInto(path.sidechainHighpassL, path.sidechainHighpassR);
        else
            highpass.storeFirstHistoryInto(path.sidechainHighpassL);
        path.noise = noise;
        path.drive = glides[0];
        path.inverseDrive = 1 / glides[0];
        path.outputGain = glides[1];
        path.denormalBias = denormalBias;
        path.envelope = envelope;
    }

    // Drive and output gain (the two lanes) glide 0.1 % of the remaining distance per sample. Returns the drive.
    double glide(const WorkingValues& values, ChunkValues& chunk, int i)
    {
        denormalBias = -denormalBias;
        const DoublePair targets{values.driveTarget.load(kRelaxed), values.outputGainTarget.load(kRelaxed)};
        glides = glides + ((targets - glides) * bothLanes(0.001) + bothLanes(denormalBias));
        chunk.drive[i] = glides[0];
        chunk.outputGain[i] = glides[1];
        return glides[0];
    }

    // The detector signal and its fast and slow smoothings (the two lanes), whose ratio sets the envelope's
    // cutoff.
    void smoothDetector(double detector, const WorkingValues& values, ChunkValues& chunk, int i)
    {
        chunk.detector[i] = detector;
        const DoublePair smoothed = smoothers.step(bothLanes(detector));
        chunk.fast[i] = smoothed[0];
        chunk.slow[i] = smoothed[1];
        chunk.timeConstant[i] = values.timeConstant.load(kRelaxed);
    }

    // The envelope filter's cutoff follows the rise ratio of the fast and the slow smoothing; its low-pass
    // coefficients, bounded to 0.001 Hz .. 0.499 x rate. Element-wise over the chunk.
    void envelopeCoefficients(ChunkValues& c, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            c.inverseDrive[i] = 1 / c.drive[i];
            const double rise = 0.2 * std::max(c.fast[i], 1e-6) / std::max(c.slow[i], 1e-6);
            const double f = (4 * rise / (rise + 1) + 0.1) * 0.7 / c.timeConstant[i];
            c.cutoff[i] = f;
            c.omega[i] = Biquad::lowpassAngle(f, envelopeRate);
        }
        for (int i = 0; i < frames; ++i) {
            c.cosine[i] = std::cos(c.omega[i]);
            c.sine[i] = std::sin(c.omega[i]);
        }
        for (int i = 0; i < frames; ++i) {
            const Biquad::Coefficients k = Biquad::lowpassFromAngle(c.cosine[i], c.sine[i], envelopeQ);
            c.b0[i] = k.b0;
            c.b1[i] = k.b1;
            c.a1[i] = k.a1;
            c.a2[i] = k.a2;
        }
        lastCutoff = c.cutoff[frames - 1];
    }

    // The envelope, then the curve's gain for it, which is also published to the meter. While the detector
    // is above the envelope the filter advances ten steps per sample: a ten-fold attack.
    double gain(const ChunkValues& chunk, int i, const WorkingValues& values, std::atomic<double>& meterGain)
    {
        const double detector = chunk.detector[i];
        envelopeFilter.setCoefficients({chunk.b0[i], chunk.b1[i], chunk.b0[i], chunk.a1[i], chunk.a2[i]});
        if (detector > envelope) {
            envelope = envelopeFilter.stepSmoothHeld4(detector);
            envelope = envelopeFilter.stepSmoothHeld4(detector);
            envelope = envelopeFilter.stepSmooth(detector);
        }
        envelope = envelopeFilter.stepSmooth(detector);
        if (std::isnan(envelope))
            envelope = 0;
        if (envelope < 0.001)
            envelope = 0.001;
        double g = curveGain(values.ratioIndex.load(kRelaxed), std::sqrt(envelope));
        if (std::isnan(g))
            g = 0;
        meterGain.store(meterSmoother.step(g), kRelaxed);
        return g;
    }

    Biquad meterSmoother, envelopeFilter;
    BiquadPair smoothers;  // fast, slow
    BiquadPair highpass;   // left, right
    NoiseGenerator noise;
    DoublePair glides;     // drive, output gain
    double denormalBias, envelope;
    double envelopeRate, envelopeQ;
    double lastCutoff = 0.0;
};

} // namespace

template <typename Sample>
void processStereoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames)
{
    const ValveScale scale = valveScaleFor(clampRatioIndex(values));
    if (frames <= 0)
        return;
    LocalState state(path);
    ChunkValues chunk;
    for (int start = 0; start < frames; start += kChunk) {
        const int count = std::min(kChunk, frames - start);
        const Sample* inLeft = channels.inLeft + start;
        const Sample* inRight = channels.inRight + start;
        for (int i = 0; i < count; ++i) {
            const double drive = state.glide(values, chunk, i);
            const DoublePair input{readSample(inLeft[i]), readSample(inRight[i])};
            const double noiseLeft = state.noise.next();
            const double noiseRight = state.noise.next();
            const DoublePair driven = DoublePair{noiseLeft, noiseRight} + input * bothLanes(drive);
            chunk.drivenLeft[i] = driven[0];
            chunk.drivenRight[i] = driven[1];
            const DoublePair high = state.highpass.step(driven);
            const DoublePair squares = high * high;
            state.smoothDetector((squares[1] + squares[0]) * 0.7071, values, chunk, i);
        }
        state.envelopeCoefficients(chunk, count);
        Sample* outLeft = channels.outLeft + start;
        Sample* outRight = channels.outRight + start;
        for (int i = 0; i < count; ++i) {
            const double g = state.gain(chunk, i, values, path.meterGain);
            double yLeft = g * chunk.drivenLeft[i];
            double yRight = g * chunk.drivenRight[i];
            if (values.processMode.load(kRelaxed) == kModeValve) {
                yLeft = valveShape(yLeft, scale);
                yRight = valveShape(yRight, scale);
            }
            outLeft[i] = static_cast<Sample>(yLeft * chunk.inverseDrive[i] * chunk.outputGain[i]);
            outRight[i] = static_cast<Sample>(yRight * chunk.inverseDrive[i] * chunk.outputGain[i]);
        }
    }
    state.storeInto(path, true);
}

template <typename Sample>
void processMonoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames)
{
    const ValveScale scale = valveScaleFor(clampRatioIndex(values));
    if (frames <= 0)
        return;
    LocalState state(path);
    ChunkValues chunk;
    for (int start = 0; start < frames; start += kChunk) {
        const int count = std::min(kChunk, frames - start);
        const Sample* in = channels.inLeft + start;
        for (int i = 0; i < count; ++i) {
            const double drive = state.glide(values, chunk, i);
            const double x = readSample(in[i]);
            const double driven = state.noise.next() + x * drive;
            chunk.drivenLeft[i] = driven;
            // The right lane runs idle and is never stored back.
            const DoublePair high = state.highpass.step(DoublePair{driven, 0.0});
            state.smoothDetector(std::fabs(high[0]), values, chunk, i);
        }
        state.envelopeCoefficients(chunk, count);
        Sample* outLeft = channels.outLeft + start;
        Sample* outRight = channels.outRight + start;
        for (int i = 0; i < count; ++i) {
            double y = state.gain(chunk, i, values, path.meterGain) * chunk.drivenLeft[i];
            if (values.processMode.load(kRelaxed) == kModeValve)
                y = valveShape(y, scale);
            const Sample out = static_cast<Sample>(y * chunk.inverseDrive[i] * chunk.outputGain[i]);
            outLeft[i] = out;
            outRight[i] = out;
        }
    }
    state.storeInto(path, false);
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
