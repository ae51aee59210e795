#include "Kernels.h"

#include "BiquadPair.h"
#include "RatioCurves.h"

#include <algorithm>
#include <cmath>

namespace dsp {

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

// Samples per pass. Each sample's arithmetic is the same as one sample after the other; the passes only
// separate the recursions (glides, detector filters, envelope, meter) from the library calls and the
// element-wise work (cutoff, trigonometry, coefficients, curve, outputs). The recursions then run without
// calls in between, with their state in registers, and the element-wise work of many samples compiles to
// packed arithmetic.
constexpr int kChunk = 64;

// The element-wise passes come in a second build for 256-bit AVX, picked by the loader on CPUs that have
// it: packed IEEE arithmetic gives the same bits at any width, and twice the divisions per instruction.
// Only with ELF's load-time selection; the Windows builds stay with SSE2.
#if defined(__x86_64__) && defined(__ELF__)
#define QG_WIDE_VECTORS __attribute__((target_clones("avx", "default")))
#define QG_INLINE_INTO_CLONES __attribute__((always_inline)) inline
#else
#define QG_WIDE_VECTORS
#define QG_INLINE_INTO_CLONES inline
#endif

// Non-numeric input (NaN, and infinities, which would poison the detector history until the next resume)
// is read as silence.
template <typename Sample>
inline double readSample(Sample value)
{
    const double x = value;
    return std::isfinite(x) ? x : 0.0;
}

// Both channels' samples at once: x - x is 0 for finite x and NaN otherwise.
template <typename Sample>
inline DoublePair readSamples(Sample left, Sample right)
{
    const DoublePair x{static_cast<double>(left), static_cast<double>(right)};
    const DoublePair zeroIfFinite = x - x;
    return zeroIfFinite == zeroIfFinite ? x : bothLanes(0.0);
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
    double envelope[kChunk];
    double level[kChunk];
    double arctangent[kChunk];
    double hyperbolic[kChunk];
    double gain[kChunk];
    double shapedLeft[kChunk];
    double shapedRight[kChunk];
    double valveTerm[kChunk];
    int ratio[kChunk];
    int mode[kChunk];
};

// Glides, noise, side-chain high-passes and the fast and slow smoothers. Each pass works on a local copy so
// that the recursions stay in registers (the output buffers could otherwise alias the state).
struct Detector {
    explicit Detector(const SignalPath& path)
        : highpass(path.sidechainHighpassL, path.sidechainHighpassR),
          smoothers(path.fastSmoother, path.slowSmoother), noise(path.noise), glides{path.drive, path.outputGain},
          denormalBias(path.denormalBias)
    {
    }

    // The mono kernel leaves the right high-pass untouched.
    void storeInto(SignalPath& path, bool stereo) const
    {
        smoothers.storeHistoryInto(path.fastSmoother, path.slowSmoother);
        if (stereo)
            highpass.storeHistoryInto(path.sidechainHighpassL, path.sidechainHighpassR);
        else
            highpass.storeFirstHistoryInto(path.sidechainHighpassL);
        path.noise = noise;
        path.drive = glides[0];
        path.inverseDrive = 1 / glides[0];
        path.outputGain = glides[1];
        path.denormalBias = denormalBias;
    }

    // Drive and output gain (the two lanes) glide 0.1 % of the remaining distance per sample. Returns the drive.
    double glide(const WorkingValues& values, ChunkValues& c, int i)
    {
        denormalBias = -denormalBias;
        const DoublePair targets{values.driveTarget.load(kRelaxed), values.outputGainTarget.load(kRelaxed)};
        glides = glides + ((targets - glides) * bothLanes(0.001) + bothLanes(denormalBias));
        c.drive[i] = glides[0];
        c.outputGain[i] = glides[1];
        return glides[0];
    }

    // The detector signal and its fast and slow smoothings (the two lanes), whose ratio sets the envelope's
    // cutoff.
    void smooth(double detector, const WorkingValues& values, ChunkValues& c, int i)
    {
        c.detector[i] = detector;
        const DoublePair smoothed = smoothers.step(bothLanes(detector));
        c.fast[i] = smoothed[0];
        c.slow[i] = smoothed[1];
        c.timeConstant[i] = values.timeConstant.load(kRelaxed);
    }

    // Both channels' powers, summed: one envelope for both.
    template <typename Sample>
    void runStereo(const WorkingValues& values, const Sample* inLeft, const Sample* inRight, ChunkValues& c,
                   int frames)
    {
        Detector s = *this;
        for (int i = 0; i < frames; ++i) {
            const double drive = s.glide(values, c, i);
            const DoublePair input = readSamples(inLeft[i], inRight[i]);
            const double noiseLeft = s.noise.next();
            const double noiseRight = s.noise.next();
            const DoublePair driven = DoublePair{noiseLeft, noiseRight} + input * bothLanes(drive);
            c.drivenLeft[i] = driven[0];
            c.drivenRight[i] = driven[1];
            const DoublePair high = s.highpass.step(driven);
            const DoublePair squares = high * high;
            s.smooth((squares[1] + squares[0]) * 0.7071, values, c, i);
        }
        *this = s;
    }

    // The left channel's rectified amplitude.
    template <typename Sample>
    void runMono(const WorkingValues& values, const Sample* in, ChunkValues& c, int frames)
    {
        Detector s = *this;
        for (int i = 0; i < frames; ++i) {
            const double drive = s.glide(values, c, i);
            const double x = readSample(in[i]);
            const double driven = s.noise.next() + x * drive;
            c.drivenLeft[i] = driven;
            // The right lane runs idle and is never stored back.
            const DoublePair high = s.highpass.step(DoublePair{driven, 0.0});
            s.smooth(std::fabs(high[0]), values, c, i);
        }
        *this = s;
    }

    BiquadPair highpass;  // left, right
    BiquadPair smoothers; // fast, slow
    NoiseGenerator noise;
    DoublePair glides;    // drive, output gain
    double denormalBias;
};

// The envelope filter's cutoff follows the rise ratio of the fast and the slow smoothing; its low-pass
// coefficients, bounded to 0.001 Hz .. 0.499 x rate. Element-wise over the chunk; returns the last cutoff.
QG_WIDE_VECTORS double envelopeCoefficients(ChunkValues& c, int frames, double rate, double q)
{
    // Once the drive has settled it repeats exactly, and so does its inverse.
    if (std::all_of(c.drive, c.drive + frames, [&](double d) { return d == c.drive[0]; }))
        std::fill(c.inverseDrive, c.inverseDrive + frames, 1 / c.drive[0]);
    else
        for (int i = 0; i < frames; ++i)
            c.inverseDrive[i] = 1 / c.drive[i];
    for (int i = 0; i < frames; ++i) {
        const double rise = 0.2 * std::max(c.fast[i], 1e-6) / std::max(c.slow[i], 1e-6);
        const double f = (4 * rise / (rise + 1) + 0.1) * 0.7 / c.timeConstant[i];
        c.cutoff[i] = f;
        c.omega[i] = Biquad::lowpassAngle(f, rate);
    }
    for (int i = 0; i < frames; ++i) {
        c.cosine[i] = std::cos(c.omega[i]);
        c.sine[i] = std::sin(c.omega[i]);
    }
    for (int i = 0; i < frames; ++i) {
        const Biquad::Coefficients k = Biquad::lowpassFromAngle(c.cosine[i], c.sine[i], q);
        c.b0[i] = k.b0;
        c.b1[i] = k.b1;
        c.a1[i] = k.a1;
        c.a2[i] = k.a2;
    }
    return c.cutoff[frames - 1];
}

// The envelope of each sample, floored at 0.001. While the detector is above the envelope the filter
// advances ten steps per sample: a ten-fold attack. Also reads the ratio step each sample uses.
void envelopes(Biquad& envelopeFilter, double& envelope, const WorkingValues& values, ChunkValues& c, int frames)
{
    Biquad filter = envelopeFilter;
    double value = envelope;
    for (int i = 0; i < frames; ++i) {
        const double detector = c.detector[i];
        filter.setCoefficients({c.b0[i], c.b1[i], c.b0[i], c.a1[i], c.a2[i]});
        if (detector > value) {
            value = filter.stepSmoothHeld4(detector);
            value = filter.stepSmoothHeld4(detector);
            value = filter.stepSmooth(detector);
        }
        value = filter.stepSmooth(detector);
        if (std::isnan(value))
            value = 0;
        if (value < 0.001)
            value = 0.001;
        c.envelope[i] = value;
        c.ratio[i] = values.ratioIndex.load(kRelaxed);
    }
    envelopeFilter = filter;
    envelope = value;
}

// Curve gains of one ratio step for a run of levels: the library terms first, then the rest element-wise.
template <int Step>
QG_INLINE_INTO_CLONES void curveRun(ChunkValues& c, int frames)
{
    if constexpr (curveUsesArctangent(Step)) {
        for (int i = 0; i < frames; ++i)
            c.arctangent[i] = 1.2 * c.level[i];
        for (int i = 0; i < frames; ++i)
            c.arctangent[i] = std::atan(c.arctangent[i]);
    }
    if constexpr (curveUsesHyperbolic(Step)) {
        for (int i = 0; i < frames; ++i)
            c.hyperbolic[i] = std::tanh(c.level[i]);
    }
    for (int i = 0; i < frames; ++i) {
        const double arctangent = curveUsesArctangent(Step) ? c.arctangent[i] : 0.0;
        const double hyperbolic = curveUsesHyperbolic(Step) ? c.hyperbolic[i] : 0.0;
        c.gain[i] = curveFromTerms(Step, c.level[i], arctangent, hyperbolic);
    }
}

// The curve's gain for each sample's envelope, with the ratio step read for that sample; NaN becomes 0.
QG_WIDE_VECTORS void curveGains(ChunkValues& c, int frames)
{
    for (int i = 0; i < frames; ++i)
        c.level[i] = std::sqrt(c.envelope[i]);
    const int step = c.ratio[0];
    const bool oneStep = std::all_of(c.ratio, c.ratio + frames, [step](int r) { return r == step; });
    switch (oneStep ? step : -1) {
    case 0: curveRun<0>(c, frames); break;
    case 1: curveRun<1>(c, frames); break;
    case 2: curveRun<2>(c, frames); break;
    case 3: curveRun<3>(c, frames); break;
    case 4: curveRun<4>(c, frames); break;
    case 5: curveRun<5>(c, frames); break;
    case 6: curveRun<6>(c, frames); break;
    default:
        // The step changed within the chunk, or is out of range: curveGain clamps each one.
        for (int i = 0; i < frames; ++i)
            c.gain[i] = curveGain(c.ratio[i], c.level[i]);
    }
    for (int i = 0; i < frames; ++i)
        c.gain[i] = std::isnan(c.gain[i]) ? 0.0 : c.gain[i];
}

// Publishes each gain to the meter and reads the mode each sample uses; returns how many are Valve.
int meterAndModes(Biquad& meterSmoother, std::atomic<double>& meterGain, const WorkingValues& values,
                  ChunkValues& c, int frames)
{
    Biquad smoother = meterSmoother;
    int valveSamples = 0;
    for (int i = 0; i < frames; ++i) {
        meterGain.store(smoother.stepSmooth(c.gain[i]), kRelaxed);
        c.mode[i] = values.processMode.load(kRelaxed);
        valveSamples += c.mode[i] == kModeValve;
    }
    meterSmoother = smoother;
    return valveSamples;
}

// One channel's driven samples times the gain, then the valve stage where the sample's mode is Valve. A
// chunk wholly in Valve does the stage's arithmetic element-wise around one library call per sample.
QG_WIDE_VECTORS void shapeChannel(const double* driven, double* shaped, ChunkValues& c, int frames,
                                  int valveSamples, ValveScale scale)
{
    for (int i = 0; i < frames; ++i)
        shaped[i] = c.gain[i] * driven[i];
    if (valveSamples == frames) {
        for (int i = 0; i < frames; ++i)
            c.valveTerm[i] = valveArgument(shaped[i], scale.in);
        for (int i = 0; i < frames; ++i)
            c.valveTerm[i] = shaped[i] >= 0 ? std::atan(c.valveTerm[i]) : std::tanh(c.valveTerm[i]);
        for (int i = 0; i < frames; ++i)
            shaped[i] = valveFromTerm(shaped[i], c.valveTerm[i], scale.out);
    } else if (valveSamples > 0) {
        for (int i = 0; i < frames; ++i)
            if (c.mode[i] == kModeValve)
                shaped[i] = valveShape(shaped[i], scale);
    }
}

// Drive compensation and output gain, in this order; the float variant rounds once, when storing.
template <typename Sample>
void writeOutput(const double* shaped, const ChunkValues& c, int frames, Sample* out)
{
    for (int i = 0; i < frames; ++i)
        out[i] = static_cast<Sample>(shaped[i] * c.inverseDrive[i] * c.outputGain[i]);
}

// Everything after the detector: cutoff and coefficients, envelope, curve, meter. Leaves each sample's gain
// and mode in the chunk and returns how many samples are in Valve.
int gainsAndModes(SignalPath& path, const WorkingValues& values, ChunkValues& c, int frames)
{
    const double cutoff = envelopeCoefficients(c, frames, path.envelopeFilter.sampleRate(), path.envelopeFilter.q());
    envelopes(path.envelopeFilter, path.envelope, values, c, frames);
    path.envelopeFilter.noteLowpassCutoff(cutoff);
    curveGains(c, frames);
    return meterAndModes(path.meterSmoother, path.meterGain, values, c, frames);
}

// Both kernels: the detector of both channels or of the left one, then the shared gain path and outputs.
template <typename Sample>
void processChunks(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames,
                   bool stereo)
{
    const ValveScale scale = valveScaleFor(clampRatioIndex(values));
    if (frames <= 0)
        return;
    Detector detector(path);
    ChunkValues chunk;
    for (int start = 0; start < frames; start += kChunk) {
        const int count = std::min(kChunk, frames - start);
        if (stereo)
            detector.runStereo(values, channels.inLeft + start, channels.inRight + start, chunk, count);
        else
            detector.runMono(values, channels.inLeft + start, chunk, count);
        const int valveSamples = gainsAndModes(path, values, chunk, count);
        shapeChannel(chunk.drivenLeft, chunk.shapedLeft, chunk, count, valveSamples, scale);
        if (stereo)
            shapeChannel(chunk.drivenRight, chunk.shapedRight, chunk, count, valveSamples, scale);
        // Mono writes its one channel to both outputs. Left before right: when the host passes one buffer
        // for both outputs, the right channel stays.
        writeOutput(chunk.shapedLeft, chunk, count, channels.outLeft + start);
        writeOutput(stereo ? chunk.shapedRight : chunk.shapedLeft, chunk, count, channels.outRight + start);
    }
    detector.storeInto(path, stereo);
}

} // namespace

template <typename Sample>
void processStereoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames)
{
    processChunks(path, values, channels, frames, true);
}

template <typename Sample>
void processMonoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames)
{
    processChunks(path, values, channels, frames, false);
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
