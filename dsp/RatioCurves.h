// The seven soft gain curves selected by the ratio step, and the asymmetric valve saturator.
#pragma once

namespace dsp {

constexpr int kNumRatioSteps = 7;

struct ValveScale {
    double in;   // applied before the saturator
    double out;  // applied after it; in x out = 1 so the slope at zero is 1
};

// Scale pair for ratioIndex 0..6 (clamped).
ValveScale valveScaleFor(int ratioIndex);

// Gain (1 at level 0, below 1 above) of curve G0..G6 for a detector level; ratioIndex is clamped to 0..6.
double curveGain(int ratioIndex, double level);

// The library terms of the curves, so that a caller can evaluate them for many levels before the rest:
// arctangent = atan(1.2 x) for G2..G5, hyperbolic = tanh(x) for G5 and G6. Other steps ignore the terms.
constexpr bool curveUsesArctangent(int step)
{
    return step >= 2 && step <= 5;
}
constexpr bool curveUsesHyperbolic(int step)
{
    return step >= 5;
}

// G2..G6 are transfer curves (output level) divided by the level. step must be 0..6.
inline double curveFromTerms(int step, double x, double arctangent, double hyperbolic)
{
    switch (step) {
    case 0:
        return 0.6 / (1 + 0.4 * x) + 0.4;
    case 1:
        return 0.8 / (1 + 0.4 * x) + 0.2;
    case 2:
        return (0.3 * (0.92 * arctangent / 1.2 + 0.08 * x) + 0.7 * (0.9 * x / (1 + 0.35 * x) + 0.1 * x)) / x;
    case 3:
        return (0.65 * (0.95 * arctangent / 1.2 + 0.05 * x) + 0.35 * (0.95 * x / (1 + 0.35 * x) + 0.05 * x)) / x;
    case 4:
        return (0.97 * arctangent / 1.2 + 0.03 * x) / x;
    case 5:
        return (0.5 * (0.982 * arctangent / 1.2 + 0.018 * x) + 0.5 * (0.982 * hyperbolic + 0.018 * x)) / x;
    default:
        return (0.99 * hyperbolic + 0.01 * x) / x;
    }
}

// Arctangent for the positive half-wave, hyperbolic tangent for the negative one (and for NaN).
double valveShape(double y, double sIn, double sOut);

// The valve stage split around its library call, so that a caller can do the arithmetic of many samples
// at once: valveShape(y) = valveFromTerm(y, f(valveArgument(y)), sOut), with f = atan where y >= 0 and
// tanh elsewhere.
inline double valveArgument(double y, double sIn)
{
    return y >= 0 ? sIn * y : -0.64 * sIn * y;
}
inline double valveFromTerm(double y, double term, double sOut)
{
    return y >= 0 ? sOut * term : sOut * term / (-0.64);
}
inline double valveShape(double y, ValveScale scale)
{
    return valveShape(y, scale.in, scale.out);
}

} // namespace dsp
