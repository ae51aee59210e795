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
    // G2..G6 are transfer curves (output level) divided by the level.
    switch (clampRatio(ratioIndex)) {
    case 0:
        return 0.6 / (1 + 0.4 * x) + 0.4;
    case 1:
        return 0.8 / (1 + 0.4 * x) + 0.2;
    case 2:
        return (0.3 * (0.92 * std::atan(1.2 * x) / 1.2 + 0.08 * x) + 0.7 * (0.9 * x / (1 + 0.35 * x) + 0.1 * x)) / x;
    case 3:
        return (0.65 * (0.95 * std::atan(1.2 * x) / 1.2 + 0.05 * x) + 0.35 * (0.95 * x / (1 + 0.35 * x) + 0.05 * x)) /
               x;
    case 4:
        return (0.97 * std::atan(1.2 * x) / 1.2 + 0.03 * x) / x;
    case 5:
        return (0.5 * (0.982 * std::atan(1.2 * x) / 1.2 + 0.018 * x) + 0.5 * (0.982 * std::tanh(x) + 0.018 * x)) / x;
    default:
        return (0.99 * std::tanh(x) + 0.01 * x) / x;
    }
}

double valveShape(double y, double sIn, double sOut)
{
    if (y >= 0)
        return sOut * std::atan(sIn * y);
    return sOut * std::tanh(-0.64 * sIn * y) / (-0.64);
}

} // namespace dsp
