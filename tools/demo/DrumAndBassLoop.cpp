#include "DrumAndBassLoop.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace demo {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kBeat = 60.0 / 174.0;
constexpr double kSixteenth = kBeat / 4.0;

// Same noise on every run, independent of the C library.
class Noise {
public:
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t state = 0x5eed1234u;
};

// Hit times within one bar of 16 sixteenths (two-step: kick on 1 and the "and" of 3, snare on 2 and 4).
constexpr int kKickSteps[] = {0, 10};
constexpr int kSnareSteps[] = {4, 12};
// Bass notes per bar (Hz), changing every two bars: E1, G1, A1, D1.
constexpr double kBassNotes[] = {41.2, 49.0, 55.0, 36.7};

double kick(double t)
{
    if (t < 0.0 || t > 0.5)
        return 0.0;
    // Pitch falls from 150 Hz toward 45 Hz; the phase is the integral of that sweep.
    const double phase = kTwoPi * (45.0 * t + (150.0 - 45.0) * (1.0 - std::exp(-t * 25.0)) / 25.0);
    return std::sin(phase) * std::exp(-t * 7.0);
}

} // namespace

StereoBuffer drumAndBassLoop(double seconds, double sampleRate)
{
    StereoBuffer out;
    out.sampleRate = sampleRate;
    const int frames = static_cast<int>(seconds * sampleRate);
    out.left.assign(frames, 0.0f);
    out.right.assign(frames, 0.0f);
    std::vector<double> left(frames, 0.0), right(frames, 0.0);
    Noise noise;
    const double bar = 16 * kSixteenth;
    double snareBody = 0.0, hatLow = 0.0, bassLow = 0.0, bassPhaseA = 0.0, bassPhaseB = 0.0;
    for (int i = 0; i < frames; ++i) {
        const double t = i / sampleRate;
        const int barIndex = static_cast<int>(t / bar);
        const double inBar = t - barIndex * bar;
        const int step = static_cast<int>(inBar / kSixteenth);
        const double sinceStep = inBar - step * kSixteenth;

        double kickValue = 0.0;
        for (int k : kKickSteps)
            kickValue += kick(inBar - k * kSixteenth);

        double snareValue = 0.0;
        const double white = noise.next();
        snareBody += 0.25 * (white - snareBody);  // soft noise for the snare's body
        for (int s : kSnareSteps) {
            const double ts = inBar - s * kSixteenth;
            if (ts >= 0.0 && ts < 0.4)
                snareValue += (0.7 * snareBody + 0.5 * std::sin(kTwoPi * 185.0 * ts)) * std::exp(-ts * 16.0);
        }

        // Hats on every sixteenth, accented off-beats, bright noise (white minus its low part).
        hatLow += 0.5 * (white - hatLow);
        const double accent = step % 2 ? 0.22 : 0.12;
        const double hatValue = (white - hatLow) * accent * std::exp(-sinceStep * 90.0);

        // Reese bass: two detuned saws through a one-pole low-pass, pausing on the last sixteenth of a beat.
        const double note = kBassNotes[(barIndex / 2) % 4];
        bassPhaseA = std::fmod(bassPhaseA + note / sampleRate, 1.0);
        bassPhaseB = std::fmod(bassPhaseB + note * 1.007 / sampleRate, 1.0);
        const double saw = (2.0 * bassPhaseA - 1.0) + (2.0 * bassPhaseB - 1.0);
        bassLow += 0.02 * (saw - bassLow);
        const double gate = step % 4 == 3 ? std::exp(-sinceStep * 60.0) : 1.0;
        const double bassValue = 0.45 * bassLow * gate;

        left[i] = 0.9 * kickValue + 0.55 * snareValue + 0.8 * hatValue + bassValue;
        right[i] = 0.9 * kickValue + 0.5 * snareValue + 1.2 * hatValue + bassValue;
    }
    double peak = 1e-9;
    for (int i = 0; i < frames; ++i)
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
    const double scale = 0.89 / peak;  // about -1 dBFS
    for (int i = 0; i < frames; ++i) {
        out.left[i] = static_cast<float>(left[i] * scale);
        out.right[i] = static_cast<float>(right[i] * scale);
    }
    return out;
}

} // namespace demo
