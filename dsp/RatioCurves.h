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

// Arctangent for the positive half-wave, hyperbolic tangent for the negative one (and for NaN).
double valveShape(double y, double sIn, double sOut);
inline double valveShape(double y, ValveScale scale)
{
    return valveShape(y, scale.in, scale.out);
}

} // namespace dsp
