#include "Biquad.h"

#include <cmath>

namespace dsp {

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kNyquistFraction = 0.499;

double boundedRate(double rate)
{
    return rate >= 20000.0 && rate <= 200000.0 ? rate : 44100.0;
}
} // namespace

Biquad::Biquad(double sampleRate, Response response, double frequency, double q, double /*gainDb*/)
    : rate(sampleRate), type(response), freq(frequency), quality(q)
{
    update();
}

void Biquad::setSampleRate(double newRate)
{
    rate = newRate;
    const double limit = kNyquistFraction * boundedRate(newRate);
    if (freq > limit)
        freq = limit;
    update();
}

void Biquad::setFrequency(double f)
{
    freq = f;
    update();
}

void Biquad::setQ(double value)
{
    quality = value;
    update();
}

void Biquad::update()
{
    if (kNyquistFraction * rate < freq)
        freq = kNyquistFraction * rate;
    const double w = kTwoPi * freq / rate;
    const double cw = std::cos(w);
    const double sw = std::sin(w);
    // Widening alpha near Nyquist keeps the response from peaking as the cutoff approaches 0.499 x rate.
    const bool lowpass = type == kLowpass;
    const double p = std::pow(freq / ((lowpass ? 0.50001 : 0.5001) * rate), lowpass ? 8.0 : 6.0);
    const double alpha = sw / (2 * quality * (1 - p));
    const double a0 = 1 + alpha;
    a1 = -2 * cw / a0;
    a2 = (1 - alpha) / a0;
    if (lowpass) {
        b0 = (1 - cw) * 0.5 / a0;
        b1 = (1 - cw) / a0;
    } else {
        b0 = (1 + cw) * 0.5 / a0;
        b1 = -(1 + cw) / a0;
    }
    b2 = b0;
}

Biquad::Coefficients Biquad::lowpassCoefficients(double f, double rate, double q)
{
    const double w = lowpassAngle(f, rate);
    return lowpassFromAngle(std::cos(w), std::sin(w), q);
}

} // namespace dsp
