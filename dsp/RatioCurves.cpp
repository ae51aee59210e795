#include "RatioCurves.h"

#include <cmath>

namespace dsp {

namespace {
constexpr ValveScale kValveScales[kNumRatioSteps] = {
    {0.044642857142857144, 22.4},
    {0.06313513950340426, 15.839039999999997},
    {0.125, 8.0},
    {0.1767783906095319, 5.6568},
    {0.25, 4.0},
    {0.3546099290780142, 2.82},
    {0.35714285714285715, 2.8},
};

int clampRatio(int ratioIndex)
{
    return ratioIndex < 0 ? 0 : ratioIndex >= kNumRatioSteps ? kNumRatioSteps - 1 : ratioIndex;
}
} // namespace

ValveScale valveScaleFor(int ratioIndex)
{
    return kValveScales[clampRatio(ratioIndex)];
}

double curveGain(int ratioIndex, double x)
{
    const int step = clampRatio(ratioIndex);
    const double arctangent = curveUsesArctangent(step) ? std::atan(1.2 * x) : 0.0;
    const double hyperbolic = curveUsesHyperbolic(step) ? std::tanh(x) : 0.0;
    return curveFromTerms(step, x, arctangent, hyperbolic);
}

double valveShape(double y, double sIn, double sOut)
{
    const double argument = valveArgument(y, sIn);
    return valveFromTerm(y, y >= 0 ? std::atan(argument) : std::tanh(argument), sOut);
}

} // namespace dsp
